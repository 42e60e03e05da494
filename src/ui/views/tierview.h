// A herd window: the species' picture, the number of animals and ">>";
// expanded also "Vermehren", the product box, the stable's "Maximum:" and
// the group "Einzelnes Tier" with the shown animal, the arrows that browse
// the herd, "Kaufen" and "Verkaufen".
#pragma once

#include "ui/views/gutview.h"

class GitterWidget;
class QCheckBox;
class QGroupBox;
class QToolButton;
class SvgBild;
class TtierForm;

class TierView : public GutView {
    Q_OBJECT

public:
    explicit TierView(TtierForm& fenster);

    // The picture of the species, or nullptr for a herd of no known kind.
    SvgBild* bild() const { return bild_; }
    QCheckBox* mehrenBox() const { return mehren_; }
    QCheckBox* gebenBox() const { return geben_; }
    QGroupBox* gruppe() const { return gruppe_; }
    GitterWidget* gitter() const { return gitter_; }
    QToolButton* hochPfeil() const { return hoch_; }
    QToolButton* runterPfeil() const { return runter_; }

protected:
    void inhaltAuffrischen() override;

private:
    TtierForm& form_;
    SvgBild* bild_ = nullptr;
    QCheckBox* mehren_;
    QCheckBox* geben_;
    QGroupBox* gruppe_;
    GitterWidget* gitter_;
    QToolButton* hoch_;
    QToolButton* runter_;
};

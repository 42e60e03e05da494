// A herd window: the species' picture, the number of animals and ">>";
// expanded also "Vermehren", the product box, the stable's "Maximum:" and
// the group "Einzelnes Tier" with the shown animal, the arrows that browse
// the herd, "Kaufen" and "Verkaufen"; below them the list of all animals
// (number and weight, sortable by either), in which choosing an animal
// makes it the one shown. The list is made and filled when it is first
// shown and kept up to date only while it is.
#pragma once

#include <vector>

#include "ui/views/gutview.h"

class GitterWidget;
class QCheckBox;
class QGroupBox;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
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
    // The list of animals; null until the herd was first expanded.
    QTreeWidget* liste() const { return liste_; }

    // The list's height below the window's client area while expanded.
    static constexpr int listenHoehe = 100;

protected:
    void inhaltAuffrischen() override;
    int zusatzHoehe() const override;
    void changeEvent(QEvent* e) override;

private:
    TtierForm& form_;
    SvgBild* bild_ = nullptr;
    QCheckBox* mehren_;
    QCheckBox* geben_;
    QGroupBox* gruppe_;
    GitterWidget* gitter_;
    QToolButton* hoch_;
    QToolButton* runter_;
    QTreeWidget* liste_ = nullptr;
    // The list's rows by animal: zeilen_[i] is animal i + 1. Built when the
    // list is first shown and then kept up to date row by row while it is.
    std::vector<QTreeWidgetItem*> zeilen_;
    bool listeSetzen_ = false;  // the view selects: nothing to tell the game

    void listeMachen();
    void listeAuffrischen();
};

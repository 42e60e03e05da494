// The account statement: the game's grid of the latest bookings.
#pragma once

#include "ui/kindview.h"

class GitterWidget;
class TKontoForm;

class KontoView : public KindView {
    Q_OBJECT

public:
    explicit KontoView(TKontoForm& fenster);
    GitterWidget* gitter() const { return gitter_; }

protected:
    void inhaltAuffrischen() override;

private:
    GitterWidget* gitter_;
};

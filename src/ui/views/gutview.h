// A goods window: stock, capacity, the ">>" button that shows the trade
// buttons, and buying and selling through the quantity dialog. The silo view
// moves the controls and adds its picture.
#pragma once

#include <QRect>

#include "ui/kindview.h"

class DrueckKnopf;
class KlickLabel;
class QLabel;
class QPushButton;
class TgutForm;

// Where a goods window's controls stand in its client area.
struct GutAnordnung {
    QPoint menge{8, 80};
    QPoint maxMenge{112, 56};
    QRect groesse{64, 80, 25, 25};
    QRect kaufen{152, 80, 75, 25};
    QRect verkaufen{232, 80, 75, 25};
};

class GutView : public KindView {
    Q_OBJECT

public:
    explicit GutView(TgutForm& fenster);
    GutView(TgutForm& fenster, QWidget* inhalt, const GutAnordnung& anordnung);

    QLabel* mengeLabel() const { return menge_; }
    KlickLabel* maxMengeLabel() const { return maxMenge_; }
    QPushButton* groesseKnopf() const { return groesse_; }
    DrueckKnopf* kaufenKnopf() const { return kaufen_; }
    DrueckKnopf* verkaufenKnopf() const { return verkaufen_; }

protected:
    void inhaltAuffrischen() override;
    // A mouse button went down on a trade button (the silos trade on the
    // right one).
    virtual void handelsKnopfGedrueckt(bool /*kaufen*/, Qt::MouseButton /*taste*/) {}

private:
    void mengeEinpassen();
    void preiseZeigen();

    TgutForm& form_;
    QLabel* menge_;
    KlickLabel* maxMenge_;
    QPushButton* groesse_;
    DrueckKnopf* kaufen_;
    DrueckKnopf* verkaufen_;
};

// The purchase dialog: a small tool window beside the mouse pointer with
// three weight buttons, small to large, each over the weight and the price
// span of the animal it buys, and below them "Anzahl": how many to buy. A
// weight button chooses and closes; Escape and the close box close without
// a choice.
#pragma once

#include <QDialog>

#include <array>

#include "rahmen/plattform.h"

class QLabel;
class QPushButton;
class QSpinBox;
class TTierKaufForm;

class TierKaufDialog : public QDialog {
    Q_OBJECT

public:
    TierKaufDialog(TTierKaufForm& form, QWidget* eltern);

    // Runs the show handler, places the dialog where it says (kept on the
    // screen), and shows it modally until a weight is chosen or it is
    // cancelled.
    ModalErgebnis ausfuehren();

    // The weight buttons, small, medium, large.
    QPushButton* knopf(int klasse) const { return knoepfe_.at(static_cast<std::size_t>(klasse - 1)); }
    // What a class offers: its weight and the prices its purchase can book.
    QLabel* angebot(int klasse) const { return angebote_.at(static_cast<std::size_t>(klasse - 1)); }
    // How many animals of the class the weight button buys (1 at every
    // opening).
    QSpinBox* anzahl() const { return anzahl_; }

private:
    void gewaehlt(int klasse);
    void angeboteAuffrischen();

    TTierKaufForm& form_;
    std::array<QPushButton*, 3> knoepfe_{};
    std::array<QLabel*, 3> angebote_{};
    QSpinBox* anzahl_;
};

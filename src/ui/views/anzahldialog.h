// The quantity dialog: a small tool window under the mouse pointer with one
// edit box, "OK" (Enter) and "Abbruch" (Escape). Below them, while the
// player types: today's unit price, the room left in the store (the stock,
// when selling) and the amount the typed quantity would book.
#pragma once

#include <QDialog>

#include "rahmen/plattform.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TAnzahlForm;

class AnzahlDialog : public QDialog {
    Q_OBJECT

public:
    AnzahlDialog(TAnzahlForm& form, QWidget* eltern);

    // Runs the show handler, places the dialog where it says, and shows it
    // modally until the game lets it close.
    ModalErgebnis ausfuehren();

    QLineEdit* eingabe() const { return edit1_; }
    QPushButton* okKnopf() const { return ok_; }
    QPushButton* abbruchKnopf() const { return abbruch_; }
    // The three lines below the buttons: price, room (or stock), amount.
    QLabel* preisZeile() const { return werte_[0]; }
    QLabel* platzZeile() const { return werte_[1]; }
    QLabel* betragZeile() const { return werte_[2]; }

    // Every way of closing asks the game first; OK with a text that is no
    // whole number leaves the dialog open, without a word.
    void done(int ergebnis) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void vorschauZeigen();

    TAnzahlForm& form_;
    QLabel* namen_[3];
    QLabel* werte_[3];
    QLineEdit* edit1_;
    QPushButton* ok_;
    QPushButton* abbruch_;
};

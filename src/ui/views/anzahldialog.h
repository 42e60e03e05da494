// The quantity dialog: a small tool window under the mouse pointer with one
// edit box, "OK" (Enter) and "Abbruch" (Escape).
#pragma once

#include <QDialog>

#include "app/plattform.h"

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

    // Every way of closing asks the game first; OK with a text that is no
    // whole number leaves the dialog open, without a word.
    void done(int ergebnis) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    TAnzahlForm& form_;
    QLineEdit* edit1_;
    QPushButton* ok_;
    QPushButton* abbruch_;
};

#include "livestock/tierkaufform.h"

#include "app/plattform.h"

TTierKaufForm* TierKaufForm = nullptr;

TTierKaufForm::TTierKaufForm() : TDialog("Bitte wählen") {
    BitBtn1.hint = "Gewichtsklasse Klein";
    BitBtn2.hint = "Gewichtsklasse Mittel";
    BitBtn3.hint = "Gewichtsklasse Groß";
    for (Button* b : {&BitBtn1, &BitBtn2, &BitBtn3}) b->showHint = true;
    Button1.caption = "Abbrechen";
    Button1.visible = false;
}

void TTierKaufForm::FormShow() {
    gewichtsklasse = 0;
    anzahl = 1;
    const Punkt maus = plattform().mausPosition();
    left = maus.x - 40;
    top = maus.y - 70;
}

void TTierKaufForm::ButtonClick(int32_t klasse) {
    if (klasse < 1 || klasse > 3) return;
    gewichtsklasse = klasse;
    // Closing by a weight button ends the dialog as cancelled too; only
    // gewichtsklasse tells what was chosen.
    modalResult = ModalErgebnis::Abbruch;
}

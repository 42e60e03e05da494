#include "livestock/tierkaufform.h"

#include "geld/geldtext.h"
#include "rahmen/plattform.h"

TTierKaufForm* TierKaufForm = nullptr;

namespace {
// Whole units of a value in hundredths, rounded down or up.
int64_t ganzAb(int64_t v) { return v >= 0 ? v / 100 : -((-v + 99) / 100); }
int64_t ganzAuf(int64_t v) { return -ganzAb(-v); }

}  // namespace

std::string TTierKaufForm::gewichtText(int32_t klasse) const {
    if (!angebote || klasse < 1 || klasse > 3) return {};
    const int32_t w = (*angebote)[static_cast<std::size_t>(klasse)].gewicht;  // tenths of a kg
    // A hen's weight needs its tenth; a cow's whole kilograms are enough.
    if (w < 100)
        return "etwa " + std::to_string(w / 10) + dezimalTrenner + std::to_string(w % 10) + " kg";
    return "etwa " + std::to_string((w + 5) / 10) + " kg";
}

std::string TTierKaufForm::preisText(int32_t klasse) const {
    if (!angebote || klasse < 1 || klasse > 3) return {};
    const Kaufangebot& a = (*angebote)[static_cast<std::size_t>(klasse)];
    // Below 100 EUR the cents matter; above, whole euros, the span taken
    // outwards so that every amount the purchase books lies inside it.
    if (a.preisBis < 10000 && a.preisVon > -10000)
        return geldZahl(a.preisVon) + "–" + geldZahl(a.preisBis) + " EUR";
    return std::to_string(ganzAb(a.preisVon)) + "–" + std::to_string(ganzAuf(a.preisBis)) + " EUR";
}

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

void TTierKaufForm::beschreiben(Beschreiber& b) const {
    TDialog::beschreiben(b);
    b.wert("left", left);
    b.wert("top", top);
    b.knopf("BitBtn1", BitBtn1);
    b.knopf("BitBtn2", BitBtn2);
    b.knopf("BitBtn3", BitBtn3);
    b.wert("gewichtsklasse", gewichtsklasse);
}

#include "goods/siloform.h"

#include <cstdlib>

#include "rahmen/beschreibung.h"

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0) return -1;
    const int64_t p = int64_t{a} * b;
    const int64_t betrag = (std::llabs(p) * 2 + std::llabs(int64_t{c})) / (std::llabs(int64_t{c}) * 2);
    const bool negativ = (p < 0) != (c < 0);
    const int64_t r = negativ ? -betrag : betrag;
    if (r > INT32_MAX || r < INT32_MIN) return -1;
    return static_cast<int32_t>(r);
}

TSiloForm::TSiloForm(const Lagerart& a) : TgutForm(a.name, a.caption), art(a) {
    VKaufenButton.hint = "Klick mit Rechts: Verkaufe alles";
    VKaufenButton.showHint = true;
}

void TSiloForm::neu() {
    TgutForm::neu();
    gutNr = *art.gut;
    farbe = art.farbe;
    setzeMaxMenge(art.kapazitaet);
    setzeMenge(art.bestand);
}

void TSiloForm::platz() {
    TgutForm::platz();
    breiteGross = 290;
    left = art.left;
    top = art.top;
}

void TSiloForm::beschreiben(Beschreiber& b) {
    TgutForm::beschreiben(b);
    b.farbe("farbe", farbe);
    // What the picture shows: the filled pixel rows of the body (none drawn
    // when the capacity is 0 or the stock exceeds it).
    b.wert("fuellZeilen", maxmenge == 0 || menge > maxmenge ? 0 : fuellZeilen());
}

bool TSiloForm::setzeMenge(int32_t v) {
    const bool ok = TgutForm::setzeMenge(v);
    neuZeichnen();  // the picture follows every attempt
    return ok;
}

void TSiloForm::setzeMaxMenge(int32_t v) {
    TgutForm::setzeMaxMenge(v);
    neuZeichnen();
}

int32_t TSiloForm::fuellZeilen() const { return MulDiv(menge, 60, maxmenge); }

void TSiloForm::zeichneFuellstand(Canvas& c) const {
    if (maxmenge == 0 || menge > maxmenge) return;
    c.setzeStift({0, 0, 0});
    c.linie(20, 70, 10, 80);
    c.linie(40, 70, 50, 80);
    c.setzePinsel(c.knopfFarbe());
    c.rechteck(10, 10, 50, 70);
    c.setzePinsel(farbe);
    c.rechteck(10, 70 - fuellZeilen(), 50, 70);
}

void TSiloForm::KVButtonMouseDown(const Button& sender, bool rechts) {
    if (!rechts) return;
    const int64_t n = &sender == &KaufenButton ? int64_t{menge} - maxmenge : int64_t{menge};
    // A refusal shows nothing here; only an amount beyond the account is told.
    handeln(n);
}

#include "goods/siloform.h"

#include <cstdlib>

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0) return -1;
    const int64_t p = int64_t{a} * b;
    const int64_t betrag = (std::llabs(p) * 2 + std::llabs(int64_t{c})) / (std::llabs(int64_t{c}) * 2);
    const bool negativ = (p < 0) != (c < 0);
    const int64_t r = negativ ? -betrag : betrag;
    if (r > INT32_MAX || r < INT32_MIN) return -1;
    return static_cast<int32_t>(r);
}

TSiloForm::TSiloForm(std::string name, std::string cap) : TgutForm(std::move(name), std::move(cap)) {
    VKaufenButton.hint = "Klick mit Rechts: Verkaufe alles";
    VKaufenButton.showHint = true;
}

void TSiloForm::neu() {
    TgutForm::neu();
    farbe = {0, 128, 0};
}

void TSiloForm::platz() {
    TgutForm::platz();
    breiteGross = 290;
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

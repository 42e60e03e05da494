// The purchase dialog's labels, made from the herd that buys: beside the
// dialog's own source, so that the dialog and the herd window, which opens
// it, do not include each other.
#include <string>

#include "app/geldtext.h"
#include "livestock/tierform.h"
#include "livestock/tierkaufform.h"

namespace {
// Whole units of a value in hundredths, rounded down or up.
int64_t ganzAb(int64_t v) { return v >= 0 ? v / 100 : -((-v + 99) / 100); }
int64_t ganzAuf(int64_t v) { return -ganzAb(-v); }

}  // namespace

std::string TTierKaufForm::gewichtText(int32_t klasse) const {
    if (!herde || klasse < 1 || klasse > 3) return {};
    const int32_t w = herde->kaufAngebot(klasse).gewicht;  // tenths of a kg
    // A hen's weight needs its tenth; a cow's whole kilograms are enough.
    if (w < 100)
        return "etwa " + std::to_string(w / 10) + dezimalTrenner + std::to_string(w % 10) + " kg";
    return "etwa " + std::to_string((w + 5) / 10) + " kg";
}

std::string TTierKaufForm::preisText(int32_t klasse) const {
    if (!herde || klasse < 1 || klasse > 3) return {};
    const TtierForm::Kaufangebot a = herde->kaufAngebot(klasse);
    // Below 100 EUR the cents matter; above, whole euros, the span taken
    // outwards so that every amount the purchase books lies inside it.
    if (a.preisBis < 10000 && a.preisVon > -10000)
        return geldZahl(a.preisVon) + "–" + geldZahl(a.preisBis) + " EUR";
    return std::to_string(ganzAb(a.preisVon)) + "–" + std::to_string(ganzAuf(a.preisBis)) + " EUR";
}

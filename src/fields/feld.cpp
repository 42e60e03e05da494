#include "fields/feld.h"

#include <algorithm>
#include <limits>

#include "geld/geldtext.h"
#include "geld/kontrollform.h"
#include "geld/zahlen.h"
#include "geld/zufall.h"


const std::array<const char*, 5> bewuchsNamen = {"kein", "Gerste", "Weizen", "Rüben", "Gras"};
const std::array<int32_t, 5> ertrag = {0, 77, 82, 106, 470};
const std::array<int32_t, 5> reifAb = {0, 286, 286, 331, 286};
const std::array<const char*, 3> eingehMeldungen = {
    "", "Wegen der Kälte sind alle Pflanzen auf Feld \"%s\" eingegangen.",
    "Auf Feld \"%s\" waren alle Pflanzen überreif und sind eingegangen."};

namespace {
bool in(int32_t v, int32_t von, int32_t bis) { return v >= von && v <= bis; }

// A hand-edited score near the 32-bit limits stays there instead of wrapping.
int32_t plus(int32_t v, int32_t d) { return gesaettigt(v, d); }

// What one month does to a crop: it dies (grund 1 frost, 2 over-ripeness) or
// its score changes by aenderung.
struct Monat {
    int32_t grund = 0;
    int32_t aenderung = 0;
};

Monat monat(int32_t was, int32_t wachs, int32_t t) {
    const Monat frost{1, 0};
    const Monat ueberreif{2, 0};
    auto um = [](int32_t d) { return Monat{0, d}; };
    if ((was == gerste || was == weizen || was == rueben) && in(wachs, ueberreifAb, 999)) return ueberreif;
    if (t < -99 || t > 99) return {};
    switch (was) {
        case gerste:
            if (in(wachs, keimtAb, waechstAb - 1)) {
                if (t <= 3) return frost;
                if (t <= 10) return {};
                return um(30);
            }
            if (in(wachs, waechstAb, ueberreifAb - 1)) {
                if (t <= 7) return frost;
                if (t <= 12) return um(-7);
                if (t <= 17) return um(28);
                return um(37);
            }
            return {};
        case weizen:
        case rueben: {
            const bool r = was == rueben;
            if (in(wachs, keimtAb, waechstAb - 1)) {
                if (t <= (r ? -22 : -18)) return frost;
                if (t <= 2) return {};
                if (t <= 5) return um(r ? 6 : 16);
                return um(r ? 17 : 20);
            }
            if (in(wachs, waechstAb, ueberreifAb - 1)) {
                if (t <= 1) return frost;
                if (t <= 12) return um(-17);
                if (t <= 17) return um(30);
                return um(42);
            }
            return {};
        }
        case gras:
            if (in(wachs, grasKeimtAb, waechstAb - 1)) {
                if (t <= -7) return frost;
                if (t <= 0) return um(7);
                return um(52);
            }
            if (in(wachs, waechstAb, 311)) {
                if (t <= -7) return frost;
                if (t <= -1) return um(-1);
                return um(39);
            }
            return {};
        default:
            return {};
    }
}

std::string mitName(const char* text, const std::string& name) {
    std::string s = text;
    const auto p = s.find("%s");
    if (p != std::string::npos) s.replace(p, 2, name);
    return s;
}
}  // namespace

void TFeld::ini(const std::string& n, int32_t f, std::initializer_list<int32_t> punkte) {
    auto it = punkte.begin();
    while (it != punkte.end() && *it >= 0 && eckenZahl < static_cast<int32_t>(ecken.size())) {
        const int32_t x = *it++;
        if (it == punkte.end()) break;
        ecken[static_cast<std::size_t>(eckenZahl)] = {x, *it++};
        ++eckenZahl;
    }
    name = n;
    flaeche = f;
}

bool TFeld::enthaelt(Punkt p) const {
    // Crossings of a ray to the left of the point. An edge holds its upper end
    // but not its lower one, and a crossing exactly at the point counts: so a
    // point on a left or top edge is inside, on a right or bottom edge outside.
    bool drin = false;
    for (int32_t i = 0; i < eckenZahl; ++i) {
        Punkt a = ecken[static_cast<std::size_t>(i)];
        Punkt b = ecken[static_cast<std::size_t>((i + 1) % eckenZahl)];
        if (a.y == b.y) continue;
        if (b.y < a.y) std::swap(a, b);
        if (p.y < a.y || p.y >= b.y) continue;
        // The edge's x at the point's row, in the same floating arithmetic as
        // the face's polygons, so that map and hit test agree to the pixel.
        const double x = a.x + (static_cast<double>(b.x - a.x) / (b.y - a.y)) * (p.y - a.y);
        if (x <= p.x) drin = !drin;
    }
    return drin;
}

void TFeld::weiter() {
    if (was < 0) return;
    const Monat m = monat(was, wachs, KontrollForm->temperatur);
    if (m.grund != 0) eingehen(m.grund);
    else wachs = plus(wachs, m.aenderung);
    if (treibt(wachs)) wachs = plus(wachs, Random(2 * drift + 1) - drift);
}

TFeld::Feldausblick TFeld::ausblick(int32_t t) const {
    Feldausblick a;
    if (was < 0) {
        a.wachs = {wachs, wachs};
        return a;
    }
    const Monat m = monat(was, wachs, t);
    a.grund = m.grund;
    const int32_t w = m.grund != 0 ? nachDemEingehen : plus(wachs, m.aenderung);
    a.wachs = treibt(w) ? Spanne{plus(w, -drift), plus(w, drift)} : Spanne{w, w};
    return a;
}

bool TFeld::treibt(int32_t w) { return !in(w, ruheVon, ruheBis); }

void TFeld::eingehen(int32_t grund) {
    wachs = nachDemEingehen;
    was = kahl;
    plattform().spieleKlang("BOING");
    plattform().meldung(MeldungsArt::Warnung, mitName(eingehMeldungen[static_cast<std::size_t>(grund)], name),
                        Knoepfe::OK);
}

void TFeld::pfluegen() {
    was = kahl;
    if (in(wachs, -200, 30)) wachs += 3;
    else if (in(wachs, 31, 60)) wachs += 23;
    else if (in(wachs, 61, 99)) wachs -= 8;
    else if (in(wachs, 100, 700)) wachs = 2;
}

void TFeld::grubbern() {
    was = kahl;
    if (in(wachs, -200, 20)) wachs += 30;
    else if (in(wachs, 21, 50)) wachs += 13;
    else if (in(wachs, 51, 99)) wachs -= 3;
    else if (in(wachs, 100, 700)) wachs = 2;
}

void TFeld::duengen() {
    if (!in(wachs, 88, 99)) wachs = plus(wachs, 10);
}

void TFeld::drillen(int32_t saat) {
    // Seed on a standing crop leaves the new one outside every growth band.
    wachs = was == kahl ? plus(wachs, 100) : 0;
    was = saat;
}

void TFeld::ernten() {
    if (was == gras) {
        wachs = 100;  // the meadow grows again
    } else {
        was = kahl;
        wachs = nachDemEingehen;
    }
}

int64_t TFeld::ernteMenge() const {
    // Nothing sown brings nothing, however far fertiliser pushed the score.
    if (was < gerste || was > gras || wachs < ertragAb) return 0;
    return (int64_t{wachs} - (ertragAb - 1)) * flaeche * ertrag[static_cast<std::size_t>(was)] / 100;
}

Farbe TFeld::stift() const { return was < 0 ? Farbe{255, 255, 255} : Farbe{255, 0, 0}; }

std::string TFeld::zustandText() const {
    // The words of the work dialog and the map's hint, so that a screen
    // reader hears what a sighted player reads.
    if (was < kahl) return "nicht gepachtet";
    if (was == kahl) return "gepachtet, leer, " + zustand();
    if (was > gras) return "gepachtet";
    return std::string("gepachtet, ") + bewuchsNamen[static_cast<std::size_t>(was)] + ", " + zustand();
}

Farbe TFeld::pinsel() const {
    const int32_t w = wachs;
    if (was < 0 || w <= 0) return {7, 7, 0};  // below -99 as at -99
    auto k = [](int32_t v) { return static_cast<uint8_t>(v); };
    switch (was) {
        case gerste:
        case weizen:
            if (w >= 351) return {170, 170, 0};  // above 999 as at 999
            if (w >= reifAb[gerste]) return {255, 255, 0};
            if (w >= 230) return {k(30 + 4 * (w - 230)), 255, 0};
            break;
        case rueben:
            if (w >= reifAb[rueben]) return {4, 50, 2};
            if (w >= 230) return {10, k(255 - 2 * (w - 230)), 0};
            break;
        case gras:
            if (w >= reifAb[gras]) return {0, 153, 0};
            if (w >= 230) return {30, k(100 + w / 2), 0};
            break;
        default:
            break;
    }
    if (w <= 99) return {k(w + 4), k(w + 4), 0};
    if (w <= 179) return {22, 113, 0};
    // A bare field fertilised above 229 keeps the colour of 229.
    return {16, k(120 + 2 * (std::min(w, 229) - 180)), 0};
}

int32_t wachsNachMonat(int32_t was, int32_t wachs, int32_t t) {
    const Monat m = monat(was, wachs, t);
    return m.grund != 0 ? TFeld::nachDemEingehen : plus(wachs, m.aenderung);
}

std::string TFeld::zustand() const {
    if (was < kahl) return "nicht gepachtet";
    if (was == kahl) {
        // Drilling adds 100 to the preparation: below 0 the crop would lie
        // under its first growth band and never grow. Ploughing and
        // cultivating change their effect at 30 and 60, fertiliser stops at 88.
        if (wachs < 0) return "unbearbeitet";
        if (wachs <= 30) return "kaum vorbereitet";
        if (wachs <= 60) return "halb vorbereitet";
        if (wachs < 88) return "gut vorbereitet";
        return "saatfertig";
    }
    if (was > gras) return {};
    if (wachs < (was == gras ? grasKeimtAb : keimtAb)) return "wächst nicht";
    if (wachs < waechstAb) return "keimt";
    if (was != gras && wachs >= ueberreifAb) return "überreif";
    if (wachs >= reifAb[static_cast<std::size_t>(was)]) return "erntereif";
    return "wächst";
}

std::string TFeld::wertText() const {
    std::string s = "Wert " + std::to_string(wachs);
    if (was == kahl) s += " (saatfähig ab 0)";
    if (was > kahl && was <= gras) s += " (Ertrag ab " + std::to_string(ertragAb) + ")";
    return s;
}

std::string TFeld::zustandMitWert() const { return zustand() + ", " + wertText(); }

std::string TFeld::beschreibung() const {
    const int64_t pacht = -int64_t{pachtJeHektar} * flaeche;
    const std::string miete =
        geldTextWeit(pacht);
    std::string s = name + ": " + std::to_string(flaeche) + " ha, Pacht " + miete + " im Monat";
    if (was < kahl) return s + "\nnicht gepachtet, klicken zum Pachten";
    if (was == kahl) return s + "\nkein Bewuchs, " + zustandMitWert();
    if (was > gras) return s;
    return s + "\n" + bewuchsNamen[static_cast<std::size_t>(was)] + ": " + zustandMitWert();
}

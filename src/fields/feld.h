// One field of the farm: its outline on the map, its crop and the one score
// that carries both the soil preparation of a bare field and the growth of
// its crop.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "rahmen/canvas.h"
#include "rahmen/plattform.h"
#include "geld/zufall.h"

// Crop codes: -1 not leased, 0 leased and bare, 1 barley, 2 wheat, 3 beets, 4 grass.
constexpr int32_t nichtGepachtet = -1;
constexpr int32_t kahl = 0;
constexpr int32_t gerste = 1;
constexpr int32_t weizen = 2;
constexpr int32_t rueben = 3;
constexpr int32_t gras = 4;

// The rent of a leased field, in cents a month per hectare, as booked.
constexpr int32_t pachtJeHektar = -1462;

// Crop names by code 0..4.
extern const std::array<const char*, 5> bewuchsNamen;
// Yield factors by code 1..4 (entry 0 unused): DZentner of grain or beets, kg
// of feed for grass, per hectare and point of score above 250, in hundredths.
extern const std::array<int32_t, 5> ertrag;
// Why a crop died, by reason 1 (frost) and 2 (over-ripeness); %s is the name.
extern const std::array<const char*, 3> eingehMeldungen;

// Edges of a crop's score: its first and second growth band of the month
// step (grass has its first from 70), the first score a harvest yields
// anything at, and over-ripeness, of which barley, wheat and beets die in
// the next month step.
constexpr int32_t keimtAb = 100;
constexpr int32_t grasKeimtAb = 70;
constexpr int32_t waechstAb = 200;
constexpr int32_t ertragAb = 251;
constexpr int32_t ueberreifAb = 350;
// From which score the map shows a crop ripe, by code 1..4 (entry 0 unused):
// the colour of ripeness stops changing there.
extern const std::array<int32_t, 5> reifAb;

// A crop's score after one month of temperature t by the growth rules of the
// month step, without its random drift: -10 when the crop dies (frost or
// over-ripeness). Draws nothing; for charts of a season.
int32_t wachsNachMonat(int32_t was, int32_t wachs, int32_t t);

// The works of the field work dialog, in the order of its radio group.
enum class Arbeit : int32_t { pfluegen = 0, grubbern = 1, duengen = 2, drillen = 3, ernten = 4 };

class TFeld {
public:
    std::array<Punkt, 9> ecken{};
    int32_t eckenZahl = 0;
    int32_t wachs = 0;
    int32_t was = 0;
    int32_t flaeche = 0;
    std::string name;

    // punkte: x1, y1, x2, y2, … ended by a negative x; at most nine corners.
    void ini(const std::string& n, int32_t f, std::initializer_list<int32_t> punkte);
    // Whether the outline holds the point, by the even-odd rule: a point on a
    // left or top edge is inside, one on a right or bottom edge outside.
    bool enthaelt(Punkt p) const;

    // The monthly step with the temperature of the month that ends.
    void weiter();
    // The same step foretold at temperature t, drawing nothing: whether the
    // crop dies (1 frost, 2 over-ripeness, 0 not) and the score it can have
    // after the drift.
    struct Feldausblick {
        int32_t grund = 0;
        Spanne wachs;
    };
    Feldausblick ausblick(int32_t t) const;
    // Scores outside the calm band drift by up to drift a month.
    static constexpr int32_t ruheVon = 90;
    static constexpr int32_t ruheBis = 110;
    static constexpr int32_t drift = 2;
    static bool treibt(int32_t w);
    // The score of a bare field after its crop died or was harvested.
    static constexpr int32_t nachDemEingehen = -10;

    // The works' effects on crop and score, once the dialog's checks passed.
    // drillen takes the crop code 1..4 of the seed.
    void pfluegen();
    void grubbern();
    void duengen();
    void drillen(int32_t saat);
    void ernten();
    // What a harvest would bring now; 0 for a bare field. 64 bits, because a
    // hand-edited score makes the product leave 32 bits.
    int64_t ernteMenge() const;

    // The state in words, from the edges above, so that words, yield and
    // colours agree: for a crop "keimt", "wächst", "erntereif", "überreif"
    // (or "wächst nicht" below its first band); for a bare field how far
    // its soil is prepared for drilling.
    std::string zustand() const;
    // The score and, for a crop, from which score a harvest yields anything
    // (for a bare field, from which a sowing grows):
    // "Wert 243 (Ertrag ab 251)"; with the state before it, "wächst, Wert 243
    // (Ertrag ab 251)".
    std::string wertText() const;
    std::string zustandMitWert() const;
    // What the map tells of the field under the pointer: name, area, monthly
    // rent, crop and state. Reads only.
    std::string beschreibung() const;

    // The colours the map draws the field with.
    Farbe stift() const;
    Farbe pinsel() const;
    // The field's lease, crop and state in the words above: "nicht
    // gepachtet", "gepachtet, Gerste, erntereif", … (for a screen reader).
    std::string zustandText() const;

private:
    void eingehen(int32_t grund);
};

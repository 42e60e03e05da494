// The fields where a scripted game cannot reach: the monthly table at every
// edge of band and temperature, and the hit test on the map.
#include <gtest/gtest.h>

#include "geld/kontrollform.h"
#include "geld/zufall.h"
#include "rahmen/mainform.h"
#include "fields/feldaktionform.h"
#include "fields/felderform.h"
#include "pixelcanvas.h"
#include "spielumgebung.h"

namespace {
constexpr int32_t frost = 1000;      // dies of frost
constexpr int32_t ueberreif = 2000;  // dies of over-ripeness

struct Monat {
    int32_t was, wachs, t, folge;  // folge: the change of wachs, or how the crop dies
};

// Every edge of the monthly table: band ends and temperature ends, for
// every crop, and the values that lie outside every band.
const Monat monate[] = {
    // barley
    {1, 100, 3, frost}, {1, 199, 4, 0}, {1, 150, 10, 0}, {1, 150, 11, 30}, {1, 199, 99, 30},
    {1, 150, -99, frost}, {1, 150, -100, 0}, {1, 150, 100, 0},
    {1, 200, 7, frost}, {1, 349, 8, -7}, {1, 250, 12, -7}, {1, 250, 13, 28}, {1, 250, 17, 28}, {1, 349, 18, 37},
    {1, 350, -50, ueberreif}, {1, 999, 20, ueberreif}, {1, 350, 120, ueberreif}, {1, 1000, 20, 0}, {1, 99, 20, 0},
    // wheat
    {2, 100, -18, frost}, {2, 100, -17, 0}, {2, 199, 2, 0}, {2, 150, 3, 16}, {2, 150, 5, 16}, {2, 150, 6, 20},
    {2, 200, 1, frost}, {2, 200, 2, -17}, {2, 300, 12, -17}, {2, 300, 13, 30}, {2, 300, 17, 30}, {2, 349, 18, 42},
    {2, 350, 0, ueberreif}, {2, 99, 20, 0},
    // beets
    {3, 100, -22, frost}, {3, 100, -21, 0}, {3, 150, 2, 0}, {3, 150, 3, 6}, {3, 150, 5, 6}, {3, 150, 6, 17},
    {3, 200, 1, frost}, {3, 200, 2, -17}, {3, 349, 13, 30}, {3, 349, 18, 42}, {3, 999, 5, ueberreif},
    // grass: its first band starts at 70, it stops above 311 and never rots
    {4, 70, -7, frost}, {4, 69, 20, 0}, {4, 70, -6, 7}, {4, 199, 0, 7}, {4, 199, 1, 52},
    {4, 200, -7, frost}, {4, 200, -6, -1}, {4, 311, -1, -1}, {4, 311, 0, 39}, {4, 312, 20, 0}, {4, 400, 20, 0},
    // nothing sown: nothing grows; the drift spares 90..110 and draws nothing there
    {0, 150, 20, 0}, {0, 50, -20, 0}, {0, 89, 20, 0}, {0, 90, 20, 0}, {0, 110, 20, 0}, {0, 111, 20, 0},
    {1, 95, 20, 0}, {2, 100, 0, 0},
    // not leased: no growth, no drift, no draw
    {-1, 150, 20, 0}, {-1, 0, 20, 0},
};
}  // namespace

TEST(Felder, MonatsTabelleAnIhrenKanten) {
    Spielumgebung u;
    u.starten();
    TFeld& f = *FelderForm->felder[1];
    for (const Monat& m : monate) {
        SCOPED_TRACE("was " + std::to_string(m.was) + ", wachs " + std::to_string(m.wachs) + ", t " +
                     std::to_string(m.t));
        f.was = m.was;
        f.wachs = m.wachs;
        KontrollForm->temperatur = m.t;
        u.plattform.leeren();
        // The drift this step will draw, when it draws one.
        const uint32_t seed = randSeed;
        const int32_t drift = Random(5) - 2;
        randSeed = seed;
        // The season chart's month, without drift and without a draw.
        const int32_t ohneDrift = wachsNachMonat(m.was, m.wachs, m.t);
        EXPECT_EQ(randSeed, seed);

        f.weiter();
        EXPECT_EQ(ohneDrift, m.folge >= frost ? -10 : m.wachs + m.folge);
        if (m.folge == frost || m.folge == ueberreif) {
            EXPECT_EQ(f.was, 0);
            EXPECT_EQ(f.wachs, -10 + drift);
            const std::string text = m.folge == frost
                                         ? "Wegen der Kälte sind alle Pflanzen auf Feld \"Thomasbach\" eingegangen."
                                         : "Auf Feld \"Thomasbach\" waren alle Pflanzen überreif und sind eingegangen.";
            EXPECT_EQ(u.plattform.leeren(), (std::vector<std::string>{"klang\tBOING", "meldung\tWarnung\t" + text}));
        } else {
            EXPECT_EQ(f.was, m.was);
            const int32_t neu = m.wachs + m.folge;
            const bool ruhig = m.was < 0 || (neu >= 90 && neu <= 110);
            EXPECT_EQ(f.wachs, ruhig ? neu : neu + drift);
            EXPECT_EQ(randSeed == seed, ruhig);
            EXPECT_TRUE(u.plattform.leeren().empty());
        }
    }
}

// The words the player reads change exactly where the rules do: the growth
// bands of the month step, the first score a harvest yields at, the colour
// of ripeness and the death of over-ripeness.
TEST(Felder, ZustandsworteFolgenDenRegeln) {
    Spielumgebung u;
    u.starten();
    TFeld& f = *FelderForm->felder[1];
    const struct {
        int32_t was, wachs;
        const char* wort;
    } kanten[] = {
        {1, 99, "wächst nicht"}, {1, 100, "keimt"}, {1, 199, "keimt"}, {1, 200, "wächst"}, {1, 250, "wächst"},
        {1, 251, "wächst"}, {1, 285, "wächst"}, {1, 286, "erntereif"}, {1, 349, "erntereif"}, {1, 350, "überreif"},
        {3, 330, "wächst"}, {3, 331, "erntereif"}, {4, 69, "wächst nicht"}, {4, 70, "keimt"}, {4, 400, "erntereif"},
        {0, -1, "unbearbeitet"}, {0, 0, "kaum vorbereitet"}, {0, 31, "halb vorbereitet"}, {0, 61, "gut vorbereitet"},
        {0, 88, "saatfertig"}, {-1, 50, "nicht gepachtet"},
    };
    for (const auto& k : kanten) {
        SCOPED_TRACE("was " + std::to_string(k.was) + ", wachs " + std::to_string(k.wachs));
        f.was = k.was;
        f.wachs = k.wachs;
        const std::string wort = f.zustand();
        EXPECT_EQ(wort, k.wort);
        if (k.was < 1) continue;
        // Growing in a warm month means standing in a growth band.
        const bool waechst = wachsNachMonat(k.was, k.wachs, 15) != k.wachs;
        EXPECT_EQ(wort != "wächst nicht", waechst || wort == "erntereif");
        // Over-ripe is what dies in the next month whatever the weather.
        EXPECT_EQ(wort == "überreif", wachsNachMonat(k.was, k.wachs, 15) == -10);
        // A harvest yields from the edge the score line names.
        EXPECT_EQ(f.ernteMenge() > 0, k.wachs >= ertragAb);
    }
    // Ripe is where the map's colour of ripeness begins.
    f.was = gerste;
    f.wachs = reifAb[gerste];
    EXPECT_EQ(f.pinsel(), (Farbe{255, 255, 0}));
    f.wachs = reifAb[gerste] - 1;
    EXPECT_NE(f.pinsel(), (Farbe{255, 255, 0}));

    // The map's hint and the dialog's cost lines, read from the same field.
    f.was = gerste;
    f.wachs = 301;
    EXPECT_EQ(f.beschreibung(),
              "Thomasbach: 17 ha, Pacht 248,54 EUR im Monat\nGerste: erntereif, Wert 301 (Ertrag ab 251)");
    FeldAktionForm->feld = &f;
    EXPECT_EQ(FeldAktionForm->kostenText(0), "17 l Diesel");
    EXPECT_EQ(FeldAktionForm->kostenText(2), "17 l Diesel, 6,80 EUR Düngemittel");
    EXPECT_EQ(FeldAktionForm->kostenText(3), "17 l Diesel, 25,50 EUR Saatgut");
    EXPECT_EQ(FeldAktionForm->kostenText(4), "17 l Diesel, bringt 667 DZentner");
    // A field of a hand-edited save whose seed costs more than 32 bits hold.
    f.flaeche = 20000000;
    EXPECT_EQ(FeldAktionForm->kostenText(3), "20000000 l Diesel, 30000000,00 EUR Saatgut");
    EXPECT_EQ(FeldAktionForm->kostenKurz(3), "30000000,00 EUR");
    f.flaeche = 17;
    f.was = nichtGepachtet;
    EXPECT_EQ(f.beschreibung(), "Thomasbach: 17 ha, Pacht 248,54 EUR im Monat\nnicht gepachtet, klicken zum Pachten");
    FeldAktionForm->feld = nullptr;
}

TEST(Felder, Arbeiten) {
    Spielumgebung u;
    u.starten();
    TFeld& f = *FelderForm->felder[1];
    struct Fall {
        void (TFeld::*arbeit)();
        int32_t vorher, nachher;
    };
    const Fall faelle[] = {
        {&TFeld::pfluegen, -200, -197}, {&TFeld::pfluegen, 30, 33},  {&TFeld::pfluegen, 31, 54},
        {&TFeld::pfluegen, 60, 83},     {&TFeld::pfluegen, 61, 53},  {&TFeld::pfluegen, 99, 91},
        {&TFeld::pfluegen, 100, 2},     {&TFeld::pfluegen, 700, 2},  {&TFeld::pfluegen, 701, 701},
        {&TFeld::pfluegen, -201, -201}, {&TFeld::grubbern, -200, -170}, {&TFeld::grubbern, 20, 50},
        {&TFeld::grubbern, 21, 34},     {&TFeld::grubbern, 50, 63},  {&TFeld::grubbern, 51, 48},
        {&TFeld::grubbern, 99, 96},     {&TFeld::grubbern, 100, 2},  {&TFeld::grubbern, 700, 2},
        {&TFeld::grubbern, 701, 701},   {&TFeld::duengen, 87, 97},   {&TFeld::duengen, 88, 88},
        {&TFeld::duengen, 99, 99},      {&TFeld::duengen, 100, 110}, {&TFeld::duengen, INT32_MAX - 3, INT32_MAX},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(std::to_string(fall.vorher));
        f.was = 2;
        f.wachs = fall.vorher;
        (f.*fall.arbeit)();
        EXPECT_EQ(f.wachs, fall.nachher);
        // Ploughing and cultivating clear any crop; fertiliser leaves it.
        EXPECT_EQ(f.was, fall.arbeit == &TFeld::duengen ? 2 : 0);
    }
}

TEST(Felder, TrefferNachGeradeUndUngeradeRegel) {
    Spielumgebung u;
    u.starten();
    // A square: left and top edges inside, right and bottom edges outside.
    TFeld q;
    q.ini("Quadrat", 1, {10, 10, 20, 10, 20, 20, 10, 20, -1});
    EXPECT_TRUE(q.enthaelt({10, 10}));
    EXPECT_TRUE(q.enthaelt({10, 15}));
    EXPECT_TRUE(q.enthaelt({15, 10}));
    EXPECT_TRUE(q.enthaelt({19, 19}));
    EXPECT_FALSE(q.enthaelt({20, 15}));
    EXPECT_FALSE(q.enthaelt({15, 20}));
    EXPECT_FALSE(q.enthaelt({9, 15}));
    // A star drawn in one stroke: its middle is covered twice, so outside.
    TFeld s;
    s.ini("Stern", 1, {50, 0, 79, 90, 2, 35, 98, 35, 21, 90, -1});
    EXPECT_FALSE(s.enthaelt({50, 50}));
    EXPECT_TRUE(s.enthaelt({50, 10}));
    EXPECT_TRUE(s.enthaelt({20, 40}));

    // The map: a point well inside each field, and open ground.
    TPaintFelder& p = *paintFelder;
    const Punkt innen[] = {{430, 145}, {430, 280}, {95, 130}, {80, 230}, {220, 275}};
    for (std::size_t i = 0; i < 5; ++i) {
        p.mousemove(innen[i].x, innen[i].y);
        EXPECT_EQ(p.aktFeld, FelderForm->felder[i + 1].get()) << i + 1;
        EXPECT_EQ(p.cursor, Mauszeiger::hand);
        EXPECT_FALSE(p.showHint);
    }
    for (const Punkt aussen : {Punkt{0, 0}, Punkt{300, 150}, Punkt{510, 190}, Punkt{539, 379}}) {
        p.mousemove(aussen.x, aussen.y);
        EXPECT_EQ(p.aktFeld, nullptr);
        EXPECT_EQ(p.cursor, Mauszeiger::standard);
        EXPECT_TRUE(p.showHint);
        EXPECT_EQ(p.hint, "Klicken Sie auf ein Feld!");
    }
    // A click on open ground does nothing.
    u.plattform.leeren();
    p.Click();
    EXPECT_TRUE(u.plattform.leeren().empty());
}

TEST(Felder, FarbenAufDerKarte) {
    Spielumgebung u;
    u.starten();
    struct Fall {
        int32_t was, wachs;
        Farbe pinsel;
        const char* zustand;  // what a screen reader says of the field
    };
    // One field after another in slot 1, drawn with the others not leased.
    const Fall faelle[] = {
        {1, 240, {70, 255, 0}, "Gerste, wächst"},
        {1, 300, {255, 255, 0}, "Gerste, erntereif"},
        {4, 240, {30, 220, 0}, "Gras, wächst"},
        {0, 0, {7, 7, 0}, "leer, kaum vorbereitet"},
        {0, 50, {54, 54, 0}, "leer, halb vorbereitet"},
        {2, 351, {170, 170, 0}, "Weizen, überreif"},
        {3, 330, {10, 55, 0}, "Rüben, wächst"},
        {3, 331, {4, 50, 2}, "Rüben, erntereif"},
        {1, 180, {16, 120, 0}, "Gerste, keimt"},
        {1, 229, {16, 218, 0}, "Gerste, wächst"},
        {1, 179, {22, 113, 0}, "Gerste, keimt"},
        {0, 1, {5, 5, 0}, "leer, kaum vorbereitet"},
        {0, 99, {103, 103, 0}, "leer, saatfertig"},
        // Where the colour tables leave the brush open: the nearest value.
        {0, -100, {7, 7, 0}, "leer, unbearbeitet"},
        {0, 230, {16, 218, 0}, "leer, saatfertig"},
        {4, 5000, {0, 153, 0}, "Gras, erntereif"},
        {1, 1000, {170, 170, 0}, "Gerste, überreif"},
    };
    TFeld& f = *FelderForm->felder[1];
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(std::to_string(fall.was) + "/" + std::to_string(fall.wachs));
        f.was = fall.was;
        f.wachs = fall.wachs;
        PixelCanvas c(540, 380);
        paintFelder->paint(c);
        EXPECT_EQ(c.at(430, 145), fall.pinsel);
        EXPECT_EQ(f.zustandText(), std::string("gepachtet, ") + fall.zustand);
        EXPECT_EQ(c.at(369, 103), (Farbe{255, 0, 0})) << "leased: red outline";
        EXPECT_EQ(c.at(430, 280), (Farbe{7, 7, 0}));
        EXPECT_EQ(c.at(435, 189), (Farbe{255, 255, 255})) << "not leased: white outline";
        EXPECT_EQ(c.at(5, 5), PixelCanvas::hintergrund);
    }
}

TEST(Felder, ArbeitsDialog) {
    Spielumgebung u;
    u.starten();
    TFeldAktionForm& d = *FeldAktionForm;
    // The seed group shows only for drilling; its choice stays within one
    // showing and is back at "Sommergerste" at the next.
    u.plattform.dialogAntworten.push_back([&d](TDialog&) {
        EXPECT_EQ(d.ArbeitRG.itemIndex, 0);
        EXPECT_FALSE(d.SaatgutRG.visible);
        d.ArbeitRG.itemIndex = 3;
        d.ArbeitRGClick();
        EXPECT_TRUE(d.SaatgutRG.visible);
        d.SaatgutRG.itemIndex = 2;
        d.ArbeitRG.itemIndex = 4;
        d.ArbeitRGClick();
        EXPECT_FALSE(d.SaatgutRG.visible);
        EXPECT_EQ(d.SaatgutRG.itemIndex, 2);
        d.BitBtn3Click();
        return ModalErgebnis::Abbruch;
    });
    u.plattform.dialogAntworten.push_back([&d](TDialog&) {
        EXPECT_EQ(d.ArbeitRG.itemIndex, 0);
        EXPECT_EQ(d.SaatgutRG.itemIndex, 0);
        EXPECT_FALSE(d.SaatgutRG.visible);
        return ModalErgebnis::Abbruch;
    });
    TFeld& f = *FelderForm->felder[3];
    f.was = 0;
    FelderForm->aktion(f);
    FelderForm->aktion(f);
    EXPECT_EQ(u.plattform.hilfeAufrufe,
              (std::vector<std::string>{"kontext 102 " + MainForm->hilfeDatei}));
    EXPECT_EQ(d.NameLabel.caption, "Name: Glücksberg");
    EXPECT_EQ(d.FleacheLabel.caption, "Fläche: 21 ha");
    EXPECT_EQ(d.WasLabel.caption, "Bewuchs: kein");
}

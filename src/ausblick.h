// The outlook: what "Weiter" would do now, told before the player presses
// it. Each window foretells its own month beside its weiter, from the same
// rules; this file walks them in the month's own order (the child list from
// its last entry, the month's other costs first) and puts what they say
// into lines. Nothing here draws a number, books or changes a window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "rahmen/kindform.h"
#include "geld/zufall.h"
#include "fields/feld.h"
#include "livestock/tierform.h"

// One line of the outlook.
struct AusblickZeile {
    enum class Art { geld, futter, felder, herden };
    Art art = Art::geld;
    std::string text;
    // The window the line is about (its component name): a click on the
    // line activates it.
    std::string fenster;
    bool warnung = false;  // something is lost, or the balance may go below zero
    bool aufgabe = false;  // says what the player can still do this month
};

struct Monatsausblick {
    Spanne sonstigeKosten;
    int32_t pacht = 0;  // cents, as the rule asks; 0 when nothing is leased
    // What the month books of them: at the balance's 64-bit limits less
    // than the rule asks, as buchen holds it there. The lines tell these.
    Spanne sonstigeKostenGebucht;
    Spanne pachtGebucht;
    Spanne guthaben;    // the balance when the month has ended
    // The feed silo now, what the herds eat, and what is left after them;
    // the feed as if no disease struck.
    int64_t futterBestand = 0;
    int64_t futterBedarf = 0;
    int64_t futterDanach = 0;
    bool futterMangel = false;
    // The least feed that, bought now, lets no herd starve this month (as if
    // no disease struck); 0 when none is short or the silo cannot hold it.
    int64_t futterKaufen = 0;
    // Whether a disease may strike a herd before another eats: then which
    // herds starve is told for the month without it.
    bool seucheMoeglich = false;
    struct Herde {
        const TtierForm* herde = nullptr;
        TtierForm::Herdenausblick a;
        Spanne erloesGebucht;  // of a.erloes, what the month books
    };
    std::vector<Herde> herden;  // in the order of the month's walk
    struct Feld {
        const TFeld* feld = nullptr;
        TFeld::Feldausblick a;
        int64_t ernte = 0;      // what a harvest now would bring
        int64_t verlust = 0;    // of it, what its store cannot take
        bool rettbar = false;   // the crop dies, and a harvest now saves some of it
        // A harvest is possible now, and the next month may be too cold for
        // any work or may kill the crop: this month is the last chance.
        bool letzteGelegenheit = false;
        bool naechsterZuKalt = false;   // the next month may be too cold to work
        bool naechsterEingehen = false; // the crop may die in the next month
    };
    // The next month's temperature: its mean, give or take a degree.
    Spanne naechsteTemperatur;
    std::vector<Feld> felder;  // field 1 to 5
    std::vector<AusblickZeile> zeilen;
    // What the month would lose that the player can still save now: herds
    // that starve, crops that die and could be harvested. For "Weiter"'s
    // question in the face.
    std::vector<std::string> vermeidbar;
};

// The month "Weiter" would end now.
Monatsausblick monatsausblick();

// The window "Ausblick". It holds no game state: it shows monatsausblick()
// of the moment. It takes no part in the month's walk or the activation
// order, which it only reports.
class TAusblickForm : public TkindForm {
public:
    TAusblickForm();

    void platz() override;
    // Whether the window stands where a new game puts it, at that size:
    // the face may then give it the room the screen has.
    bool amAnfang() const;
    // The outer size a new game gives it.
    static Punkt anfangsGroesse();
    // The section is written only once the window has left the place a new
    // game gives it (or the file has the section already), so a farm that
    // never moved it keeps the save file of every earlier version.
    void speichern() override;
};

extern TAusblickForm* AusblickForm;

// The game's history in this run: the state before and after each of the
// player's steps, so that any step can be taken back ("Rückgängig") and done
// again ("Wiederherstellen") exactly, without a rule of its own being run
// backwards. A state is what the save file would hold plus what it does not:
// the random generator, the month's temperature, the statement's rows, the
// order in which the windows were last used, the logbook's running month.
// The windows' places and sizes are not part of it: a step taken back leaves
// them where the player has put them since.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hofbuch/hofbuch.h"
#include "rahmen/kindform.h"

struct Spielbild {
    // What the save file would hold now (the windows' places included,
    // which a step back leaves alone).
    std::string stand;
    uint32_t zufall = 0;
    int32_t temperatur = 0;
    bool futterMangel = false;
    // The child list by window names, the most recently used first.
    std::vector<std::string> reihenfolge;
    // Each window's own (in creation order).
    std::vector<Nebenbei> nebenbei;
    Hofbuch::Stand buch;

    // Whether the two are the same game: what the player sees only (places
    // and sizes, the animal shown, the order of the windows) aside.
    bool gleichesSpiel(const Spielbild& b) const;
    // Whether they are the same in everything.
    bool gleich(const Spielbild& b) const;
    // The save file's text without the windows' places.
    static std::string ohneLage(const std::string& stand);
    std::size_t groesse() const;
};

struct Schritt {
    // What the menu names: "Verkauf von 600 kg Futter".
    std::string name;
    std::shared_ptr<const Spielbild> vorher;
    std::shared_ptr<const Spielbild> nachher;
    // A month ended: the recovery point in force before it (none: there was
    // none of this run; the one the start found, or none, is in force).
    bool monat = false;
    std::optional<std::string> punktVorher;
};

class Spielverlauf {
public:
    // What is kept: every step of the running month and of the twelve
    // before it, and never more than hoechstensSchritte steps.
    static constexpr int32_t behalteneMonate = 12;
    static constexpr std::size_t hoechstensSchritte = 4000;

    // A step done: the steps undone before it are gone.
    void aufnehmen(Schritt s);
    void leeren();

    const Schritt* zurueck() const { return offen_ > 0 ? &schritte_[offen_ - 1] : nullptr; }
    const Schritt* wiederholen() const { return offen_ < schritte_.size() ? &schritte_[offen_] : nullptr; }
    void zurueckGegangen() { --offen_; }
    void wiederholt() { ++offen_; }

    std::size_t schritte() const { return schritte_.size(); }
    // How many steps were ever taken in this run.
    uint64_t aufgenommen() const { return aufgenommen_; }
    // The memory the states take (shared states counted once).
    std::size_t speicher() const;

private:
    void kuerzen();

    std::deque<Schritt> schritte_;
    std::size_t offen_ = 0;  // the steps done; those after it are undone
    uint64_t aufgenommen_ = 0;
};

// What a step did, from the state before and after it: "Verkauf von 600 kg
// Futter", "Monat März 2001", "Pacht von Feld 3".
std::string schrittName(const Spielbild& vorher, const Spielbild& nachher);

// The player's actions of the script language: one row per action word,
// with the shape of its arguments, the kind of window it needs and what it
// does to the game. A new window joins by adding its rows here.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "sim/skript.h"

class Lauf;
class TkindForm;

// A kind of game window an action can work on ("a store", "a herd window").
struct FensterArt {
    const char* beschreibung;
    bool (*passt)(const TkindForm&);
};

// One argument of an action.
struct Argument {
    enum class Art {
        Fenster,   // a window's component name, of the action's window kind
        Zahl,      // a whole number from min to max
        OptZahl,   // the same, may be left out at the end of the line
        Wahl,      // one of the words in woerter
        Texte,     // one or more texts, or the bare word abbruch (last)
    };
    Art art;
    const char* name;  // as in the usage line: NAME, ROW, X, …
    int64_t min = 0;
    int64_t max = 0;
    std::vector<std::string> woerter;
};

struct Aktion {
    std::string wort;
    std::vector<Argument> argumente;
    // The kind of window the NAME argument must be.
    const FensterArt* art = nullptr;
    // A window the action works on without naming it (the price list for
    // "preis", the field map for "feld"); must exist in the game.
    const char* festesFenster = nullptr;
    const FensterArt* festeArt = nullptr;
    // Further checks across arguments; returns what is wrong, or "".
    std::function<std::string(const Befehl&)> pruefen;
    std::function<void(Lauf&, const Befehl&)> ausfuehren;

    // "kaufen NAME TEXT...|abbruch"
    std::string gebrauch() const;
};

// The table; nullptr for an unknown word.
const Aktion* aktionFinden(const std::string& wort);
const std::vector<Aktion>& alleAktionen();

// Whether the window a line names exists in the running game and is of the
// right kind; returns what is wrong, or "".
std::string fensterPruefen(const Befehl& b, Lauf& lauf);

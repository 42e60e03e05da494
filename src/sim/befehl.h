// What the script language is made of: the actions with the shape of their
// arguments, and one checked line of a script.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Lauf;
class TkindForm;
struct Aktion;

// One checked line of the script, its arguments already converted.
struct Befehl {
    int zeile = 0;  // 1-based line number in the script
    const Aktion* aktion = nullptr;
    std::string fenster;              // the window the line names, if any
    std::vector<int32_t> zahlen;      // numbers, in the order of the line
    std::vector<int32_t> wahlen;      // the index of each choice word (ja = 0, nein = 1, …)
    std::vector<std::string> texte;   // texts to type into the quantity dialog
    bool abbruch = false;             // the bare word abbruch ended the texts

    int32_t zahl(std::size_t i) const { return zahlen.at(i); }
    int32_t wahl(std::size_t i) const { return wahlen.at(i); }
};

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


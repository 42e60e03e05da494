// The script language of trevo-sim: one player action per line, words
// separated by blanks, texts with blanks in double quotes. A script is read
// and checked whole before the game runs a single action of it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Aktion;

struct Wort {
    std::string text;
    bool zitiert = false;  // written in double quotes
};

// Splits one line into words. On a malformed line the words are incomplete
// and the reason is returned.
std::optional<std::string> zerlegen(std::string_view zeile, std::vector<Wort>& woerter);

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

struct SkriptFehler {
    int zeile = 0;
    std::string text;
    // "line N: what is wrong", the driver's one line on standard error.
    std::string meldung() const;
};

struct Skript {
    std::vector<Befehl> befehle;
    // The first line that could not be read, if any. Lines before it are in
    // befehle; the window checks still have to run on them.
    std::optional<SkriptFehler> fehler;
};

// Reads a whole script: splits it into lines, skips blank lines and
// comments, and checks every line's action and arguments against the
// action table. Whether the named windows exist is checked later, against
// the running game.
Skript skriptLesen(std::string_view text);

// Makes a word printable in an error message: control characters and
// backslashes escaped as in the transcript.
std::string zeigbar(std::string_view wort);

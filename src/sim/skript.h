// The script language of trevo-sim: one player action per line, words
// separated by blanks, texts with blanks in double quotes. A script is read
// and checked whole before the game runs a single action of it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/befehl.h"


struct Wort {
    std::string text;
    bool zitiert = false;  // written in double quotes
};

// Splits one line into words. On a malformed line the words are incomplete
// and the reason is returned.
std::optional<std::string> zerlegen(std::string_view zeile, std::vector<Wort>& woerter);

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
// the running game. The actions come from tabelle (the game's are in
// sim/aktionen.h, with a skriptLesen that takes them).
Skript skriptLesen(std::string_view text, const std::vector<Aktion>& tabelle);

// Makes a word printable in an error message: control characters and
// backslashes escaped as in the transcript.
std::string zeigbar(std::string_view wort);

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

// The table; nullptr for an unknown word.
const Aktion* aktionFinden(const std::string& wort);
const std::vector<Aktion>& alleAktionen();

// Whether the window a line names exists in the running game and is of the
// right kind; returns what is wrong, or "".
std::string fensterPruefen(const Befehl& b, Lauf& lauf);
// Reads a script against the game's actions.
Skript skriptLesen(std::string_view text);

// What travels with the game's text at the end of a file the game writes,
// and the fingerprint that tells one save file from another.
#pragma once

#include <string>
#include <vector>

// What travels with the game's text at the end of a file the game writes:
// the logbook's rows that are not yet in the book, and in a recovery point
// the save file its run began from. It is a section "[Nachtrag]" after the
// text whose first key, "laenge", says where the text ends; a file without
// one is the text alone. docs/savefile.md describes its keys.
struct Nachtrag {
    // The fingerprint of the save file the run began from; empty: none.
    std::string grundlage;
    // The logbook's rows, as the book writes them, without the line end.
    std::vector<std::string> zeilen;
};
// The text with its Nachtrag behind it; the text alone when there is nothing.
std::string mitNachtrag(std::string text, const Nachtrag& n);
// Cuts a Nachtrag off the end of bytes into n; false, and bytes as they
// were, where there is none.
bool nachtragAbtrennen(std::string& bytes, Nachtrag& n);
// A file's bytes as a short text that tells one file from another: the
// size and a 64-bit hash.
std::string fingerabdruck(const std::string& bytes);


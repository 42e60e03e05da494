// The recovery point. At the end of every month the game writes what the save
// file would hold after an orderly end at that moment to
// "TrevoSpielstand.wiederherstellen" beside it; the orderly end removes it
// again. Finding it at the start therefore means that the last run did not end
// in order (one game per directory holds the lock, so no running game owns it).
#pragma once

#include <cstdint>
#include <string>

#include "app/inidatei.h"

struct Wiederherstellungspunkt {
    enum class Art { keiner, gueltig, beschaedigt };
    Art art = Art::keiner;
    // For a valid point: its text and the date the game continues at, the
    // month after the last one completed.
    IniDatei ini;
    int32_t monat = 0;
    int32_t jahr = 0;
    // For a damaged one: why, in German.
    std::string grund;
};

extern const char* const wiederherstellungsName;

// The recovery file beside the save file at spielstandPfad.
std::string wiederherstellungsPfad(const std::string& spielstandPfad);

// Reads the point at pfad. A file that cannot be read whole, holds bytes no
// save file holds, or lacks a month, a year or a balance the game can use is
// damaged: it is no save file of ours, or not all of one.
Wiederherstellungspunkt wiederherstellungLesen(const std::string& pfad);

// The point is older than the save file: it belongs to a run whose orderly
// end had already saved (killed in between, or its removal never reached the
// disk), and the save file holds more.
bool wiederherstellungVeraltet(const std::string& pfad, const std::string& spielstandPfad);

// Replaces the point in one piece, as the save file is written; a symbolic
// link in its place is replaced, not followed.
bool wiederherstellungSchreiben(const std::string& pfad, const std::string& bytes, std::string& fehler);

// Removes the point (a file, or an empty directory in its place). False when
// something is still there.
bool wiederherstellungEntfernen(const std::string& pfad);

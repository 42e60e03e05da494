// The save file "TrevoSpielstand.bin": read once at start-up, changed in
// memory by every iniSchreiben, and replaced on disk in one piece at the
// orderly end, so that a crash or a full disk never leaves half a file.
#pragma once

#include <cstdint>
#include <string>

#include "app/inidatei.h"

// During start-up the program's directory (with its trailing separator), from
// the end of start-up on the full path of the save file.
extern std::string spielstandDatei;

class Spielstand {
public:
    // Reads the file at pfad; a missing or unreadable file is an empty game.
    void laden(const std::string& pfad);
    // Writes the text to the file through a temporary file beside it.
    // Returns false and leaves the old file untouched on any failure.
    bool sichern(std::string& fehler) const;
    const std::string& pfad() const { return pfad_; }
    IniDatei& ini() { return ini_; }

private:
    std::string pfad_;
    IniDatei ini_;
    bool nichtLesbar_ = false;
};

// The save file of the running game.
Spielstand& spielstand();

// Integer access by section and key; on entry wert holds the default.
void iniLesen(const std::string& sektion, const std::string& schluessel, int32_t& wert);
void iniSchreiben(const std::string& sektion, const std::string& schluessel, int32_t wert);

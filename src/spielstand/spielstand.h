// The save file "TrevoSpielstand.bin": read once at start-up, changed in
// memory by every iniSchreiben, and replaced on disk in one piece at the
// orderly end, so that a crash or a full disk never leaves half a file.
//
// A file that is there but cannot be read whole is the player's farm all the
// same: it is reported at the start and never written over; the game of that
// run goes to a new file beside it.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "spielstand/datei.h"
#include "spielstand/inidatei.h"
#include "spielstand/nachtrag.h"

// During start-up the program's directory (with its trailing separator), from
// the end of start-up on the full path of the save file.
extern std::string spielstandDatei;

class Spielstand {
public:
    // Reads the file at pfad without ever waiting on it (a FIFO, a device).
    // A missing file is a new game; a file that cannot be read whole is a new
    // game too, with lesefehler() telling why. So is a symbolic link that
    // points nowhere (its storage not mounted): the game goes beside it.
    void laden(const std::string& pfad);
    // Why the file found at start-up could not be read, in German; empty when
    // it was read or was not there.
    const std::string& lesefehler() const { return lesefehler_; }
    // Writes the text through a temporary file of its own beside the file (or
    // beside the target of a symbolic link), then renames it over the file.
    // Returns false and leaves the old file untouched on any failure. Never
    // used after a lesefehler: see retten.
    bool sichern(std::string& fehler) const;
    // Writes the text to a new file beside the save file that could not be
    // read ("TrevoSpielstand-gerettet.bin", numbered if that is taken) and
    // returns its path; an empty path and fehler when that failed too.
    std::string retten(std::string& fehler) const;
    // The same in another directory (where the save file's own cannot be
    // written).
    std::string rettenIn(const std::string& verzeichnis, std::string& fehler) const;
    // Writes the text to a file the player chose, in one piece.
    bool sichernNach(const std::string& ziel, std::string& fehler) const;
    const std::string& pfad() const { return pfad_; }
    IniDatei& ini() { return ini_; }
    // The game continues from another text (a recovery point, with the
    // logbook's rows it carries) in place of the one read; the path and what
    // reading it told stay.
    void uebernehmen(IniDatei ini, std::vector<std::string> zeilen);
    // The file the start found, told apart from any other: its fingerprint,
    // "keine" when there was none, "unlesbar" when it could not be read.
    const std::string& grundlage() const { return grundlage_; }
    // The logbook's rows the text the game goes on from carried.
    const std::vector<std::string>& mitgebrachteZeilen() const { return mitgebracht_; }
    // The logbook's rows that go with the game into the file the end
    // writes, because the book could not take them.
    void zeilenMitgeben(std::vector<std::string> zeilen) { mitzugeben_ = std::move(zeilen); }

    // What the file would hold if alleSpeichern's writes were made now, while
    // the text itself stays as it is: they go to a copy. So the orderly end
    // later writes exactly the bytes it would have written without this.
    std::string schnappschuss(const std::function<void()>& alleSpeichern);
    // Runs alleLaden with the text of a snapshot in place of the file's
    // (a step taken back); the file's text stays as it was.
    void ausSchnappschuss(const std::string& bytes, const std::function<void()>& alleLaden);
    // A snapshot is being taken: a window saves without moving itself.
    bool imSchnappschuss() const { return schnappschuss_ != nullptr; }
    // Where iniSchreiben writes: the text, or the snapshot's copy.
    IniDatei& schreibZiel() { return schnappschuss_ ? *schnappschuss_ : ini_; }

private:
    std::string zuSchreiben() const;

    std::string pfad_;
    IniDatei ini_;
    std::string lesefehler_;
    std::string grundlage_;
    std::vector<std::string> mitgebracht_;
    std::vector<std::string> mitzugeben_;
    IniDatei* schnappschuss_ = nullptr;
};

// Replaces a save file or a recovery point at pfad as dateiErsetzen does, but
// never with more than the game reads.
bool spielstandErsetzen(const std::string& pfad, const std::string& daten, bool verknuepfungFolgen,
                        std::string& fehler);

// The save file of the running game.
Spielstand& spielstand();

// Integer access by section and key; on entry wert holds the default.
void iniLesen(const std::string& sektion, const std::string& schluessel, int32_t& wert);
void iniSchreiben(const std::string& sektion, const std::string& schluessel, int32_t wert);
// The same for a 64-bit value (the balance).
void iniLesen(const std::string& sektion, const std::string& schluessel, int64_t& wert);
void iniSchreiben(const std::string& sektion, const std::string& schluessel, int64_t wert);

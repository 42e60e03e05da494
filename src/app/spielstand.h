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

#include "app/inidatei.h"

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

// During start-up the program's directory (with its trailing separator), from
// the end of start-up on the full path of the save file.
extern std::string spielstandDatei;

class Spielstand {
public:
    // Far above any real save file (a few kilobytes); a larger file is not ours
    // and is not read into memory. The one rule for both ways: the game never
    // writes a save file (or a recovery point) that it would refuse to read.
    static constexpr off_t maxGroesse = off_t{16} * 1024 * 1024;
    static bool passt(uint64_t bytes) { return bytes <= static_cast<uint64_t>(maxGroesse); }
    static const char* const zuGrossText;

    // How the file is read, written and synced: ::read, ::write and ::fsync
    // but for tests of a failing disk. The logbook and the recovery point
    // use them as well.
    static std::function<ssize_t(int fd, void* puffer, std::size_t n)> leser;
    static std::function<ssize_t(int fd, const void* daten, std::size_t n)> schreiber;
    static std::function<int(int fd)> syncer;

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

// Reads a whole file without ever waiting on it (a FIFO, a device). False
// with an empty fehler when it is not there, with the reason in German when
// it cannot be read whole (an error, not a regular file, over 16 MiB). With
// fremd, whether it is known to be no save file (a directory, a device, too
// large) rather than one that could not be read (a failing disk, no right to
// read it).
bool dateiLesen(const std::string& pfad, std::string& bytes, std::string& fehler, bool* fremd = nullptr);
// Replaces a save file or a recovery point at pfad as dateiErsetzen does, but
// never with more than the game reads.
bool spielstandErsetzen(const std::string& pfad, const std::string& daten, bool verknuepfungFolgen,
                        std::string& fehler);
// Renames alt to neu unless neu is taken; 0 or the error number (EEXIST).
int umbenennenOhneUeberschreiben(const std::string& alt, const std::string& neu);
// Replaces the file at pfad by daten in one piece: a temporary file of its
// own beside it, synced, renamed over it, the directory synced. With
// verknuepfungFolgen a symbolic link's target is replaced and the link stays;
// without, a link in its place is replaced by the file. On failure the old
// file stays, no temporary file is left, and fehler says why in German.
// Without syncen the file is still replaced in one piece for every process,
// but a power cut may find the old one.
bool dateiErsetzen(const std::string& pfad, const std::string& daten, bool verknuepfungFolgen, std::string& fehler,
                   bool syncen = true);
// Whether files are synced to the disk at all. The game always does; tests and
// the fuzzer, whose files are thrown away, switch it off to play faster.
extern bool dateienSyncen;
// Removes the temporary files that writers of pfad (or of its link's target)
// left when they were killed half-way: those of processes no longer alive.
void liegengebliebeneEntfernen(const std::string& pfad, bool verknuepfungFolgen);

// One game per save file: a lock on "TrevoSpielstand.bin.sperre" in the
// game's directory, removed again at the end. The kernel holds the lock and
// drops it with the process, so the file a crashed game leaves behind never
// blocks the next start. Where the lock file cannot be made (a read-only
// directory) the game runs without it.
class SpielstandSperre {
public:
    explicit SpielstandSperre(const std::string& verzeichnis);
    ~SpielstandSperre();
    SpielstandSperre(const SpielstandSperre&) = delete;
    SpielstandSperre& operator=(const SpielstandSperre&) = delete;

    // Another running game holds the save file in that directory.
    bool belegt() const { return belegt_; }
    // This game holds it.
    bool gehalten() const { return fd_ >= 0; }

private:
    std::string pfad_;
    int fd_ = -1;
    bool belegt_ = false;
};

// The reason of a failed system call, in German.
std::string systemFehlerText(int fehlerNr);

// The save file of the running game.
Spielstand& spielstand();

// Integer access by section and key; on entry wert holds the default.
void iniLesen(const std::string& sektion, const std::string& schluessel, int32_t& wert);
void iniSchreiben(const std::string& sektion, const std::string& schluessel, int32_t wert);
// The same for a 64-bit value (the balance).
void iniLesen(const std::string& sektion, const std::string& schluessel, int64_t& wert);
void iniSchreiben(const std::string& sektion, const std::string& schluessel, int64_t wert);

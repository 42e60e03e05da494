// The game's files on the disk, in one place for the save file, the
// recovery point and the logbook: reading without waiting, replacing a file
// in one piece (a temporary file beside it, synced, renamed over it, the
// directory synced), the files half-written by a killed writer, and the
// lock of one game per save file.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// The default game's file. Any other is a game under the player's own name
// ("Versuch.hof"), whose logbook and recovery point beside it take that
// name ("Versuch-Hofbuch.csv", "Versuch.hof.wiederherstellen"), so that
// games in one directory never share a file.
inline constexpr const char* spielstandName = "TrevoSpielstand.bin";
inline constexpr const char* spielEndung = ".hof";
// The name of a game of the player's own without ".hof" ("Versuch"), or
// empty for the default game.
std::string eigenerSpielname(const std::string& spielstandPfad);
// A file beside the game's: its directory and `eigener` after the game's
// own name, or `vorgabe` for the default game.
std::string nebenDemSpiel(const std::string& spielstandPfad, const std::string& vorgabe, const std::string& eigener);

struct Dateizugriff {
    // Far above any real save file (a few kilobytes); a larger file is not ours
    // and is not read into memory. The one rule for both ways: the game never
    // writes a file that it would refuse to read.
    static constexpr off_t maxGroesse = off_t{16} * 1024 * 1024;
    static bool passt(uint64_t bytes) { return bytes <= static_cast<uint64_t>(maxGroesse); }
    static const char* const zuGrossText;

    // How the file is read, written and synced: ::read, ::write and ::fsync
    // but for tests of a failing disk. The logbook and the recovery point
    // use them as well.
    static std::function<ssize_t(int fd, void* puffer, std::size_t n)> leser;
    static std::function<ssize_t(int fd, const void* daten, std::size_t n)> schreiber;
    static std::function<int(int fd)> syncer;
};

// Reads a whole file without ever waiting on it (a FIFO, a device). False
// with an empty fehler when it is not there, with the reason in German when
// it cannot be read whole (an error, not a regular file, over 16 MiB). With
// fremd, whether it is known to be no save file (a directory, a device, too
// large) rather than one that could not be read (a failing disk, no right to
// read it).
bool dateiLesen(const std::string& pfad, std::string& bytes, std::string& fehler, bool* fremd = nullptr);
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
    // The lock of the game in `name` there ("NAME.sperre").
    explicit SpielstandSperre(const std::string& verzeichnis, const std::string& name = spielstandName);
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

// The directory of a path ("." for a bare name) and its last part.
std::string verzeichnisVon(const std::string& pfad);
std::string nameVon(const std::string& pfad);
// The file a symbolic link finally names; a path that is no link (or does
// not exist yet) is its own target. False and fehler for a loop or an
// unreadable link.
bool zielVon(const std::string& pfad, std::string& ziel, std::string& fehler);
// Writes daten to a file of a new, unique name in verzeichnis, created
// exclusively and (with syncen) synced, with vorbild's permissions if given;
// returns its path, or an empty text and fehler.
std::string neueDatei(const std::string& verzeichnis, const std::string& name, const std::string& daten,
                      const struct stat* vorbild, std::string& fehler, bool syncen = true);
// Makes a rename in the directory durable.
void verzeichnisSyncen(const std::string& verzeichnis);
// Writes all of daten to fd through Dateizugriff::schreiber.
bool allesSchreiben(int fd, const std::string& daten);

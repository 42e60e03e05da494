// The recovery point. At the end of every month the game writes what the save
// file would hold after an orderly end at that moment to
// "TrevoSpielstand.wiederherstellen" beside it; the orderly end removes it
// again. Finding it at the start therefore means that the last run did not end
// in order (one game per directory holds the lock, so no running game owns it).
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "spielstand/inidatei.h"
#include "spielstand/spielstand.h"

struct Wiederherstellungspunkt {
    // unlesbar: there, but reading it failed (a failing disk, no right to
    // read it); it may hold months the save file lacks.
    enum class Art { keiner, gueltig, beschaedigt, unlesbar };
    Art art = Art::keiner;
    // For a valid point: its text and the date the game continues at, the
    // month after the last one completed.
    IniDatei ini;
    int32_t monat = 0;
    int32_t jahr = 0;
    // What the point carries besides the game (the save file its run began
    // from, the logbook's rows); a point of an older game carries none.
    bool mitNachtrag = false;
    Nachtrag nachtrag;
    // For a damaged or unreadable one: why, in German.
    std::string grund;
};

extern const char* const wiederherstellungsName;

// The recovery file beside the save file at spielstandPfad.
std::string wiederherstellungsPfad(const std::string& spielstandPfad);

// Reads the point at pfad. A file that is no regular file or too large, holds
// bytes no save file holds, or lacks a month, a year or a balance the game
// can use is damaged: it is no save file of ours, or not all of one. One
// whose reading fails is unreadable, not damaged.
Wiederherstellungspunkt wiederherstellungLesen(const std::string& pfad);

// Whether the point holds more than the save file at spielstandPfad, whose
// fingerprint is grundlage: it was written by a run that began from exactly
// that file, which no orderly end has replaced since. The clock plays no part.
// A point of an older game, which carries no fingerprint, is newer unless
// its file time is older than the save file's.
bool wiederherstellungNeuer(const Wiederherstellungspunkt& p, const std::string& pfad,
                            const std::string& spielstandPfad, const std::string& grundlage);

// The game's text in a point's bytes, without what it carries besides.
std::string punktText(std::string bytes);

// Replaces the point in one piece, as the save file is written; a symbolic
// link in its place is replaced, not followed.
bool wiederherstellungSchreiben(const std::string& pfad, const std::string& bytes, std::string& fehler);

// Puts a point aside as "TrevoSpielstand-ZUSATZ.wiederherstellen" (numbered
// when taken; "unlesbar" for one that could not be read, "aelter" for one
// not newer than the save file) and returns its new path; empty when it could
// not be moved.
std::string wiederherstellungBeiseite(const std::string& pfad, const std::string& zusatz);

// Removes the point (a file, or an empty directory in its place). False when
// something is still there.
bool wiederherstellungEntfernen(const std::string& pfad);

// Writes the recovery point off the thread that plays: the month hands over
// its snapshot and goes on, the file and its syncs follow on a thread of its
// own. One write at a time, in the order handed over; a snapshot handed over
// while another waits replaces it (the newer month holds everything the older
// one does). Without a thread (imHintergrund false) every write is made at
// once, as the snapshot is handed over.
class PunktSchreiber {
public:
    PunktSchreiber(std::string pfad, bool imHintergrund);
    // Writes what is still waiting, then ends the thread.
    ~PunktSchreiber();
    PunktSchreiber(const PunktSchreiber&) = delete;
    PunktSchreiber& operator=(const PunktSchreiber&) = delete;

    void auftragen(std::string bytes);
    // Whether the writes are made on a thread of their own.
    bool imHintergrund() const { return imHintergrund_; }
    // Returns once every snapshot handed over is on the disk or has failed.
    void abwarten();
    // Runs after every write, on the writing thread; set before the first
    // snapshot.
    std::function<void()> geschrieben;
    // Why the last finished write failed, in German; empty when it succeeded
    // or none was made.
    std::string letzterFehler() const;

private:
    void schreiben(const std::string& bytes);
    void arbeiten();

    std::string pfad_;
    bool imHintergrund_;
    mutable std::mutex mutex_;
    std::condition_variable auftrag_;
    std::condition_variable erledigt_;
    std::optional<std::string> wartend_;
    bool schreibt_ = false;
    bool ende_ = false;
    std::string fehler_;
    std::thread faden_;
};

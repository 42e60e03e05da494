// One run of the program: the frame, every window created in the fixed start
// order, and the orderly end that writes the save file.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "verlauf.h"

class Plattform;
class TmainForm;
class TkindForm;
class TDialog;
class Hofbuch;
class PunktSchreiber;

class Spiel {
public:
    // How a start treats what lies beside the save file. nurAnsehen starts
    // the game to look at it and changes no file: no recovery point offered,
    // no logbook trimmed, nothing a killed writer left removed (trevo-sim
    // checks a script that way before it accepts it).
    enum class Start { anbieten, ohneAngebot, nurAnsehen };

    // Starts exactly as the program does: seed 0, the frame, then every
    // window with neu and laden from the save file in programmVerzeichnis.
    // A recovery point found there is offered first (the last run did not end
    // in order); without wiederherstellungAnbieten it is left alone and the
    // save file is read as if it were not there.
    Spiel(Plattform& plattform, const std::string& programmVerzeichnis, bool wiederherstellungAnbieten = true);
    // The same with the save file (and its lock and recovery point) in
    // spielstandVerzeichnis, where the program's own directory is read-only.
    Spiel(Plattform& plattform, const std::string& programmVerzeichnis, const std::string& spielstandVerzeichnis,
          bool wiederherstellungAnbieten = true);
    // dateiName: the game's file there, the default game's or one under the
    // player's own name.
    Spiel(Plattform& plattform, const std::string& programmVerzeichnis, const std::string& spielstandVerzeichnis,
          Start start, const std::string& dateiName = "TrevoSpielstand.bin");
    // Without beenden() nothing is saved, as after a crash.
    ~Spiel();
    Spiel(const Spiel&) = delete;
    Spiel& operator=(const Spiel&) = delete;

    // The orderly end: windows destroyed in reverse order, each saving its
    // state, then the save file replaced in one piece. When it cannot be
    // written the old file stays and the player chooses: try again, save
    // somewhere else, or end without saving (asked twice). Where no one
    // answers, the game goes to the first of ausweichOrte that takes it.
    // A file that could not be read at the start is never replaced: the game
    // goes to a new file beside it. False unless the save file was written.
    bool beenden();
    // Directories for the game when the save file cannot be written and no
    // one is there to choose (the end a signal started).
    void ausweichOrte(std::vector<std::string> verzeichnisse) { ausweichOrte_ = std::move(verzeichnisse); }

    // What the save file would hold after an orderly end now; the game is
    // left exactly as it was.
    std::string stand();
    // Writes stand() to the recovery file beside the save file; done at the
    // end of every month. A point that cannot be written is skipped: the last
    // one stays, and the save file at the orderly end is not affected. The
    // snapshot is always taken at once; written in the background, the
    // answer is that of the last write already finished, not of this one.
    bool wiederherstellungspunktSetzen();
    // From now on the points are written on a thread of their own, so that a
    // month never waits for the disk; geschrieben runs on that thread after
    // each write. The orderly end waits for them.
    void wiederherstellungImHintergrund(std::function<void()> geschrieben);
    // Returns once every point handed over is written (or has failed).
    void wiederherstellungAbwarten();
    // Tells the player when the last point could not be written, once for
    // each reason, and again when a point is written after a failure. Called
    // after every write; written in the background, on the playing thread
    // after geschrieben. The logbook's rows of the months now on the disk
    // are written then, after the point.
    void schreibfehlerMelden();

    // The farm's logbook beside the save file.
    Hofbuch& hofbuch() { return *hofbuch_; }

    // Everything the player does runs as a step: the state before and after
    // it are kept where the game changed (not only a window's place, the
    // animal shown or the window in front). A step inside a step is part of
    // it; a new game forgets every step.
    void schritt(const std::function<void()>& aktion);
    // Takes the last step back: the game is exactly as before it, its draws
    // and temperature included. A month taken back leaves the logbook, and
    // the recovery point goes back first; where it cannot, the player is
    // told and the month stays. False when nothing was taken back.
    bool zurueck();
    // Does the step taken back last again, with the same result.
    bool wiederholen();
    const Spielverlauf& verlauf() const { return verlauf_; }
    // The state of the game now, and back to one of this run.
    Spielbild bild();
    void bildSetzen(const Spielbild& b);
    // The game running now (one at a time), or nullptr.
    static Spiel* laufendes();
    // "Spiel speichern unter …" after the orderly end of the game in quelle:
    // its save file and logbook under the name ziel, each replaced in one
    // piece; a recovery point or logbook an earlier game of that name left
    // there goes. What could not be copied is told on the platform; false
    // where the save file could not be read or written (ziel's is then as
    // it was).
    static bool spielKopieren(const std::string& quelle, const std::string& ziel);

    TmainForm& frame() { return *frame_; }
    // The game windows in creation order.
    const std::vector<TkindForm*>& fenster() const { return fenster_; }
    // A game window by its component name ("KontrollForm"), or nullptr.
    TkindForm* fenster(const std::string& name) const;

private:
    struct Objekt {
        std::unique_ptr<TkindForm> kind;
        std::unique_ptr<TDialog> dialog;
        std::function<void()> abmelden;  // clears the global instance
    };
    // imMonat: the window joins the child list (the outlook does not).
    template <class T>
    void erzeugeFenster(T*& global, bool imMonat = true);
    // A window made from a row of its kind's table (a herd, a store).
    template <class T, class Art>
    void erzeugeFenster(T*& global, const Art& art);
    template <class T>
    void fensterAufnehmen(T*& global, std::unique_ptr<T> fenster, bool imMonat);
    template <class T>
    void erzeugeDialog(T*& global);
    void abbauen(bool sichern);
    // A save file that was there but could not be read is told at once, not
    // only at the end.
    void lesefehlerMelden();
    void hofbuchNachgetragenMelden();
    void wiederherstellungAnbieten();
    bool spielstandAblegen();
    bool anderswoSpeichern();
    // Where the logbook stays when the game went elsewhere.
    std::string hofbuchBleibt() const;
    void ausweichen();
    void punktEntfernen();

    std::unique_ptr<TmainForm> frame_;
    std::vector<Objekt> objekte_;
    std::vector<TkindForm*> fenster_;
    std::unique_ptr<Hofbuch> hofbuch_;
    bool beendet_ = false;
    std::string wiederherstellung_;
    std::unique_ptr<PunktSchreiber> punktSchreiber_;
    std::string gemeldeterFehler_;
    // An unreadable point that could not be put aside is neither written
    // over nor removed in this run.
    bool punktGesperrt_ = false;
    std::vector<std::string> ausweichOrte_;
    bool wiederhergestellt_ = false;
    bool nurAnsehen_ = false;
    Spielverlauf verlauf_;
    int32_t schrittTiefe_ = 0;
    // The last recovery point of this run, as written; before the first,
    // the one the start found where the game goes on from it.
    std::optional<std::string> letzterPunkt_;
    std::optional<std::string> punktBeimStart_;
    bool punktZuruecksetzen(const std::optional<std::string>& punkt);
};

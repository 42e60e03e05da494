// One run of the program: the frame, every window created in the fixed start
// order, and the orderly end that writes the save file.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Plattform;
class TmainForm;
class TkindForm;
class TDialog;
class Hofbuch;

class Spiel {
public:
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
    // Without beenden() nothing is saved, as after a crash.
    ~Spiel();
    Spiel(const Spiel&) = delete;
    Spiel& operator=(const Spiel&) = delete;

    // The orderly end: windows destroyed in reverse order, each saving its
    // state, then the save file replaced in one piece. When it cannot be
    // written the player is told and false is returned; the old file stays.
    // A file that could not be read at the start is never replaced: the game
    // goes to a new file beside it, and false is returned as well.
    bool beenden();

    // What the save file would hold after an orderly end now; the game is
    // left exactly as it was.
    std::string stand();
    // Writes stand() to the recovery file beside the save file; done at the
    // end of every month. A point that cannot be written is skipped: the last
    // one stays, and the save file at the orderly end is not affected.
    bool wiederherstellungspunktSetzen();

    // The farm's logbook beside the save file.
    Hofbuch& hofbuch() { return *hofbuch_; }

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
    template <class T>
    void erzeugeFenster(T*& global);
    template <class T>
    void erzeugeDialog(T*& global);
    void abbauen(bool sichern);
    // A save file that was there but could not be read is told at once, not
    // only at the end.
    void lesefehlerMelden();
    void wiederherstellungAnbieten();

    std::unique_ptr<TmainForm> frame_;
    std::vector<Objekt> objekte_;
    std::vector<TkindForm*> fenster_;
    std::unique_ptr<Hofbuch> hofbuch_;
    bool beendet_ = false;
    std::string wiederherstellung_;
    bool wiederhergestellt_ = false;
};

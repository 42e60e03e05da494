// The frame's logic: the child windows in order of activation, new game,
// window arrangement, background music and help.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "spielstand/datei.h"

class TkindForm;

// An error that abandons a command; the face shows its text in the standard
// error box and the game goes on.
class Ausnahme : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TmainForm {
public:
    std::string caption;
    bool musikAn = false;
    // Help and music beside the program.
    std::string hilfeDatei;
    std::string musikDatei;
    // How many new games the player has confirmed in this run (the face
    // lays the windows out afresh after one).
    int32_t neueSpiele = 0;

    // Records the save-file path and the files beside the program, opens
    // and starts the music (silently absent on failure). The save file lies
    // in spielstandVerzeichnis where one is given, else beside the program.
    // A game under the player's own name (dateiName) names it in the caption.
    void FormCreate(const std::string& programmVerzeichnis, const std::string& spielstandVerzeichnis = {},
                    const std::string& dateiName = spielstandName);

    void NeuesSpiel1Click();
    void FensterAnordnen1Click();
    void MusikAnAusClick();
    void MediaPlayer1Notify();
    void hilfeClick();

    // The child list: entry 0 is the most recently activated window.
    const std::vector<TkindForm*>& kinder() const { return kinder_; }
    void kindHinzufuegen(TkindForm* kind);
    // A window of the frame that has no month of its own (the outlook): a
    // new game and "Fenster Anordnen" reach it, but it stands outside the
    // child list, whose order decides the month's walk.
    void beiwerkHinzufuegen(TkindForm* fenster);
    void kindEntfernen(TkindForm* kind);
    // The child list in another order of the same windows (a step taken
    // back gives the order it had before).
    void reihenfolgeSetzen(const std::vector<TkindForm*>& kinder);
    // A child received the focus: it moves to the front, and its activation
    // handler runs unless it was the active window already.
    void aktiviert(TkindForm* kind);
    // Walks the children from the last entry to the first.
    void fuerJedesKind(const std::function<void(TkindForm&)>& f) const;

private:
    // Every window of the frame, the child list's from its last entry.
    void fuerJedesFenster(const std::function<void(TkindForm&)>& f) const;

    std::vector<TkindForm*> kinder_;
    std::vector<TkindForm*> beiwerk_;
};

extern TmainForm* MainForm;

// One run of trevo-sim: the game on the scripted platform in a directory,
// the script's actions carried out in turn, and the transcript written out
// as it grows.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/platform/scriptedplatform.h"
#include "sim/befehl.h"
#include "spielstand/datei.h"
#include "spiel.h"

class TkindForm;

class Lauf {
public:
    // Starts the game from the save file in verzeichnis, as the program does;
    // without anbieten a recovery point there is left alone (see Spiel).
    Lauf(std::string verzeichnis, std::ostream& aus, bool anbieten = true);
    // With Spiel::Start::nurAnsehen the game is only looked at: no file
    // changes. With anbieten, a recovery point there gets the answer given
    // (none declines).
    // dateiName: the game's file in verzeichnis.
    Lauf(std::string verzeichnis, std::ostream& aus, Spiel::Start start, std::optional<Antwort> antwort = {},
         std::string dateiName = spielstandName);
    // Without beenden() nothing is written.
    ~Lauf();
    Lauf(const Lauf&) = delete;
    Lauf& operator=(const Lauf&) = delete;

    // Carries out one checked line. An error that escapes the game's handler
    // is shown in the standard error box, as the face does, and the game
    // goes on.
    void ausfuehren(const Befehl& b);
    // The orderly end; false when the save file could not be written (the
    // game has told the player).
    bool beenden();
    // The player quits and starts the program again.
    void neustart();
    // "Spiel speichern unter …": the game ends in order, goes on under the
    // name (a file in the run's directory) with its logbook, and starts
    // from there. Where it could not be saved, it starts again as it was.
    void speichernUnter(const std::string& name);
    // "Spiel öffnen …": the game ends in order and the one in the file
    // starts (a new one where there is none).
    void oeffnen(const std::string& name);
    // An answer to the choice the next end offers when the save file cannot
    // be written; with Anderswo the file picked (empty: the dialog is
    // cancelled), with OhneSpeichern the question after it answered "&Ja".
    void amEnde(Antwort antwort, std::string ort = {});
    Spiel& spiel() { return *spiel_; }
    ScriptedPlatform& plattform() { return *plattform_; }
    // The window by component name; the script has been checked, so it exists.
    TkindForm& fenster(const std::string& name);
    // The player's click gives the window the focus first.
    void aktivieren(TkindForm& f);
    // Answers the next quantity dialog by typing the texts in turn.
    void tippen(std::vector<std::string> texte);
    // A line of the transcript that the game did not write itself.
    void protokollieren(std::string zeile);
    // Whether the lines are steps that `zurueck` can take back (so they
    // are, unless a run that never takes one back spares the snapshots).
    void mitVerlauf(bool an) { mitVerlauf_ = an; }

private:
    // The game ends in order and the one in NAME starts; with kopieren the
    // running game is copied to NAME first, and where that fails it starts
    // again as it was.
    void wechseln(const std::string& name, bool kopieren);
    void starten(Spiel::Start start, std::optional<Antwort> antwort = {});
    void ausgeben();
    void endeVorbereiten();

    std::string verzeichnis_;
    std::string dateiName_ = spielstandName;
    bool mitVerlauf_ = true;
    std::ostream& aus_;
    std::unique_ptr<ScriptedPlatform> plattform_;
    std::unique_ptr<Spiel> spiel_;
    std::vector<Antwort> endeAntworten_;
    std::vector<std::string> endeOrte_;
};

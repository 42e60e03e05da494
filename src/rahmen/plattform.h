// What the game logic needs from the machine it runs on, and nothing more.
// The Qt face implements it for the player; the scripted platform implements
// it for the tests and for trevo-sim.
#pragma once

#include <cstdint>
#include <string>

#include "rahmen/nachricht.h"

class TkindForm;
class TDialog;

enum class MeldungsArt { Warnung, Fehler, Information, Bestaetigen, Schlicht };
// Speicherfehler: the end's choice when the save file cannot be written,
// "Wiederholen", "Anderswo speichern …", "Ohne Speichern beenden".
enum class Knoepfe { OK, OKAbbrechen, JaNein, Speicherfehler };
// Abbrechen also stands for a box that no one was there to answer.
enum class Antwort { OK, Abbrechen, Ja, Nein, Wiederholen, Anderswo, OhneSpeichern };
enum class ModalErgebnis { OK, Abbruch };
// The button Return presses in a message box: the first, or the second where
// the first would do something that cannot be undone.
enum class Vorgabe { erster, zweiter };

struct Punkt {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Punkt&, const Punkt&) = default;
};

// The background music. The frame learns of the end of the piece through
// TmainForm::MediaPlayer1Notify, called by the platform between two events.
class MusikSpieler {
public:
    virtual ~MusikSpieler() = default;
    // Opens the music file; false when the file or the audio device is
    // missing. Never shows anything.
    virtual bool oeffnen(const std::string& datei) = 0;
    virtual bool geoeffnet() const = 0;
    // Starts playback, or resumes it where stoppen() left it; a piece that has
    // played to its end starts again from the beginning.
    virtual bool spielen() = 0;
    virtual void stoppen() = 0;
    virtual bool spielt() const = 0;
    // The music's volume, from 0.0 (silent) to 1.0 (as the piece was made);
    // kept across stops and the next file. Players without volume ignore it.
    virtual void lautstaerkeSetzen(float /*anteil*/) {}
};

class Plattform {
public:
    virtual ~Plattform() = default;

    // A message box of one of the four kinds, or the plain box (text, no icon,
    // one OK button). An empty title means the kind's own caption ("Warnung",
    // "Fehler", "Information", "Bestätigen"), or the program's title for the
    // plain box.
    virtual Antwort meldung(MeldungsArt art, const std::string& text, Knoepfe knoepfe,
                            const std::string& titel = {}, Vorgabe vorgabe = Vorgabe::erster) = 0;
    // The same box for a typed message: German here (trevo-sim's record);
    // the window shows it in the player's language.
    virtual Antwort melden(MeldungsArt art, const Nachricht& nachricht, Knoepfe knoepfe,
                           Vorgabe vorgabe = Vorgabe::erster) {
        return meldung(art, deutsch(nachricht), knoepfe, {}, vorgabe);
    }
    // The player picks a file to save the game in ("Anderswo speichern …"),
    // starting from vorschlag; empty when the choice was cancelled.
    virtual std::string speicherOrtWaehlen(const std::string& /*vorschlag*/) { return {}; }
    // The standard error box for an error that escaped a command.
    virtual void fehlerBox(const std::string& text) = 0;
    // Shows a modal dialog (quantity, purchase, field work); the dialog's own
    // show and close-query handlers run inside.
    virtual ModalErgebnis zeigeModal(TDialog& dialog) = 0;
    // Plays a sound resource ("BOING", "TRAKTOR", "200" … "203") without waiting.
    virtual void spieleKlang(const std::string& name) = 0;
    virtual Punkt mausPosition() = 0;
    // The window's visible state changed; repaint it when convenient.
    virtual void neuZeichnen(TkindForm& fenster) = 0;
    virtual void hilfeInhalt(const std::string& hilfeDatei) = 0;
    virtual void hilfeKontext(const std::string& hilfeDatei, int32_t kontext) = 0;
    virtual MusikSpieler& musik() = 0;
    // Every booking that carries a remark, for the record of the game.
    virtual void gebucht(int64_t /*betrag*/, const std::string& /*bemerkung*/) {}
    // Border of a child window: outer size = client size + rahmen().
    virtual Punkt rahmen() const { return {8, 28}; }
};

// The platform the game runs on; set by Spiel for its lifetime.
Plattform& plattform();
void setzePlattform(Plattform* p);

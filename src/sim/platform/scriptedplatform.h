// The platform of the tests and of trevo-sim: it answers message boxes and
// dialogs from prepared answers and writes every message box, sound and
// booking into a transcript, one tab-separated line per event.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "rahmen/plattform.h"

// The music of a run without sound: opens when the file exists.
class StilleMusik : public MusikSpieler {
public:
    bool oeffnen(const std::string& datei) override;
    bool geoeffnet() const override { return geoeffnet_; }
    bool spielen() override;
    void stoppen() override { spielt_ = false; }
    bool spielt() const override { return spielt_; }
    // The piece has played to its end.
    void ende() { spielt_ = false; }
    int starts = 0;

private:
    bool geoeffnet_ = false;
    bool spielt_ = false;
};

class ScriptedPlatform : public Plattform {
public:
    using DialogAntwort = std::function<ModalErgebnis(TDialog&)>;

    Antwort meldung(MeldungsArt art, const std::string& text, Knoepfe knoepfe,
                    const std::string& titel = {}, Vorgabe vorgabe = Vorgabe::erster) override;
    std::string speicherOrtWaehlen(const std::string& vorschlag) override;
    void fehlerBox(const std::string& text) override;
    ModalErgebnis zeigeModal(TDialog& dialog) override;
    void spieleKlang(const std::string& name) override;
    Punkt mausPosition() override { return maus; }
    void neuZeichnen(TkindForm&) override {}
    void hilfeInhalt(const std::string& datei) override;
    void hilfeKontext(const std::string& datei, int32_t kontext) override;
    MusikSpieler& musik() override { return musikSpieler; }
    void gebucht(int64_t betrag, const std::string& bemerkung) override;

    // Answers for boxes that offer a choice, taken in turn; a box with only
    // "OK" takes none. Without an answer a choice is declined
    // ("Abbrechen" or "&Nein"); the end's choice after a failed save is then
    // left unanswered (Antwort::Abbrechen), as when no one is there.
    std::deque<Antwort> antworten;
    // The files the player picks to save in, taken in turn; an empty one, or
    // none left, cancels the file dialog. Each dialog is a transcript line
    // "dateiwahl" with the name it proposes.
    std::deque<std::string> speicherOrte;
    // Answers for modal dialogs, taken in turn; without one a dialog is
    // cancelled. The dialog's show handler has run when the answer is asked.
    std::deque<DialogAntwort> dialogAntworten;
    Punkt maus{200, 200};
    StilleMusik musikSpieler;
    std::vector<std::string> hilfeAufrufe;  // "inhalt DATEI" or "kontext N DATEI"

    // The transcript so far; leeren() hands it over and starts anew.
    std::vector<std::string> protokoll;
    std::vector<std::string> leeren();

    // A text with CR, LF, tab and backslash written as \r, \n, \t, \\.
    static std::string maskieren(const std::string& text);
    static const char* artName(MeldungsArt art);
};

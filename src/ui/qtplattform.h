// The platform of the real game: Qt message boxes and dialogs, sounds from
// the program's resources, the mouse pointer, and the coalesced redraw that
// carries every change of the game onto its view.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "rahmen/plattform.h"

class KlangSpieler;

class QtPlattform : public QObject, public Plattform {
    Q_OBJECT

public:
    QtPlattform();
    ~QtPlattform() override;
    QtPlattform(const QtPlattform&) = delete;
    QtPlattform& operator=(const QtPlattform&) = delete;

    // The platform of the running game, or nullptr.
    static QtPlattform* aktuelle();

    Antwort meldung(MeldungsArt art, const std::string& text, Knoepfe knoepfe,
                    const std::string& titel = {}, Vorgabe vorgabe = Vorgabe::erster) override;
    // In the player's language (nachrichtText).
    Antwort melden(MeldungsArt art, const Nachricht& nachricht, Knoepfe knoepfe,
                   Vorgabe vorgabe = Vorgabe::erster) override;
    std::string speicherOrtWaehlen(const std::string& vorschlag) override;
    void fehlerBox(const std::string& text) override;
    ModalErgebnis zeigeModal(TDialog& dialog) override;
    void spieleKlang(const std::string& name) override;
    Punkt mausPosition() override;
    void neuZeichnen(TkindForm& fenster) override;
    void hilfeInhalt(const std::string& hilfeDatei) override;
    void hilfeKontext(const std::string& hilfeDatei, int32_t kontext) override;
    MusikSpieler& musik() override { return *musik_; }
    Punkt rahmen() const override;

    // The game's first picture is on the screen: what start-up put off (the
    // music's stream) may begin.
    void startVorbei();

signals:
    // The views have re-read the windows that changed (the outlook then
    // re-reads the whole game).
    void aufgefrischt();

public:

    // A paragraph of the face's own below the game's questions ("Bestätigen")
    // while it is set: what the game's text leaves out (the field, the rent,
    // the balance afterwards). The game's text and its transcript stay as
    // they are. Set it through FrageZusatz.
    void setzeFrageZusatz(const QString& zusatz) { frageZusatz_ = zusatz; }

    // While set, the game's messages with one "OK" are kept and shown
    // together in one box when it is cleared (the most serious one's icon
    // and title): a harvest tells what it brought and what its store lost
    // in one message. The game's texts and transcript stay as they are.
    // Set it through Sammelmeldung.
    void setzeSammeln(bool an);

    // No one is there to answer (the end a signal started): boxes go to
    // standard error and choices stay unanswered (Antwort::Abbrechen).
    void setzeNiemandDa(bool niemand) { niemandDa_ = niemand; }

    // The frame: owner of message boxes and dialogs.
    void setzeHauptfenster(QWidget* fenster) { hauptfenster_ = fenster; }
    // The window a box opens over: an open modal dialog, else the frame.
    QWidget* eltern() const;

    // Sound off, for the tests: nothing is played, nothing is loaded, and a
    // platform made while it is off has no music.
    static void setzeTonAus(bool aus);
    // The player's switch for the sound effects ("&Klänge"): off, a sound
    // is asked for (and counted) but not played.
    void setzeKlaengeAn(bool an) { klaengeAn_ = an; }
    bool klaengeAn() const { return klaengeAn_; }
    // The resource file of a sound name ("BOING" -> ":/klaenge/boing.wav"),
    // or an empty text for a name the game does not know.
    static QString klangDatei(const std::string& name);
    // How many sounds were started (sound on) or asked for (sound off).
    int klaengeAngefordert() const { return klaengeAngefordert_; }
    // The sound module: beside the program unless set (the tests run from
    // their own directories). Loaded on the first sound.
    static void setzeKlangModul(const QString& pfad);
    static QString klangModul();
    // The module is loaded and plays the sounds.
    bool klaengeGeladen() const { return klangSpieler_ != nullptr; }

    // The standard error box: the program's title, the stop icon, "OK".
    static void standardFehlerBox(QWidget* eltern, const std::string& text);
    // The game's texts break lines with "\r".
    static QString qtText(const std::string& text);

private:
    void auffrischen();

    QTimer zeichenUhr_;
    std::vector<const TkindForm*> offen_;
    std::unique_ptr<KlangSpieler> klangSpieler_;
    bool klangModulVersucht_ = false;
    std::unique_ptr<MusikSpieler> musik_;
    QPointer<QWidget> hauptfenster_;
    int klaengeAngefordert_ = 0;
    bool niemandDa_ = false;
    QString frageZusatz_;
    bool sammeln_ = false;
    std::vector<std::pair<MeldungsArt, std::string>> gesammelt_;
    bool klaengeAn_ = true;
};

// The face's paragraph below the questions asked while this lives.
class FrageZusatz {
public:
    explicit FrageZusatz(const QString& zusatz) {
        if (QtPlattform* p = QtPlattform::aktuelle()) p->setzeFrageZusatz(zusatz);
    }
    ~FrageZusatz() {
        if (QtPlattform* p = QtPlattform::aktuelle()) p->setzeFrageZusatz({});
    }
    FrageZusatz(const FrageZusatz&) = delete;
    FrageZusatz& operator=(const FrageZusatz&) = delete;
};

// The game's messages while this lives, shown as one box at its end.
class Sammelmeldung {
public:
    Sammelmeldung() {
        if (QtPlattform* p = QtPlattform::aktuelle()) p->setzeSammeln(true);
    }
    ~Sammelmeldung() {
        if (QtPlattform* p = QtPlattform::aktuelle()) p->setzeSammeln(false);
    }
    Sammelmeldung(const Sammelmeldung&) = delete;
    Sammelmeldung& operator=(const Sammelmeldung&) = delete;
};

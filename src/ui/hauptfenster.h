// The frame: the green working area with every game window as a subwindow,
// and the menus "&Trevo", "&Fenster", "&Einstellungen" and "&Hilfe".
#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/views/hofbuchfenster.h"

class KindView;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QtPlattform;
class Spiel;

class HauptFenster : public QMainWindow {
    Q_OBJECT

public:
    // Makes a view for every game window of the running game, at the place
    // and in the state the window has.
    HauptFenster(Spiel& spiel, QtPlattform& plattform);
    ~HauptFenster() override;

    // Shows the frame maximized. Qt activates every subwindow once while the
    // frame comes up; from the next turn of the event loop on, activations
    // are the player's and go to the game's child list.
    void starten();
    bool gestartet() const { return gestartet_; }

    QMdiArea* flaeche() const { return flaeche_; }
    // The view of a game window by its component name, or nullptr.
    KindView* view(const std::string& name) const;
    const std::vector<KindView*>& views() const { return views_; }

    // The designed place and size of the frame when it is not maximized.
    static QRect entwurf();

    QAction* neuesSpielAktion() const { return neuesSpiel_; }
    QAction* zurueckAktion() const { return zurueck_; }
    QAction* wiederholenAktion() const { return wiederholen_; }
    // The menu names the steps to take back and to do again.
    void verlaufAuffrischen();
    // "Spiel &speichern unter …" (Ctrl+Shift+S), "Spiel ö&ffnen …" (Ctrl+O)
    // and "&Zuletzt gespielt": the frame closes, the game ends in order, and
    // the run goes on with the other file (ui/start.cpp). mitnehmen: the
    // running game goes on under that name, its logbook with it.
    QAction* speichernUnterAktion() const { return speichernUnter_; }
    QAction* oeffnenAktion() const { return oeffnen_; }
    struct Wechsel {
        QString datei;  // the full path
        bool mitnehmen = false;
    };
    const std::optional<Wechsel>& wechsel() const { return wechsel_; }
    void spielWechseln(const QString& datei, bool mitnehmen);
    // Where the file dialogs start: the game's data folder.
    void setzeSpieleOrdner(const QString& ordner) { spieleOrdner_ = ordner; }
    // The file dialog; a test answers it. Empty: cancelled.
    static std::function<QString(QWidget* eltern, bool speichern, const QString& ordner)> dateiWaehlen;
    // Another game that holds the file is brought forward; set by start.cpp.
    static std::function<bool(const QString& datei)> anderesSpielNachVorne;
    QAction* anordnenAktion() const { return anordnen_; }
    QAction* musikAktion() const { return musik_; }
    // "&Monat beenden" (Ctrl+Return): "Weiter" of the control panel from
    // any game window.
    QAction* monatAktion() const { return monat_; }
    // The menu "&Fenster": "&Nebeneinander", one entry per game window in
    // creation order (Alt+1 … Alt+9 for the first nine), "Nächstes
    // Fenster" and "Voriges Fenster".
    QAction* nebeneinanderAktion() const { return nebeneinander_; }
    const std::vector<QAction*>& fensterAktionen() const { return fensterAktionen_; }
    QAction* naechstesAktion() const { return naechstes_; }
    QAction* vorigesAktion() const { return voriges_; }
    // "&Einstellungen": the sound effects and the music's volume (in per
    // cent, one entry per step) beside the music.
    QAction* klaengeAktion() const { return klaenge_; }
    const std::vector<QAction*>& lautstaerkeAktionen() const { return lautstaerke_; }
    // "&Sprache": System, Deutsch, English, in this order.
    const std::vector<QAction*>& spracheAktionen() const { return sprache_; }

    // Every game window at its own size inside the working area, by rows of
    // their kind, with no overlap where the area has room. Minimized and
    // maximized windows keep their state; their normal place moves. With
    // karteGanz (the first layout) the field map first gets its largest
    // size, kept where every window still lies beside the others.
    void nebeneinanderAnordnen(bool karteGanz = false);
    // Whether a first start and a new game lay the windows out side by side
    // (on by default; the tests of the designed places switch it off).
    static void setzeAnfangsAnordnung(bool an);
    // Brings a game window forward: restored if minimized, and active.
    void zeigen(KindView* v);
    QAction* endeAktion() const { return ende_; }
    // "&Handbuch" (F1) and "Ü&ber Trevo" in the menu "&Hilfe".
    QAction* hilfeAktion() const { return hilfe_; }
    QAction* ueberAktion() const { return ueber_; }
    QAction* hofbuchAktion() const { return hofbuch_; }
    // Whether "Weiter" asks before a loss the outlook foresees (checkable).
    QAction* weiterFragenAktion() const { return weiterFragen_; }
    // The logbook's window while it is open.
    HofbuchFenster* hofbuchFenster() const { return hofbuchFenster_; }

signals:
    // The working area has been painted for the first time.
    void erstesBild();
    // The player closed the frame: the game ends.
    void geschlossen();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void menueAnlegen();
    void aktiviert(QMdiSubWindow* fenster);
    void startAbschliessen();
    void ohneFensterverwaltungMaximieren();
    void fensterMenueAnlegen();
    // The key that brings the i-th window of the list forward.
    static QKeySequence fensterTaste(std::size_t i);
    void einstellungenAnlegen();
    void spracheAnlegen(QMenu* einstellungenMenue);
    void fensterMenueAuffrischen();
    void weiterBlaettern(int schritt);
    // At the first start and after a new game: "Nebeneinander", where the
    // working area is larger than the designed layout.
    void anfangsAnordnung();
    // The outlook where a new game puts it (a first start, a file without
    // its place): beside the other windows, with the room the area has.
    void ausblickNebenDieFenster();
    // The outlook grown from its corner as far right and down as the area
    // goes without covering another window (never smaller than it is).
    void ausblickAusdehnen();
    // After "Fenster Anordnen": what a view shows below its window's client
    // (the control panel's line of losses) lies over no window; the windows
    // below it move down together.
    void zusaetzeFreilegen();

    Spiel& spiel_;
    QtPlattform& plattform_;
    QMdiArea* flaeche_;
    std::vector<KindView*> views_;
    QPointer<QMdiSubWindow> letzteAktiv_;
    bool gestartet_ = false;
    bool beendet_ = false;
    bool gemalt_ = false;
    QAction* neuesSpiel_ = nullptr;
    QAction* zurueck_ = nullptr;
    QAction* wiederholen_ = nullptr;
    QAction* speichernUnter_ = nullptr;
    QAction* oeffnen_ = nullptr;
    std::optional<Wechsel> wechsel_;
    QString spieleOrdner_;
    QAction* anordnen_ = nullptr;
    QAction* musik_ = nullptr;
    QAction* ende_ = nullptr;
    QAction* hilfe_ = nullptr;
    QAction* ueber_ = nullptr;
    QAction* hofbuch_ = nullptr;
    QAction* monat_ = nullptr;
    QAction* nebeneinander_ = nullptr;
    QAction* naechstes_ = nullptr;
    QAction* voriges_ = nullptr;
    QAction* klaenge_ = nullptr;
    std::vector<QAction*> fensterAktionen_;
    std::vector<QAction*> lautstaerke_;
    std::vector<QAction*> sprache_;
    QAction* weiterFragen_ = nullptr;
    QPointer<HofbuchFenster> hofbuchFenster_;
    // The working area is laid out anew when it takes its final size, for
    // a short while after a first start or a new game.
    bool anfangOffen_ = false;
    // The same for the outlook of a continued game that left it where a
    // new game puts it.
    bool ausblickOffen_ = false;
    bool ausblickVonUns_ = false;  // placed so by the frame, not by the player
    QPoint entworfenAusblick_;     // where the outlook stood before
    int neueSpiele_ = 0;
    QRect entworfen_;
};

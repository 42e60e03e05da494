// The frame: the green working area with every game window as a subwindow,
// and the menus "&Trevo" and "&Hilfe".
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <string>
#include <vector>

#include "ui/views/hofbuchfenster.h"

class KindView;
class QAction;
class QMdiArea;
class QMdiSubWindow;
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
    QAction* anordnenAktion() const { return anordnen_; }
    QAction* musikAktion() const { return musik_; }
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

    Spiel& spiel_;
    QtPlattform& plattform_;
    QMdiArea* flaeche_;
    std::vector<KindView*> views_;
    QPointer<QMdiSubWindow> letzteAktiv_;
    bool gestartet_ = false;
    bool beendet_ = false;
    bool gemalt_ = false;
    QAction* neuesSpiel_ = nullptr;
    QAction* anordnen_ = nullptr;
    QAction* musik_ = nullptr;
    QAction* ende_ = nullptr;
    QAction* hilfe_ = nullptr;
    QAction* ueber_ = nullptr;
    QAction* hofbuch_ = nullptr;
    QAction* weiterFragen_ = nullptr;
    QPointer<HofbuchFenster> hofbuchFenster_;
};

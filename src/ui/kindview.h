// The view of one game window: a subwindow of the frame that shows what its
// window holds and passes on what the player does. Place, client size and
// window state flow both ways: what the player arranges reaches the window
// (and so the save file), and what the window sets (a new game, "Fenster
// Anordnen", loading) moves the view.
#pragma once

#include <map>

#include <QMdiSubWindow>

#include "rahmen/kindform.h"


class KindView : public QMdiSubWindow {
    Q_OBJECT

public:
    // inhalt: the client widget; a plain one when the view draws nothing itself.
    explicit KindView(TkindForm& fenster, QWidget* inhalt = nullptr);
    ~KindView() override;

    TkindForm& fenster() const { return fenster_; }
    QWidget* inhalt() const { return inhalt_; }

    // The title bar's buttons, given with the view to the work area.
    Qt::WindowFlags flaggen() const;
    // Re-reads the window: caption, place, size, state and the controls.
    void auffrischen();
    // How often auffrischen ran (the redraw is coalesced).
    int auffrischungen() const { return auffrischungen_; }

    // What the style adds around a client: border and title bar.
    static QSize rahmen();
    // The view of a game window, or nullptr when it has none (any more).
    static KindView* zu(const TkindForm& fenster);

    // The client as the view shows it: the window's client size and what
    // the view adds below it of its own.
    QSize clientGroesse() const;

protected:
    // The view's own controls, after place and size are set.
    virtual void inhaltAuffrischen() {}
    // Room the view shows below the window's client area that the game does
    // not know of (the herd's list of animals): it is never reported back,
    // so the window's size and the save file stay the game's.
    virtual int zusatzHoehe() const { return 0; }

    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    // A caption the title bar cuts is shown whole as the title's hint.
    bool event(QEvent* e) override;

private:
    void platzUebernehmen();
    void groesseSetzen();
    void melden();
    bool fensterNormal() const;
    FensterZustand zustand() const;

    TkindForm& fenster_;
    QWidget* inhalt_;
    bool uebernehmen_ = false;     // setting what the window says: nothing to report
    // The window's place could not be set while the view was minimized or
    // maximized: it is set when the view is restored.
    bool platzOffen_ = false;
    bool wiederherstellen_ = false;  // restoring: Qt's remembered place is not the player's
    // What the view showed when it last took over from the window or told it
    // something: only a change against this is the player's doing. (Qt also
    // sends events that change nothing, e.g. on activation, and they must not
    // carry an old place back over a change of the window's that the view
    // has not shown yet.)
    QRect bekannterPlatz_;
    FensterZustand bekannterZustand_ = FensterZustand::normal;
    int auffrischungen_ = 0;

    static std::map<const TkindForm*, KindView*>& register_();
};

#include "ui/hauptfenster.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include "app/kindform.h"
#include "app/mainform.h"
#include "spiel.h"
#include "ui/views/hofbuchfenster.h"
#include "ui/fensterverwaltung.h"
#include "ui/hilfetaste.h"
#include "ui/kindview.h"
#include "ui/qtplattform.h"
#include "ui/sicher.h"
#include "ui/ueberdialog.h"
#include "ui/viewregister.h"
#include "ui/weiterfrage.h"

HauptFenster::HauptFenster(Spiel& spiel, QtPlattform& plattform)
    : spiel_(spiel), plattform_(plattform), flaeche_(new QMdiArea(this)) {
    setWindowTitle(QString::fromStdString(spiel_.frame().caption));
    flaeche_->setBackground(QColor(0, 128, 0));
    // A window partly outside the working area can be scrolled to.
    flaeche_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    flaeche_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    flaeche_->horizontalScrollBar()->setAccessibleName(QStringLiteral("Arbeitsfläche waagerecht verschieben"));
    flaeche_->verticalScrollBar()->setAccessibleName(QStringLiteral("Arbeitsfläche senkrecht verschieben"));
    setCentralWidget(flaeche_);
    flaeche_->viewport()->installEventFilter(this);
    menueAnlegen();
    plattform_.setzeHauptfenster(this);

    for (TkindForm* f : spiel_.fenster()) {
        KindView* v = ViewRegister::alle().erzeugeView(*f);
        flaeche_->addSubWindow(v, v->flaggen());
        views_.push_back(v);
        v->auffrischen();
        if (!v->isMinimized()) v->show();
    }
    connect(flaeche_, &QMdiArea::subWindowActivated, this, &HauptFenster::aktiviert);
}

HauptFenster::~HauptFenster() {
    // The subwindows go after this object: what they report on the way must
    // not reach it any more.
    beendet_ = true;
    disconnect(flaeche_, nullptr, this, nullptr);
    flaeche_->viewport()->removeEventFilter(this);
    plattform_.setzeHauptfenster(nullptr);
}

QRect HauptFenster::entwurf() { return {340, 202, 423, 294}; }

void HauptFenster::menueAnlegen() {
    QMenu* trevo = menuBar()->addMenu(QStringLiteral("&Trevo"));
    neuesSpiel_ = trevo->addAction(QStringLiteral("&Neues Spiel"));
    neuesSpiel_->setShortcut(QKeySequence::New);
    anordnen_ = trevo->addAction(QStringLiteral("Fenster &Anordnen"));
    musik_ = trevo->addAction(QStringLiteral("Hintergrund&musik ein-/ausschalten"));
    hofbuch_ = trevo->addAction(QStringLiteral("Hof&buch"));
    weiterFragen_ = trevo->addAction(QStringLiteral("Vor \u201EWeiter\u201C bei Verlusten &fragen"));
    weiterFragen_->setCheckable(true);
    weiterFragen_->setChecked(vorWeiterFragen());
    // The box's "Nicht mehr fragen" turns it off; the menu shows it as it is.
    connect(trevo, &QMenu::aboutToShow, weiterFragen_, [this] { weiterFragen_->setChecked(vorWeiterFragen()); });
    connect(weiterFragen_, &QAction::toggled, this, [](bool an) { setzeVorWeiterFragen(an); });
    trevo->addSeparator();
    ende_ = trevo->addAction(QStringLiteral("Programm be&enden"));
    ende_->setShortcut(QKeySequence::Quit);
    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    // A screen reader names an open menu by its window title.
    trevo->setWindowTitle(QStringLiteral("Trevo"));
    hilfe->setWindowTitle(QStringLiteral("Hilfe"));
    hilfe_ = hilfe->addAction(QStringLiteral("&Handbuch"));
    hilfe_->setShortcut(QKeySequence(Qt::Key_F1));
    ueber_ = hilfe->addAction(QStringLiteral("Ü&ber Trevo"));

    connect(neuesSpiel_, &QAction::triggered, this, [] {
        sicher([] {
            if (MainForm) MainForm->NeuesSpiel1Click();
        });
    });
    connect(anordnen_, &QAction::triggered, this, [] {
        sicher([] {
            if (MainForm) MainForm->FensterAnordnen1Click();
        });
    });
    connect(musik_, &QAction::triggered, this, [] {
        sicher([] {
            if (MainForm) MainForm->MusikAnAusClick();
        });
    });
    // The guide at the chapter of the game window the player is in; with
    // none active, at its contents.
    connect(hilfe_, &QAction::triggered, this, [this] {
        sicher([this] {
            auto* v = qobject_cast<KindView*>(flaeche_->activeSubWindow());
            const QString kapitel = v ? hilfeKapitel(v->fenster()) : QString();
            if (!kapitel.isEmpty())
                hilfeOeffnen(this, kapitel);
            else if (MainForm)
                MainForm->hilfeClick();
        });
    });
    connect(ueber_, &QAction::triggered, this, [this] { ueberTrevo(this); });
    connect(hofbuch_, &QAction::triggered, this, [this] {
        if (!hofbuchFenster_) {
            hofbuchFenster_ = new HofbuchFenster(spiel_.hofbuch(), this);
            hofbuchFenster_->setAttribute(Qt::WA_DeleteOnClose);
            // Over the middle of the frame, where the player looks.
            QRect platz = hofbuchFenster_->frameGeometry();
            platz.moveCenter(frameGeometry().center());
            hofbuchFenster_->move(platz.topLeft());
        }
        hofbuchFenster_->show();
        hofbuchFenster_->raise();
        hofbuchFenster_->activateWindow();
    });
    // Closing the frame ends the game, whichever way it is closed.
    connect(ende_, &QAction::triggered, this, &QWidget::close);
}

void HauptFenster::starten() {
    setGeometry(entwurf());
    if (ohneFensterverwaltung()) {
        // Nobody will maximize the frame (or not before its first picture):
        // it comes up at its final size. Without a window manager nothing
        // restores it either.
        setWindowState(Qt::WindowMaximized);
        if (QScreen* s = screen()) setGeometry(s->availableGeometry());
        show();
    } else {
        showMaximized();
    }
    QTimer::singleShot(0, this, &HauptFenster::startAbschliessen);
    QTimer::singleShot(300, this, &HauptFenster::ohneFensterverwaltungMaximieren);
    // Music waits for the first picture; a frame that starts hidden or is
    // never painted gets it after a while all the same.
    connect(this, &HauptFenster::erstesBild, &plattform_, &QtPlattform::startVorbei);
    QTimer::singleShot(3000, &plattform_, &QtPlattform::startVorbei);
}

void HauptFenster::startAbschliessen() {
    // Qt has activated every subwindow in its own order; the active one must
    // be the game's most recent window, else the player's first click on
    // the window Qt left active would be no activation for Qt but one for
    // the game (its sound, its place in the list), and a click on the
    // game's front window one for Qt but none for the game. The front window
    // is active even when minimized, as it is in the game; with no game
    // window at all none is.
    QMdiSubWindow* vorne = nullptr;
    if (MainForm && !MainForm->kinder().empty()) {
        for (KindView* v : views_)
            if (&v->fenster() == MainForm->kinder().front()) vorne = v;
    }
    flaeche_->setActiveSubWindow(vorne);
    letzteAktiv_ = flaeche_->activeSubWindow();
    gestartet_ = true;
}

void HauptFenster::ohneFensterverwaltungMaximieren() {
    // Without a window manager (a bare X server) nobody acts on the wish to
    // be maximized, and the frame would stay at its designed size.
    if (isMaximized() && geometry() == entwurf())
        if (QScreen* s = screen()) setGeometry(s->availableGeometry());
}

void HauptFenster::aktiviert(QMdiSubWindow* fenster) {
    // Qt's activations while the frame comes up are not the player's; and a
    // frame that loses and regains the focus activates the same window again.
    if (!gestartet_ || beendet_ || !fenster || fenster == letzteAktiv_) return;
    letzteAktiv_ = fenster;
    auto* v = qobject_cast<KindView*>(fenster);
    if (!v) return;
    sicher([v] {
        if (MainForm) MainForm->aktiviert(&v->fenster());
    });
}

KindView* HauptFenster::view(const std::string& name) const {
    for (KindView* v : views_)
        if (v->fenster().name() == name) return v;
    return nullptr;
}

void HauptFenster::closeEvent(QCloseEvent* e) {
    // The orderly end follows when the event loop is over; from here on
    // nothing the subwindows do is the player's.
    beendet_ = true;
    e->accept();
    emit geschlossen();
}

bool HauptFenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (!gemalt_ && objekt == flaeche_->viewport() && ereignis->type() == QEvent::Paint) {
        gemalt_ = true;
        // After this paint has reached the screen.
        QTimer::singleShot(0, this, &HauptFenster::erstesBild);
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

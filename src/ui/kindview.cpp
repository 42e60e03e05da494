#include "ui/kindview.h"

#include <QCloseEvent>
#include <QHelpEvent>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QToolTip>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTimer>

#include "rahmen/kindform.h"
#include "ui/nachrichten.h"
#include "ui/sicher.h"

KindView::KindView(TkindForm& fenster, QWidget* inhalt) : fenster_(fenster), inhalt_(inhalt ? inhalt : new QWidget) {
    // The client gets its size before it goes in, so the subwindow takes its
    // size from it.
    inhalt_->setFixedSize(fenster_.clientWidth, fenster_.clientHeight);
    setWidget(inhalt_);
    // Its title-bar flags come with it into the work area (flaggen()), and
    // the caption follows in auffrischen(): set here, without a parent, the
    // flags would make it a top-level window that the area sets up a second
    // time, and Qt measures and shortens a title on every step of taking a
    // subwindow in.
    setObjectName(QString::fromStdString(fenster_.name()));
    if (!fenster_.sizeable) {
        // Qt offers "Size" on every subwindow; a window of fixed size would
        // only show the resize cursor. Qt shows it again on each change of
        // state, so it goes just before the menu opens.
        QMenu* menue = systemMenu();
        // Qt's own text in Qt's own translation: named through a variable,
        // so that the game's translation file does not take it up.
        static constexpr char qtKontext[] = "QMdiSubWindow";
        const QString groesse = QCoreApplication::translate(qtKontext, "&Size");
        connect(menue, &QMenu::aboutToShow, this, [menue, groesse] {
            for (QAction* a : menue->actions())
                if (a->text() == groesse) a->setVisible(false);
        });
    }
    register_()[&fenster_] = this;
}

KindView::~KindView() { register_().erase(&fenster_); }

Qt::WindowFlags KindView::flaggen() const {
    Qt::WindowFlags f = Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                        Qt::WindowCloseButtonHint;
    if (fenster_.sizeable) f |= Qt::WindowMaximizeButtonHint;
    return f;
}

std::map<const TkindForm*, KindView*>& KindView::register_() {
    static std::map<const TkindForm*, KindView*> r;
    return r;
}

KindView* KindView::zu(const TkindForm& fenster) {
    const auto it = register_().find(&fenster);
    return it == register_().end() ? nullptr : it->second;
}

QSize KindView::rahmen() {
    static const QSize gemessen = [] {
        // A client wide enough that the title bar's own minimum plays no part.
        // The subwindow sizes its border only inside a parent; a plain one
        // will do and spares the work area's own set-up of a window.
        const QSize client(400, 300);
        QWidget eltern;
        auto* fenster = new QMdiSubWindow(&eltern);
        auto* probe = new QWidget;
        probe->setFixedSize(client);
        fenster->setWidget(probe);
        return fenster->sizeHint() - client;
    }();
    return gemessen;
}

bool KindView::fensterNormal() const { return !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)); }

FensterZustand KindView::zustand() const {
    if (isMinimized()) return FensterZustand::minimiert;
    if (isMaximized()) return FensterZustand::maximiert;
    return FensterZustand::normal;
}

void KindView::auffrischen() {
    ++auffrischungen_;
    setWindowTitle(kernText(fenster_.caption));
    platzUebernehmen();
    inhaltAuffrischen();
    inhalt_->update();
}

QSize KindView::clientGroesse() const { return {fenster_.clientWidth, fenster_.clientHeight + zusatzHoehe()}; }

void KindView::groesseSetzen() {
    const QSize client = clientGroesse();
    const QSize aussen = client + rahmen();
    if (fenster_.sizeable) {
        inhalt_->setMinimumSize(0, 0);
        inhalt_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(aussen);
    } else {
        inhalt_->setFixedSize(client);
        setFixedSize(aussen);
    }
}

void KindView::platzUebernehmen() {
    QScopedValueRollback<bool> wache(uebernehmen_, true);
    const FensterZustand soll = fenster_.windowState;
    if (soll == FensterZustand::normal && !fensterNormal()) showNormal();
    if (fensterNormal()) {
        groesseSetzen();
        move(fenster_.left, fenster_.top);
        platzOffen_ = false;
        bekannterPlatz_ = QRect(pos(), size() - rahmen() - QSize(0, zusatzHoehe()));
    } else {
        platzOffen_ = true;
    }
    if (soll == FensterZustand::minimiert && !isMinimized()) {
        showMinimized();
        platzOffen_ = true;
    } else if (soll == FensterZustand::maximiert && !isMaximized()) {
        showMaximized();
        platzOffen_ = true;
    }
    bekannterZustand_ = zustand();
}

void KindView::melden() {
    if (uebernehmen_) return;
    const FensterZustand z = zustand();
    if (z != FensterZustand::normal) {
        // While minimized or maximized the window keeps its normal place.
        platzOffen_ = true;
        if (z == bekannterZustand_) return;
        bekannterZustand_ = z;
        fenster_.gezogen(fenster_.left, fenster_.top, fenster_.clientWidth, fenster_.clientHeight, z);
        return;
    }
    if (wiederherstellen_) return;
    if (platzOffen_) {
        // Restored: back to the window's own place, which may have changed
        // while the view was minimized ("Fenster Anordnen", a new game). Qt
        // restores the place it remembered, maybe after this event, so the
        // window's place is set once more when Qt is done.
        platzOffen_ = false;
        wiederherstellen_ = true;
        bekannterZustand_ = FensterZustand::normal;
        fenster_.gezogen(fenster_.left, fenster_.top, fenster_.clientWidth, fenster_.clientHeight,
                         FensterZustand::normal);
        platzUebernehmen();
        QTimer::singleShot(0, this, [this] {
            wiederherstellen_ = false;
            sicher([this] { platzUebernehmen(); });
        });
        return;
    }
    const QRect jetzt(pos(), size() - rahmen() - QSize(0, zusatzHoehe()));
    if (jetzt == bekannterPlatz_ && bekannterZustand_ == FensterZustand::normal) return;
    bekannterPlatz_ = jetzt;
    bekannterZustand_ = FensterZustand::normal;
    fenster_.gezogen(jetzt.x(), jetzt.y(), jetzt.width(), jetzt.height(), FensterZustand::normal);
}

void KindView::closeEvent(QCloseEvent* e) {
    // A game window is never closed: its close box minimizes it.
    e->ignore();
    if (!isMinimized()) showMinimized();
    // Qt keeps the minimized window active; the most recent window that is
    // not minimized takes over, as the player expects.
    if (QMdiArea* flaeche = mdiArea()) {
        const auto liste = flaeche->subWindowList(QMdiArea::ActivationHistoryOrder);
        for (auto it = liste.rbegin(); it != liste.rend(); ++it) {
            if (*it != this && !(*it)->isMinimized() && (*it)->isVisible()) {
                flaeche->setActiveSubWindow(*it);
                break;
            }
        }
    }
}

void KindView::moveEvent(QMoveEvent* e) {
    QMdiSubWindow::moveEvent(e);
    melden();
}

void KindView::resizeEvent(QResizeEvent* e) {
    QMdiSubWindow::resizeEvent(e);
    melden();
}

void KindView::changeEvent(QEvent* e) {
    QMdiSubWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) melden();
}

bool KindView::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip && !isMinimized()) {
        auto* frage = static_cast<QHelpEvent*>(e);
        QStyleOptionTitleBar titel;
        titel.initFrom(this);
        titel.text = windowTitle();
        titel.titleBarFlags = windowFlags();
        titel.titleBarState = static_cast<int>(windowState());
        titel.subControls = QStyle::SC_All;
        titel.rect = QRect(0, 0, width(), style()->pixelMetric(QStyle::PM_TitleBarHeight, &titel, this));
        const QRect platz = style()->subControlRect(QStyle::CC_TitleBar, &titel, QStyle::SC_TitleBarLabel, this);
        if (platz.contains(frage->pos()) && fontMetrics().horizontalAdvance(windowTitle()) > platz.width()) {
            QToolTip::showText(frage->globalPos(), windowTitle(), this, platz);
            return true;
        }
    }
    return QMdiSubWindow::event(e);
}

#include "ui/schirmwache.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QRect einpassen(QRect fenster, QMargins rahmen, QRect frei, QSize minimum) {
    const QRect innen = frei.marginsRemoved(rahmen);
    fenster.setWidth(std::max(std::min(fenster.width(), innen.width()), minimum.width()));
    fenster.setHeight(std::max(std::min(fenster.height(), innen.height()), minimum.height()));
    // The top-left corner last: a window larger than the screen even at its
    // smallest shows its title bar and its top left.
    fenster.moveRight(std::min(fenster.right(), innen.right()));
    fenster.moveBottom(std::min(fenster.bottom(), innen.bottom()));
    fenster.moveLeft(std::max(fenster.left(), innen.left()));
    fenster.moveTop(std::max(fenster.top(), innen.top()));
    return fenster;
}

SchirmWache::SchirmWache(QWidget* rahmen) : QObject(rahmen), rahmen_(rahmen) { qApp->installEventFilter(this); }

SchirmWache::~SchirmWache() { qApp->removeEventFilter(this); }

void SchirmWache::einpassen(QWidget* w) const {
    if (!rahmen_ || !w) return;
    const QScreen* schirm = rahmen_->screen();
    if (!schirm) return;
    // The window's border where it has one already, else the one a window
    // manager put around the frame (none without one).
    const auto randVon = [](const QWidget* f) {
        const QRect a = f->frameGeometry();
        const QRect i = f->geometry();
        return QMargins(i.left() - a.left(), i.top() - a.top(), a.right() - i.right(), a.bottom() - i.bottom());
    };
    QMargins rand = w->frameGeometry() != w->geometry() ? randVon(w) : randVon(rahmen_);
    if (!rahmen_->isVisible() && w->frameGeometry() == w->geometry()) rand = {};
    const QRect vorher = w->geometry();
    const QRect nachher = ::einpassen(vorher, rand, schirm->availableGeometry(), w->minimumSize());
    if (nachher != vorher) w->setGeometry(nachher);
}

bool SchirmWache::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::Show && objekt->isWidgetType()) {
        auto* w = static_cast<QWidget*>(objekt);
        const Qt::WindowType art = w->windowType();
        if (w->isWindow() && w != rahmen_ && (art == Qt::Window || art == Qt::Dialog || art == Qt::Tool))
            einpassen(w);
    }
    return QObject::eventFilter(objekt, ereignis);
}

// Small helpers that carry the game's control contents onto Qt widgets.
#pragma once

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <vector>

#include "rahmen/steuerelemente.h"
#include "ui/nachrichten.h"
#include "ui/qtplattform.h"

// Where a small dialog of the given size goes when the game wants it at
// ort: near a screen edge it is pulled in so that it can always be seen
// whole.
inline QPoint aufDemSchirm(QPoint ort, QSize groesse) {
    if (const QScreen* schirm = QGuiApplication::screenAt(QCursor::pos())) {
        const QRect frei = schirm->availableGeometry();
        ort.setX(std::clamp(ort.x(), frei.left(), std::max(frei.left(), frei.right() + 1 - groesse.width())));
        ort.setY(std::clamp(ort.y(), frei.top(), std::max(frei.top(), frei.bottom() + 1 - groesse.height())));
    }
    return ort;
}

// A label at its designed top-left corner, as wide and high as its text.
inline QLabel* neuesLabel(QWidget* eltern, int links, int oben) {
    auto* l = new QLabel(eltern);
    l->setTextFormat(Qt::PlainText);
    l->move(links, oben);
    return l;
}

inline void uebernehmen(QLabel* widget, const Label& label) {
    const QString text = kernText(label.caption);
    if (widget->text() != text) {
        widget->setText(text);
        widget->adjustSize();
    }
    widget->setVisible(label.visible);
}

inline void uebernehmen(QPushButton* widget, const Button& knopf) {
    widget->setText(kernText(knopf.caption));
    widget->setToolTip(knopf.showHint ? kernText(knopf.hint) : QString());
    widget->setVisible(knopf.visible);
}

// The letter after '&' in a caption, lower case, or none.
inline QChar kuerzelVon(const QString& text) {
    const qsizetype i = text.indexOf(QLatin1Char('&'));
    return i >= 0 && i + 1 < text.size() ? text[i + 1].toLower() : QChar();
}

// Gives each button without one a mnemonic: the first letter of its caption
// that is not yet a key in belegt (lower case), which grows by it.
template <class Knopf>
void kuerzelVergeben(const std::vector<Knopf*>& knoepfe, QString& belegt) {
    for (Knopf* k : knoepfe) {
        QString text = k->text();
        if (text.contains(QLatin1Char('&'))) continue;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i].toLower();
            if (c.isLetter() && !belegt.contains(c)) {
                text.insert(i, QLatin1Char('&'));
                belegt += c;
                break;
            }
        }
        k->setText(text);
    }
}

// A label the player can click (a hand over it).
class KlickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void geklickt();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit geklickt();
        QLabel::mouseReleaseEvent(e);
    }
};

// A button that also tells of a mouse button going down on it, the right
// one included (which never clicks it).
class DrueckKnopf : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

signals:
    void gedrueckt(Qt::MouseButton taste);

protected:
    void mousePressEvent(QMouseEvent* e) override {
        emit gedrueckt(e->button());
        QPushButton::mousePressEvent(e);
    }
};

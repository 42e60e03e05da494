// Keeps every window of its own (the logbook, the guide, "Über Trevo", the
// game's dialogs and message boxes) wholly on the screen that holds the
// frame, at any scale: when one is shown it is made no larger than that
// screen's free area and moved inside it.
#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of geometry fenster (without its border) goes on the free
// area frei, its border rahmen around it, no smaller than minimum: shrunk
// to fit, then moved in, nearest to where it was.
QRect einpassen(QRect fenster, QMargins rahmen, QRect frei, QSize minimum);

class SchirmWache : public QObject {
    Q_OBJECT

public:
    // Watches every top-level window the application shows, besides rahmen.
    explicit SchirmWache(QWidget* rahmen);
    ~SchirmWache() override;

    // Puts one window onto the frame's screen now.
    void einpassen(QWidget* fenster) const;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QPointer<QWidget> rahmen_;
};

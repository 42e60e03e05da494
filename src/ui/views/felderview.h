// The field map: a sizeable window whose client scrolls over the drawn map
// of the surroundings with the five fields on it. Pointing and clicking go
// to the game's paint control, which draws the fields and answers a click
// with the lease offer or the field work dialog.
#pragma once

#include <QPoint>

#include <cstddef>
#include <vector>
#include <QWidget>

#include "ui/kindview.h"

class QScrollArea;
class QSvgRenderer;
class TFelderForm;

// The map itself, 540 x 380: the window's olive, the artwork stretched over
// it, then the fields as the game draws them.
class FelderKarte : public QWidget {
    Q_OBJECT

public:
    explicit FelderKarte(TFelderForm& form);

    TFelderForm& form() const { return form_; }
    // A click on the field in slot nummer + 1, as the mouse would make it
    // (a screen reader's "press").
    void feldKlicken(std::size_t nummer);
    // The fields changed (a lease, a work, a month): the hint under a still
    // pointer and what a screen reader hears follow at once.
    void felderGeaendert();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    // The keys 1 to 5 click the field of that number, as the mouse would.
    void keyPressEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    // Tells the game where the pointer is and shows the cursor and hint it
    // asks for.
    void zeigerBei(QPoint p);
    void zeigerUebernehmen();

    TFelderForm& form_;
    QSvgRenderer* bild_;  // the artwork, read once
    QPoint letzterPunkt_{-1, -1};
    std::vector<QString> beschreibungen_;  // as a screen reader last heard them
    bool gedrueckt_ = false;
};

class FelderView : public KindView {
    Q_OBJECT

public:
    explicit FelderView(TFelderForm& fenster);

    QScrollArea* rollbereich() const { return rollen_; }
    FelderKarte* karte() const { return karte_; }

protected:
    void inhaltAuffrischen() override;
    void resizeEvent(QResizeEvent* e) override;

private:
    FelderView(TFelderForm& fenster, QScrollArea* rollen, FelderKarte* karte);
    // Scrolls the least that brings every field into view, where the map's
    // window is large enough for them all.
    void hofZeigen();

    TFelderForm& form_;
    QScrollArea* rollen_;
    FelderKarte* karte_;
};

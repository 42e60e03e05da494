// "Nebeneinander": every game window at its own size inside the working
// area, in rows by kind (control panel, statement and prices; the stores;
// the herds; the field map; any other window), with no overlap where the
// area has room and over each other, every title bar left free, where it
// has not.
#pragma once

#include <QPoint>
#include <QSize>

#include <cstddef>
#include <vector>

class TkindForm;

struct Stueck {
    int reihe = 0;  // the row of its kind, 0..4
    QSize groesse;  // outer size
    // Where windows must lie over each other, none lies over this one (the
    // control panel with "Weiter"); of the others only the title bar stays
    // free.
    bool ganzZeigen = false;
};

// The row a game window goes into.
int reiheVon(const TkindForm& fenster);

// The top-left corners, in the order given. The named kinds' rows, where
// they fit one below the other, with any other window in the highest, then
// leftmost, free place beside them; where the rows do not fit, every window
// takes such a place. A window that finds none lies inside the area over
// others where it covers least, and over no title bar (titel high) where it
// can (it runs beyond only where it is larger than the area). stapel, where
// given, gets the order they are placed in: where windows lie over each
// other, each is to lie above those before it.
std::vector<QPoint> nebeneinander(const std::vector<Stueck>& stuecke, QSize flaeche, int titel = 0,
                                  std::vector<std::size_t>* stapel = nullptr);

// "Nebeneinander": every game window at its own size inside the working
// area, in rows by kind (control panel, statement and prices; the stores;
// the herds; the field map; any other window), with no overlap where the
// area has room.
#pragma once

#include <QPoint>
#include <QSize>

#include <vector>

class TkindForm;

struct Stueck {
    int reihe = 0;  // the row of its kind, 0..4
    QSize groesse;  // outer size
};

// The row a game window goes into.
int reiheVon(const TkindForm& fenster);

// The top-left corners, in the order given. Rows that fit one below the
// other are kept so; where they do not, each window takes the highest, then
// leftmost, free place, and only what finds none runs beyond the bottom.
std::vector<QPoint> nebeneinander(const std::vector<Stueck>& stuecke, QSize flaeche);

// A bulk store: a goods window with a fill-level picture and right-click
// trades (buy up to the capacity, sell everything).
#pragma once

#include "rahmen/canvas.h"
#include "goods/gutform.h"

// What tells one store from another: its window, its good, the colour of
// its fill, its capacity and stock in a new game, and its place.
struct Lagerart {
    const char* name;
    const char* caption;
    const int32_t* gut;  // the good's number, handed out by the price list
    Farbe farbe;
    int32_t kapazitaet;
    int32_t bestand;
    int32_t left;
    int32_t top;
};

class TSiloForm : public TgutForm {
public:
    explicit TSiloForm(const Lagerart& art);

    const Lagerart& art;
    Farbe farbe{0, 128, 0};

    void neu() override;
    void platz() override;
    void beschreiben(Beschreiber& b) override;
    bool setzeMenge(int32_t v) override;
    void setzeMaxMenge(int32_t v) override;

    // Draws the silo with its fill level onto the window's client area.
    void zeichneFuellstand(Canvas& c) const;
    // The number of the body's 60 pixel rows that the stock fills.
    int32_t fuellZeilen() const;
    // A mouse button went down on a trade button; only the right one trades.
    void KVButtonMouseDown(const Button& sender, bool rechts);
};

// a × b / c to the nearest integer, halves away from zero, without overflow.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

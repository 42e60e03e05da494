// What the game draws, in the terms of the classic window canvas: a pen and a
// brush colour, lines and filled shapes. The face implements it on QPainter,
// the tests on a pixel buffer.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "rahmen/plattform.h"

struct Farbe {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend bool operator==(const Farbe&, const Farbe&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void setzeStift(Farbe f) = 0;   // pen: one pixel wide, solid
    virtual void setzePinsel(Farbe f) = 0;  // brush: solid
    // A line from (x1, y1) to (x2, y2); the end point itself is not drawn.
    virtual void linie(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    // Covers the pixels l..r-1 and t..b-1: outlined with the pen, filled with
    // the brush. An empty rectangle draws nothing.
    virtual void rechteck(int32_t l, int32_t t, int32_t r, int32_t b) = 0;
    // A closed polygon, filled with the brush by the even-odd rule and
    // outlined with the pen.
    virtual void polygon(const std::vector<Punkt>& ecken) = 0;
    // The system's button-face colour, the windows' background.
    virtual Farbe knopfFarbe() const = 0;
};

// The pixels of a line from (x1, y1) towards (x2, y2) in drawing order, the
// end point left out, as the classic canvas draws them (Bresenham). punkt(x, y)
// is called for each; it is inlined, since a line has hundreds of them.
template <class JePunkt>
void linienPunkte(int32_t x1, int32_t y1, int32_t x2, int32_t y2, JePunkt&& punkt) {
    const int32_t dx = x2 > x1 ? x2 - x1 : x1 - x2, sx = x1 < x2 ? 1 : -1;
    const int32_t dy = -(y2 > y1 ? y2 - y1 : y1 - y2), sy = y1 < y2 ? 1 : -1;
    int32_t fehler = dx + dy;
    while (x1 != x2 || y1 != y2) {
        punkt(x1, y1);
        const int32_t e2 = 2 * fehler;
        if (e2 >= dy) {
            fehler += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            fehler += dx;
            y1 += sy;
        }
    }
}

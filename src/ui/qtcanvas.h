// The game's drawings on a QPainter, pixel for pixel as the classic window
// canvas draws them: lines leave out their end point, rectangles cover
// l..r-1 x t..b-1, polygons fill by the even-odd rule.
#pragma once

#include <QColor>
#include <QPalette>

#include "rahmen/canvas.h"

class QPainter;
class QRect;

class QtCanvas : public Canvas {
public:
    // palette gives the button-face colour.
    QtCanvas(QPainter& painter, const QPalette& palette);

    void setzeStift(Farbe f) override;
    void setzePinsel(Farbe f) override;
    void linie(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void rechteck(int32_t l, int32_t t, int32_t r, int32_t b) override;
    void polygon(const std::vector<Punkt>& ecken) override;
    Farbe knopfFarbe() const override;

private:
    // Fills whole pixels, so that the drawing scales with the painter on
    // high-density screens instead of thinning to device pixels.
    void flaeche(int32_t x, int32_t y, int32_t breite, int32_t hoehe, const QColor& farbe);
    // Several at once, pixel for pixel as flaeche.
    void flaechen(const std::vector<QRect>& rechtecke, const QColor& farbe);
    // A line's runs of pixels, row by row, added to laeufe.
    static void linieSammeln(int32_t x1, int32_t y1, int32_t x2, int32_t y2, std::vector<QRect>& laeufe);

    QPainter& p_;
    QColor stift_{0, 0, 0};
    QColor pinsel_{255, 255, 255};
    QColor knopf_;
};

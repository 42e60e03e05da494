#include "ui/qtcanvas.h"

#include <QPainter>
#include <QRect>
#include <QPolygon>
#include <QRegion>

#include <cstdlib>
#include <utility>

namespace {
QColor alsQt(Farbe f) { return {f.r, f.g, f.b}; }
}  // namespace

QtCanvas::QtCanvas(QPainter& painter, const QPalette& palette)
    : p_(painter), knopf_(palette.color(QPalette::Button)) {}

void QtCanvas::setzeStift(Farbe f) { stift_ = alsQt(f); }

void QtCanvas::setzePinsel(Farbe f) { pinsel_ = alsQt(f); }

Farbe QtCanvas::knopfFarbe() const {
    return {static_cast<uint8_t>(knopf_.red()), static_cast<uint8_t>(knopf_.green()),
            static_cast<uint8_t>(knopf_.blue())};
}

void QtCanvas::flaeche(int32_t x, int32_t y, int32_t breite, int32_t hoehe, const QColor& farbe) {
    if (breite > 0 && hoehe > 0) p_.fillRect(QRect(x, y, breite, hoehe), farbe);
}

void QtCanvas::flaechen(const std::vector<QRect>& rechtecke, const QColor& farbe) {
    if (rechtecke.empty()) return;
    if (p_.deviceTransform().type() > QTransform::TxTranslate || p_.testRenderHint(QPainter::Antialiasing)) {
        for (const QRect& r : rechtecke) p_.fillRect(r, farbe);
        return;
    }
    // Unscaled, Qt fills each rectangle of one call exactly as fillRect
    // does, and a line or a field has hundreds of them.
    p_.save();
    p_.setPen(Qt::NoPen);
    p_.setBrush(farbe);
    p_.drawRects(rechtecke.data(), static_cast<int>(rechtecke.size()));
    p_.restore();
}

void QtCanvas::linie(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    std::vector<QRect> laeufe;
    linieSammeln(x1, y1, x2, y2, laeufe);
    flaechen(laeufe, stift_);
}

void QtCanvas::linieSammeln(int32_t x1, int32_t y1, int32_t x2, int32_t y2, std::vector<QRect>& laeufe) {
    // Pixels of one row are filled as one run.
    int32_t laufAnfang = 0, laufEnde = 0, laufZeile = 0;
    bool lauf = false;
    auto ausgeben = [&] {
        if (lauf) laeufe.emplace_back(std::min(laufAnfang, laufEnde), laufZeile, std::abs(laufEnde - laufAnfang) + 1, 1);
    };
    linienPunkte(x1, y1, x2, y2, [&](int32_t x, int32_t y) {
        if (lauf && y == laufZeile) {
            laufEnde = x;
            return;
        }
        ausgeben();
        lauf = true;
        laufAnfang = laufEnde = x;
        laufZeile = y;
    });
    ausgeben();
}

void QtCanvas::rechteck(int32_t l, int32_t t, int32_t r, int32_t b) {
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    if (r <= l || b <= t) return;
    flaeche(l + 1, t + 1, r - l - 2, b - t - 2, pinsel_);
    flaeche(l, t, r - l, 1, stift_);
    flaeche(l, b - 1, r - l, 1, stift_);
    flaeche(l, t, 1, b - t, stift_);
    flaeche(r - 1, t, 1, b - t, stift_);
}

void QtCanvas::polygon(const std::vector<Punkt>& ecken) {
    if (ecken.empty()) return;
    QPolygon umriss;
    for (const Punkt& e : ecken) umriss << QPoint(e.x, e.y);
    // The fill covers the pixels whose top-left corner lies inside by the
    // even-odd rule, the same pixels QPolygon::containsPoint finds, so what
    // is drawn and what a click hits agree.
    const QRegion innen(umriss, Qt::OddEvenFill);
    flaechen(std::vector<QRect>(innen.begin(), innen.end()), pinsel_);
    std::vector<QRect> rand;
    for (std::size_t i = 0; i < ecken.size(); ++i) {
        const Punkt& a = ecken[i];
        const Punkt& e = ecken[(i + 1) % ecken.size()];
        linieSammeln(a.x, a.y, e.x, e.y, rand);
    }
    flaechen(rand, stift_);
}

// A canvas on a small pixel buffer, following the classic window canvas's
// conventions, so that drawings can be checked pixel by pixel.
#pragma once

#include <cstdlib>
#include <vector>

#include "rahmen/canvas.h"

class PixelCanvas : public Canvas {
public:
    static constexpr Farbe hintergrund{1, 2, 3};
    static constexpr Farbe knopf{240, 240, 240};

    PixelCanvas(int32_t breite, int32_t hoehe)
        : breite_(breite), hoehe_(hoehe), pixel_(static_cast<std::size_t>(breite * hoehe), hintergrund) {}

    Farbe at(int32_t x, int32_t y) const { return pixel_[static_cast<std::size_t>(y * breite_ + x)]; }
    int32_t gezeichnet() const {
        int32_t n = 0;
        for (const Farbe& f : pixel_) n += f == hintergrund ? 0 : 1;
        return n;
    }

    void setzeStift(Farbe f) override { stift_ = f; }
    void setzePinsel(Farbe f) override { pinsel_ = f; }
    Farbe knopfFarbe() const override { return knopf; }

    void linie(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
        linienPunkte(x1, y1, x2, y2, [this](int32_t x, int32_t y) { setze(x, y, stift_); });
    }

    void rechteck(int32_t l, int32_t t, int32_t r, int32_t b) override {
        if (r <= l || b <= t) return;
        for (int32_t y = t; y < b; ++y)
            for (int32_t x = l; x < r; ++x)
                setze(x, y, (x == l || x == r - 1 || y == t || y == b - 1) ? stift_ : pinsel_);
    }

    void polygon(const std::vector<Punkt>& ecken) override {
        // Even-odd fill sampled at the pixel's top-left corner, then the outline.
        for (int32_t y = 0; y < hoehe_; ++y)
            for (int32_t x = 0; x < breite_; ++x)
                if (innen(ecken, x, y)) setze(x, y, pinsel_);
        for (std::size_t i = 0; i < ecken.size(); ++i) {
            const Punkt& a = ecken[i];
            const Punkt& e = ecken[(i + 1) % ecken.size()];
            linie(a.x, a.y, e.x, e.y);
        }
    }

private:
    static bool innen(const std::vector<Punkt>& p, int32_t x, int32_t y) {
        bool drin = false;
        for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
            if ((p[i].y > y) != (p[j].y > y)) {
                const double xs = p[j].x + double(y - p[j].y) * (p[i].x - p[j].x) / double(p[i].y - p[j].y);
                if (x < xs) drin = !drin;
            }
        }
        return drin;
    }
    void setze(int32_t x, int32_t y, Farbe f) {
        if (x >= 0 && y >= 0 && x < breite_ && y < hoehe_) pixel_[static_cast<std::size_t>(y * breite_ + x)] = f;
    }
    int32_t breite_, hoehe_;
    std::vector<Farbe> pixel_;
    Farbe stift_{0, 0, 0};
    Farbe pinsel_{255, 255, 255};
};

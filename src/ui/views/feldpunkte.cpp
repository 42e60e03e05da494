#include "ui/views/feldpunkte.h"

#include <algorithm>

#include "fields/felderform.h"
#include "ui/nachrichten.h"

std::vector<TFeld*> felderDerKarte(const TFelderForm& form) {
    std::vector<TFeld*> liste;
    for (std::size_t i = 1; i < form.felder.size() && form.felder[i]; ++i) liste.push_back(form.felder[i].get());
    return liste;
}

std::span<const Punkt> eckenDes(const TFeld& f) {
    return std::span(f.ecken).first(static_cast<std::size_t>(std::clamp<int32_t>(f.eckenZahl, 0, 9)));
}

std::optional<QPoint> punktIm(const TFeld& f, const TPaintFelder& felder) {
    const auto ecken = eckenDes(f);
    if (ecken.empty()) return std::nullopt;
    int64_t sx = 0;
    int64_t sy = 0;
    for (const Punkt& e : ecken) {
        sx += e.x;
        sy += e.y;
    }
    const auto n = static_cast<int64_t>(ecken.size());
    Punkt p{static_cast<int32_t>(sx / n), static_cast<int32_t>(sy / n)};
    if (!f.enthaelt(p)) {
        auto [xmin, xmax] = std::minmax_element(ecken.begin(), ecken.end(), [](Punkt a, Punkt b) { return a.x < b.x; });
        auto [ymin, ymax] = std::minmax_element(ecken.begin(), ecken.end(), [](Punkt a, Punkt b) { return a.y < b.y; });
        bool gefunden = false;
        for (int32_t y = ymin->y; y <= ymax->y && !gefunden; ++y)
            for (int32_t x = xmin->x; x <= xmax->x && !gefunden; ++x)
                if (f.enthaelt({x, y})) {
                    p = {x, y};
                    gefunden = true;
                }
        if (!gefunden) return std::nullopt;
    }
    return QPoint(p.x + felder.left, p.y + felder.top);
}

QString feldBeschreibung(const TFeld& f) {
    return kernText(f.zustandText() + ", " + std::to_string(f.flaeche) + " ha");
}

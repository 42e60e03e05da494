#include "app/canvas.h"

#include <cstdlib>

void linienPunkte(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                  const std::function<void(int32_t x, int32_t y)>& punkt) {
    const int32_t dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int32_t dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
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

#include "geld/zufall.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <limits>

uint32_t randSeed = 0;

namespace {
void naechsterSeed() { randSeed = randSeed * 134775813u + 1u; }
}  // namespace

int32_t Random(int32_t n) {
    naechsterSeed();
    if (n <= 0) return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(randSeed) * static_cast<uint64_t>(n)) >> 32);
}

long double Random() {
    naechsterSeed();
    return static_cast<long double>(randSeed) / 4294967296.0L;
}

int32_t Round(long double x) {
    // The game never rounds beyond 32 bits; hold such values at the limits
    // rather than invoking undefined behaviour.
    const long double r = std::nearbyintl(x);  // default mode: halves to even
    if (!(r >= static_cast<long double>(std::numeric_limits<int32_t>::min())))
        return std::numeric_limits<int32_t>::min();
    if (r > static_cast<long double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(r);
}

int32_t streuung(int32_t x, int32_t p) { return streuungBei(x, p, Random()); }

int32_t streuungBei(int32_t x, int32_t p, long double r) {
    const long double xx = x;
    const long double pp = p;
    return Round(xx + r * xx * pp * 0.001L - xx * pp * 0.0005L);
}

long double alsSpielReal(long double x) {
    if (x == 0.0L || !std::isfinite(x)) return x;
    int e = 0;
    const long double m = std::frexp(x, &e);  // 0.5 <= |m| < 1
    return std::ldexp(std::nearbyintl(std::ldexp(m, 40)), e - 40);
}

long double streuungReal(int32_t p, long double x) { return streuungRealBei(p, x, Random()); }

long double streuungRealBei(int32_t p, long double x, long double r) {
    const long double pp = p;
    return alsSpielReal(x + r * x * pp * 0.001L - x * pp * 0.0005L);
}

Spanne streuungSpanne(int32_t x, int32_t p) {
    const int64_t a = streuungBei(x, p, 0.0L);
    const int64_t b = streuungBei(x, p, groessterZufall);
    return {std::min(a, b), std::max(a, b)};
}

// The one random generator of the game and the spread functions built on it.
// The seed starts at 0 at every program start and is never taken from the
// clock, so a game depends only on what the player does.
#pragma once

#include <cstdint>

extern uint32_t randSeed;

// 0 … n-1 for n >= 0; Random(0) is 0. Advances the seed once.
int32_t Random(int32_t n);
// [0, 1). Advances the seed once.
long double Random();
// Nearest integer, halves to even.
int32_t Round(long double x);
// x varied at random by up to ±p/2 per mille; one draw.
int32_t streuung(int32_t x, int32_t p);
// What streuung gives for the draw r in [0, 1): no draw of its own, so a
// window can show the span a draw can reach before the player acts.
int32_t streuungBei(int32_t x, int32_t p, long double r);
// The largest value Random() returns.
constexpr long double groessterZufall = 4294967295.0L / 4294967296.0L;
// From the least to the most a draw can bring about; von == bis where
// nothing is left to chance.
struct Spanne {
    int64_t von = 0;
    int64_t bis = 0;
    bool exakt() const { return von == bis; }
    bool enthaelt(int64_t v) const { return v >= von && v <= bis; }
    friend bool operator==(const Spanne&, const Spanne&) = default;
};
// Every value streuung(x, p) can give, from the smallest to the largest draw.
Spanne streuungSpanne(int32_t x, int32_t p);
// The same for a real x (band first), kept at the precision of the game's
// stored reals (40 significant bits); one draw.
long double streuungReal(int32_t p, long double x);
// What streuungReal gives for the draw r.
long double streuungRealBei(int32_t p, long double x, long double r);
// Rounds to the 40-bit significand of the game's stored real type.
long double alsSpielReal(long double x);

// Numbers read from text and added without leaving their type: the one
// parser of the save file, the recovery point and the logbook, and the one
// saturating addition of money and quantities.
#pragma once

#include <cstdint>
#include <limits>
#include <string_view>
#include <type_traits>

// A value as the game writes it: an optional minus and at least one digit,
// nothing else, within the range of T. False (and wert untouched) otherwise.
template <class T>
bool ganzeZahl(std::string_view t, T& wert) {
    static_assert(std::is_integral_v<T> && std::is_signed_v<T>);
    const bool negativ = !t.empty() && t[0] == '-';
    std::size_t i = negativ ? 1 : 0;
    if (i == t.size()) return false;
    const uint64_t grenze = static_cast<uint64_t>(std::numeric_limits<T>::max()) + (negativ ? 1 : 0);
    uint64_t v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return false;
        if (__builtin_mul_overflow(v, uint64_t{10}, &v) || __builtin_add_overflow(v, uint64_t(t[i] - '0'), &v) ||
            v > grenze)
            return false;
    }
    wert = negativ ? static_cast<T>(0 - v) : static_cast<T>(v);
    return true;
}

// A value as a hand-edited file may hold it: blanks and tabs, one sign, then
// digits up to the first other character; no digit reads as 0, and a number
// beyond 64 bits is held at the limit.
int64_t gehalteneZahl(std::string_view t);

// a + b, held at the limits of T instead of wrapping.
template <class T>
T gesaettigt(T a, T b) {
    T s{};
    if (!__builtin_add_overflow(a, b, &s)) return s;
    return b < 0 ? std::numeric_limits<T>::min() : std::numeric_limits<T>::max();
}

#include "geld/zahlen.h"

int64_t gehalteneZahl(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
    bool negativ = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) {
        negativ = t[i] == '-';
        ++i;
    }
    // The magnitude, held just beyond the range.
    constexpr uint64_t grenze = uint64_t{1} << 63;
    uint64_t v = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
        if (__builtin_mul_overflow(v, uint64_t{10}, &v) ||
            __builtin_add_overflow(v, static_cast<uint64_t>(t[i] - '0'), &v) || v > grenze)
            v = grenze;
    }
    if (negativ) return v >= grenze ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(v);
    return v >= grenze ? std::numeric_limits<int64_t>::max() : static_cast<int64_t>(v);
}

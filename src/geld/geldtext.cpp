#include "geld/geldtext.h"

#include <limits>

std::string dezimalTrenner = ",";

std::string geldZahl(int64_t cents) {
    // The magnitude in unsigned arithmetic, so that even the smallest value
    // has one.
    const uint64_t betrag = cents < 0 ? 0 - static_cast<uint64_t>(cents) : static_cast<uint64_t>(cents);
    std::string text = cents < 0 ? "-" : "";
    text += std::to_string(betrag / 100);
    text += dezimalTrenner;
    const uint64_t rest = betrag % 100;
    text += static_cast<char>('0' + rest / 10);
    text += static_cast<char>('0' + rest % 10);
    return text;
}

std::string geldText(int64_t cents) { return geldZahl(cents) + " EUR"; }

bool passt32(int64_t v) {
    return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}

std::string geldTextWeit(int64_t cents) {
    return passt32(cents) ? geldText(static_cast<int32_t>(cents)) : std::to_string(cents / 100) + " EUR";
}

std::string rechtsbuendig(const std::string& text, std::size_t breite) {
    std::size_t zeichen = 0;
    for (unsigned char ch : text)
        if ((ch & 0xC0) != 0x80) ++zeichen;  // count UTF-8 code points
    if (zeichen >= breite) return text;
    return std::string(breite - zeichen, ' ') + text;
}

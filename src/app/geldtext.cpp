#include "app/geldtext.h"

std::string dezimalTrenner = ",";

std::string geldText(int32_t cents) {
    const int64_t c = cents;
    const int64_t betrag = c < 0 ? -c : c;
    std::string text = c < 0 ? "-" : "";
    text += std::to_string(betrag / 100);
    text += dezimalTrenner;
    const int64_t rest = betrag % 100;
    text += static_cast<char>('0' + rest / 10);
    text += static_cast<char>('0' + rest % 10);
    text += " EUR";
    return text;
}

std::string rechtsbuendig(const std::string& text, std::size_t breite) {
    std::size_t zeichen = 0;
    for (unsigned char ch : text)
        if ((ch & 0xC0) != 0x80) ++zeichen;  // count UTF-8 code points
    if (zeichen >= breite) return text;
    return std::string(breite - zeichen, ' ') + text;
}

#include "spielstand/nachtrag.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

namespace {

constexpr std::string_view nachtragKopf = "[Nachtrag]\r\nlaenge=";

}  // namespace

std::string mitNachtrag(std::string text, const Nachtrag& n) {
    if (n.grundlage.empty() && n.zeilen.empty()) {
        // A text that itself ends as if something travelled with it gets
        // an empty section, so that reading it takes off only that.
        std::string probe = text;
        Nachtrag keiner;
        if (!nachtragAbtrennen(probe, keiner)) return text;
    }
    std::string t = "laenge=" + std::to_string(text.size()) + "\r\n";
    if (!n.grundlage.empty()) t += "grundlage=" + n.grundlage + "\r\n";
    for (const std::string& z : n.zeilen) t += "zeile=" + z + "\r\n";
    // On a line of its own, even after a text whose last line has no end.
    if (!text.empty() && text.back() != '\n') text += "\r\n";
    return text + "[Nachtrag]\r\n" + t;
}

bool nachtragAbtrennen(std::string& bytes, Nachtrag& n) {
    const std::size_t kopf = bytes.rfind(nachtragKopf);
    if (kopf == std::string::npos) return false;
    std::size_t p = kopf + nachtragKopf.size();
    uint64_t laenge = 0;
    const std::size_t ziffern = p;
    while (p < bytes.size() && bytes[p] >= '0' && bytes[p] <= '9' && p - ziffern < 10)
        laenge = laenge * 10 + static_cast<uint64_t>(bytes[p++] - '0');
    if (p == ziffern || bytes.compare(p, 2, "\r\n") != 0) return false;
    // Only where the text it names ends: a section of that name inside a
    // hand-edited text is the text's.
    const bool dicht = laenge == kopf;
    const bool mitZeilenende = laenge + 2 == kopf && bytes.compare(laenge, 2, "\r\n") == 0;
    if (!dicht && !mitZeilenende) return false;
    // Its own keys in whole lines up to the file's end, nothing else: a
    // section the game's text goes on after is the text's.
    Nachtrag gelesen;
    for (p += 2; p < bytes.size();) {
        const std::size_t ende = bytes.find("\r\n", p);
        if (ende == std::string::npos) return false;
        const std::string_view zeile = std::string_view(bytes).substr(p, ende - p);
        if (zeile.starts_with("grundlage="))
            gelesen.grundlage = zeile.substr(10);
        else if (zeile.starts_with("zeile="))
            gelesen.zeilen.emplace_back(zeile.substr(6));
        else
            return false;
        p = ende + 2;
    }
    n = std::move(gelesen);
    bytes.resize(laenge);
    return true;
}

std::string fingerabdruck(const std::string& bytes) {
    // FNV-1a: what matters is that two different files of one farm differ.
    uint64_t h = 14695981039346656037ull;
    for (const unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%zu-%016llx", bytes.size(), static_cast<unsigned long long>(h));
    return text;
}


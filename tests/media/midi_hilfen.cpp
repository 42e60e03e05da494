#include "midi_hilfen.h"

#include <cstdlib>
#include <stdexcept>

#include "ui/musik/fluidmaschine.h"

#include <cmath>
#include <fstream>
#include <iterator>

namespace medientest {

namespace {

void anhaengen(std::vector<std::uint8_t>& v, std::initializer_list<int> bytes) {
    for (int b : bytes)
        v.push_back(static_cast<std::uint8_t>(b));
}

void be32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    anhaengen(v, {int(x >> 24) & 0xFF, int(x >> 16) & 0xFF, int(x >> 8) & 0xFF, int(x) & 0xFF});
}

std::uint32_t le(const std::vector<char>& d, std::size_t at, int n) {
    std::uint32_t x = 0;
    for (int i = n - 1; i >= 0; --i)
        x = (x << 8) | static_cast<std::uint8_t>(d[at + static_cast<std::size_t>(i)]);
    return x;
}

}  // namespace

std::vector<std::uint8_t> kurzesStueck(int viertel) {
    static const int tonleiter[] = {60, 62, 64, 65, 67, 69, 71, 72};
    std::vector<std::uint8_t> spur;
    anhaengen(spur, {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});  // 500000 µs a beat
    anhaengen(spur, {0x00, 0xC0, 0x00});                          // piano
    for (int i = 0; i < viertel; ++i) {
        const int note = tonleiter[i % 8];
        anhaengen(spur, {0x00, 0x90, note, 100});
        anhaengen(spur, {0x83, 0x60, 0x80, note, 0});               // 480 ticks later
    }
    anhaengen(spur, {0x00, 0xFF, 0x2F, 0x00});

    std::vector<std::uint8_t> datei;
    anhaengen(datei, {'M', 'T', 'h', 'd'});
    be32(datei, 6);
    anhaengen(datei, {0, 0, 0, 1, 0x01, 0xE0});                     // format 0, one track, 480 ppq
    anhaengen(datei, {'M', 'T', 'r', 'k'});
    be32(datei, static_cast<std::uint32_t>(spur.size()));
    datei.insert(datei.end(), spur.begin(), spur.end());
    return datei;
}

void schreibeDatei(const std::filesystem::path& pfad, const std::vector<std::uint8_t>& daten) {
    std::ofstream aus(pfad, std::ios::binary);
    aus.write(reinterpret_cast<const char*>(daten.data()), static_cast<std::streamsize>(daten.size()));
}

void schreibeDatei(const std::filesystem::path& pfad, const std::string& text) {
    std::ofstream aus(pfad, std::ios::binary);
    aus << text;
}

std::filesystem::path frischesVerzeichnis(const std::string& name) {
    // ctest runs the cases of one binary side by side: every call gets a
    // directory of its own.
    std::string muster = (std::filesystem::temp_directory_path() / ("trevo_media_" + name + "_XXXXXX")).string();
    if (!::mkdtemp(muster.data())) throw std::runtime_error("mkdtemp " + muster);
    return muster;
}

bool leseWav(const std::filesystem::path& pfad, Wav& wav) {
    std::ifstream ein(pfad, std::ios::binary);
    const std::vector<char> d((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
    if (d.size() < 12 || std::string(d.data(), 4) != "RIFF" || std::string(d.data() + 8, 4) != "WAVE")
        return false;
    int bits = 0;
    std::size_t at = 12;
    while (at + 8 <= d.size()) {
        const std::string art(d.data() + at, 4);
        const std::size_t laenge = le(d, at + 4, 4);
        const std::size_t inhalt = at + 8;
        if (inhalt + laenge > d.size())
            return false;
        if (art == "fmt " && laenge >= 16) {
            if (le(d, inhalt, 2) != 1)  // PCM
                return false;
            wav.kanaele = static_cast<int>(le(d, inhalt + 2, 2));
            wav.abtastrate = static_cast<int>(le(d, inhalt + 4, 4));
            bits = static_cast<int>(le(d, inhalt + 14, 2));
        } else if (art == "data") {
            if (bits != 16 || wav.kanaele <= 0)
                return false;
            wav.proben.resize(laenge / 2);
            for (std::size_t i = 0; i < wav.proben.size(); ++i) {
                const auto wert = static_cast<std::int16_t>(le(d, inhalt + 2 * i, 2));
                wav.proben[i] = static_cast<float>(wert) / 32768.0f;
            }
            return true;
        }
        at = inhalt + laenge + (laenge & 1);
    }
    return false;
}

double rms(const float* proben, std::size_t anzahl) {
    if (anzahl == 0)
        return 0.0;
    double summe = 0.0;
    for (std::size_t i = 0; i < anzahl; ++i)
        summe += double(proben[i]) * double(proben[i]);
    return std::sqrt(summe / double(anzahl));
}

std::string installierteKlangbank() {
    for (const std::string& bank : FluidEinstellungen{}.klangbanken) {
        if (fluid_is_soundfont(bank.c_str()))
            return bank;
    }
    return {};
}

}  // namespace medientest

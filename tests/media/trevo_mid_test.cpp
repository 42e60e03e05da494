// The game's music: its source, a standard MIDI file with a few General MIDI
// voices, and what the build made of it beside the program, the piece played
// once by FluidSynth and kept as Ogg Vorbis.
#include "klaenge/oggquelle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace {

const std::filesystem::path kMidi = TREVO_MIDI;
const std::filesystem::path kMusik = std::filesystem::path(TREVO_PROGRAMM_VERZEICHNIS) / "trevo.ogg";

std::vector<std::uint8_t> lese(const std::filesystem::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

double rms(const float* proben, std::size_t anzahl) {
    double summe = 0.0;
    for (std::size_t i = 0; i < anzahl; ++i) summe += double(proben[i]) * double(proben[i]);
    return anzahl ? std::sqrt(summe / double(anzahl)) : 0.0;
}

std::uint32_t be(const std::vector<std::uint8_t>& d, std::size_t at, int n) {
    std::uint32_t x = 0;
    for (int i = 0; i < n; ++i)
        x = (x << 8) | d.at(at + static_cast<std::size_t>(i));
    return x;
}

// A variable-length number (delta times, lengths) at `at`, which moves past it.
std::uint32_t variabel(const std::vector<std::uint8_t>& d, std::size_t& at) {
    std::uint32_t x = 0;
    std::uint8_t teil;
    do {
        teil = d.at(at++);
        x = (x << 7) | (teil & 0x7Fu);
    } while (teil & 0x80);
    return x;
}

struct Stimmen {
    int spuren = 0;
    int noten = 0;
    std::set<std::pair<int, int>> programme;  // (channel, GM program)
    std::map<std::uint32_t, std::uint32_t> tempi;  // tick -> microseconds a quarter
    std::uint32_t ende = 0;                        // the last track's end, in ticks
};

// Walks every track's events; fails the test on a malformed file.
Stimmen zaehle(const std::vector<std::uint8_t>& d) {
    Stimmen s;
    std::size_t at = 14;
    const int spuren = static_cast<int>(be(d, 10, 2));
    for (int t = 0; t < spuren; ++t) {
        EXPECT_EQ(be(d, at, 4), 0x4D54726Bu) << "track " << t;  // "MTrk"
        const std::size_t ende = at + 8 + be(d, at + 4, 4);
        at += 8;
        int status = 0;
        bool schluss = false;
        std::uint32_t tick = 0;
        while (at < ende && !schluss) {
            tick += variabel(d, at);
            int b = d.at(at);
            if (b & 0x80) {
                status = b;
                ++at;
            }
            if (status == 0xFF) {
                const int art = d.at(at++);
                const std::uint32_t laenge = variabel(d, at);
                schluss = art == 0x2F;
                if (art == 0x51 && laenge == 3) s.tempi[tick] = be(d, at, 3);
                at += laenge;
            } else if ((status & 0xF0) == 0xC0) {
                s.programme.insert({status & 0x0F, d.at(at++)});
            } else if ((status & 0xF0) == 0xD0) {
                ++at;
            } else {
                if ((status & 0xF0) == 0x90 && d.at(at + 1) > 0)
                    ++s.noten;
                at += 2;
            }
        }
        EXPECT_TRUE(schluss) << "track " << t << " has no end";
        s.ende = std::max(s.ende, tick);
        EXPECT_EQ(at, ende) << "track " << t;
        at = ende;
        ++s.spuren;
    }
    return s;
}

// The piece's length in seconds, from its tempo changes.
double sekunden(const Stimmen& s, std::uint32_t proViertel) {
    double zeit = 0.0;
    std::uint32_t tick = 0, tempo = 500000;  // MIDI's default, 120 a minute
    for (auto [wo, neu] : s.tempi) {
        if (wo >= s.ende) break;
        zeit += double(wo - tick) * tempo / proViertel / 1e6;
        tick = wo;
        tempo = neu;
    }
    return zeit + double(s.ende - tick) * tempo / proViertel / 1e6;
}

TEST(TrevoMid, IstEineStandardMidiDateiMitMehrerenStimmen) {
    ASSERT_TRUE(std::filesystem::is_regular_file(kMidi)) << kMidi;
    const auto d = lese(kMidi);
    ASSERT_GT(d.size(), 14u);
    ASSERT_EQ(be(d, 0, 4), 0x4D546864u);  // "MThd"
    EXPECT_EQ(be(d, 4, 4), 6u);
    EXPECT_EQ(be(d, 8, 2), 1u) << "format 1";
    const Stimmen s = zaehle(d);
    EXPECT_EQ(s.spuren, int(be(d, 10, 2)));
    std::set<int> kanaele, programme;
    for (auto [kanal, programm] : s.programme) {
        kanaele.insert(kanal);
        programme.insert(programm);
    }
    EXPECT_GE(kanaele.size(), 3u) << "melody, bass and accompaniment";
    EXPECT_GE(programme.size(), 3u);
    EXPECT_GT(s.noten, 300);
}

// Everything `quelle` gives, read as the sound sink reads it, a period of
// 20 ms (3528 bytes at 44.1 kHz stereo) at a time.
std::vector<std::int16_t> alles(OggQuelle& quelle) {
    std::vector<std::int16_t> proben;
    char puffer[3528];
    for (qint64 n; (n = quelle.read(puffer, sizeof puffer)) > 0;) {
        EXPECT_EQ(n % 4, 0) << "a frame split between two reads";
        const auto* p = reinterpret_cast<const std::int16_t*>(puffer);
        proben.insert(proben.end(), p, p + n / 2);
    }
    return proben;
}

// The build played the piece through once: the file beside the program is
// Ogg Vorbis that the game's own decoder reads to its end, as long as the
// MIDI file and the two seconds FluidSynth lets its last notes ring, and has
// something to hear in every stretch of five seconds: no voice lost its
// notes, no section is empty.
TEST(TrevoOgg, HatDieLaengeDesStueckesUndIstNieStill) {
    ASSERT_TRUE(std::filesystem::is_regular_file(kMusik)) << kMusik;
    const auto midi = lese(kMidi);
    const double soll = sekunden(zaehle(midi), be(midi, 12, 2));
    ASSERT_GT(soll, 60.0);

    OggQuelle quelle;
    ASSERT_TRUE(quelle.oeffnen(QString::fromStdString(kMusik.string())));
    ASSERT_EQ(quelle.kanaele(), 2);
    ASSERT_EQ(quelle.rate(), 44100);
    const std::vector<std::int16_t> ganz = alles(quelle);
    EXPECT_TRUE(quelle.atEnd());
    EXPECT_FALSE(quelle.fehlerhaft());
    std::vector<float> proben(ganz.size());
    std::transform(ganz.begin(), ganz.end(), proben.begin(), [](std::int16_t x) { return float(x) / 32768.0f; });

    const double ist = double(proben.size()) / 2 / 44100;
    EXPECT_GE(ist, soll + 1.9);
    EXPECT_LE(ist, soll + 2.1);
    const double gesamt = rms(proben.data(), proben.size());
    EXPECT_GT(gesamt, 0.01) << "the music is too quiet or silent";
    const std::size_t fenster = 5 * 44100 * 2;
    for (std::size_t at = 0; at + fenster <= proben.size(); at += fenster)
        EXPECT_GT(rms(proben.data() + at, fenster), gesamt / 10) << "near second " << at / (44100 * 2);

    // Cut off in its middle, the file is a shorter piece: its first part,
    // then its end, which the player hears of and starts the piece again.
    const auto bytes = lese(kMusik);
    const std::filesystem::path halb = std::filesystem::temp_directory_path() / "trevo-halb.ogg";
    std::ofstream(halb, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                std::streamsize(bytes.size() / 2));
    OggQuelle abgebrochen;
    ASSERT_TRUE(abgebrochen.oeffnen(QString::fromStdString(halb.string())));
    const std::size_t teil = alles(abgebrochen).size();
    EXPECT_GT(teil, ganz.size() / 4);
    EXPECT_LT(teil, ganz.size() * 3 / 4);
    EXPECT_TRUE(abgebrochen.atEnd());
    char rest[64];
    EXPECT_EQ(abgebrochen.read(rest, sizeof rest), 0);
    std::filesystem::remove(halb);

    // No Ogg Vorbis at all: not opened.
    EXPECT_FALSE(OggQuelle().oeffnen(QString::fromStdString(kMidi.string())));
}

}  // namespace

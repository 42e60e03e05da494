// The game's music as it lies beside the program: a standard MIDI file with a
// few General MIDI voices that FluidSynth turns into one to two minutes of sound.
#include "midi_hilfen.h"

#include <fluidsynth.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <utility>
#include <vector>

namespace {

using namespace medientest;

const std::filesystem::path kMusik = std::filesystem::path(TREVO_PROGRAMM_VERZEICHNIS) / "trevo.mid";

std::vector<std::uint8_t> lese(const std::filesystem::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

std::uint32_t be(const std::vector<std::uint8_t>& d, std::size_t at, int n) {
    std::uint32_t x = 0;
    for (int i = 0; i < n; ++i)
        x = (x << 8) | d.at(at + static_cast<std::size_t>(i));
    return x;
}

struct Stimmen {
    int spuren = 0;
    int noten = 0;
    std::set<std::pair<int, int>> programme;  // (channel, GM program)
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
        while (at < ende && !schluss) {
            while (d.at(at++) & 0x80) {}  // delta time
            int b = d.at(at);
            if (b & 0x80) {
                status = b;
                ++at;
            }
            if (status == 0xFF) {
                const int art = d.at(at++);
                std::size_t laenge = 0;
                int v;
                do {
                    v = d.at(at++);
                    laenge = (laenge << 7) | std::size_t(v & 0x7F);
                } while (v & 0x80);
                schluss = art == 0x2F;
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
        EXPECT_EQ(at, ende) << "track " << t;
        at = ende;
        ++s.spuren;
    }
    return s;
}

TEST(TrevoMid, IstEineStandardMidiDateiMitMehrerenStimmen) {
    ASSERT_TRUE(std::filesystem::is_regular_file(kMusik)) << kMusik;
    const auto d = lese(kMusik);
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

TEST(TrevoMid, KlingtEinBisZweiMinutenLangUndNieStill) {
    const std::string bank = installierteKlangbank();
    if (bank.empty())
        GTEST_SKIP() << "keine GM-Klangbank installiert";
    ASSERT_TRUE(std::filesystem::is_regular_file(kMusik)) << kMusik;
    const auto wav = frischesVerzeichnis("trevo_mid") / "trevo.wav";

    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setint(settings, "synth.lock-memory", 0);
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_settings_setstr(settings, "audio.file.name", wav.c_str());
    fluid_settings_setstr(settings, "audio.file.type", "wav");
    fluid_synth_t* synth = new_fluid_synth(settings);
    ASSERT_NE(fluid_synth_sfload(synth, bank.c_str(), 1), FLUID_FAILED);
    fluid_player_t* player = new_fluid_player(synth);
    ASSERT_EQ(fluid_player_add(player, kMusik.c_str()), FLUID_OK);
    fluid_file_renderer_t* renderer = new_fluid_file_renderer(synth);
    ASSERT_NE(renderer, nullptr);
    int periode = 0;
    double rate = 0;
    fluid_settings_getint(settings, "audio.period-size", &periode);
    fluid_settings_getnum(settings, "synth.sample-rate", &rate);

    ASSERT_EQ(fluid_player_play(player), FLUID_OK);
    long bloecke = 0;
    while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING && bloecke < 10'000'000) {
        if (fluid_file_renderer_process_block(renderer) != FLUID_OK)
            break;
        ++bloecke;
    }
    delete_fluid_file_renderer(renderer);  // closes the file
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);

    const double sekunden = double(bloecke) * periode / rate;
    EXPECT_GE(sekunden, 60.0);
    EXPECT_LE(sekunden, 120.0);

    Wav ton;
    ASSERT_TRUE(leseWav(wav, ton));
    EXPECT_NEAR(ton.sekunden(), sekunden, 0.1);
    const double gesamt = rms(ton.proben.data(), ton.proben.size());
    EXPECT_GT(gesamt, 0.005) << "the music is too quiet or silent";
    // Every stretch of five seconds has something to hear: no voice lost
    // its notes, no section is empty.
    const std::size_t fenster = std::size_t(5 * ton.abtastrate * ton.kanaele);
    for (std::size_t at = 0; at + fenster <= ton.proben.size(); at += fenster) {
        EXPECT_GT(rms(ton.proben.data() + at, fenster), gesamt / 10)
            << "near second " << at / std::size_t(ton.abtastrate * ton.kanaele);
    }
    std::filesystem::remove_all(wav.parent_path());
}

}  // namespace

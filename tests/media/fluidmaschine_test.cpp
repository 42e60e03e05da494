// FluidSynth itself, without an audio device: the machine renders by hand,
// so pausing, resuming and the end of the piece can be heard sample by sample.
#include "midi_hilfen.h"
#include "ui/musik/fluidmaschine.h"
#include "ui/musik/fluidmusik.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include <filesystem>
#include <memory>
#include <vector>

namespace {

using namespace medientest;

constexpr int kRate = 44100;     // FluidSynth's default sample rate
constexpr int kBlock = 441;      // 10 ms

FluidEinstellungen ohneGeraet() {
    FluidEinstellungen e;
    e.treiber.clear();
    return e;
}

// Renders `sekunden` of sound and returns its loudness.
double hoere(FluidMaschine& m, double sekunden) {
    std::vector<float> l(kBlock), r(kBlock), alles;
    for (int i = 0; i < int(sekunden * kRate / kBlock); ++i) {
        EXPECT_TRUE(m.rendern(kBlock, l.data(), r.data()));
        alles.insert(alles.end(), l.begin(), l.end());
        alles.insert(alles.end(), r.begin(), r.end());
    }
    return rms(alles.data(), alles.size());
}

// Renders until the player is through; false if it never gets there.
bool hoereBisZumEnde(FluidMaschine& m, double hoechstens) {
    std::vector<float> l(kBlock), r(kBlock);
    for (int i = 0; i < int(hoechstens * kRate / kBlock); ++i) {
        if (m.durchgelaufen())
            return true;
        m.rendern(kBlock, l.data(), r.data());
    }
    return m.durchgelaufen();
}

class FluidMaschineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ordner = frischesVerzeichnis("fluid");
        stueck = (ordner / "stueck.mid").string();
        schreibeDatei(stueck, kurzesStueck(8));  // four seconds
    }
    void TearDown() override { std::filesystem::remove_all(ordner); }
    std::filesystem::path ordner;
    std::string stueck;
};

TEST_F(FluidMaschineTest, OeffnetNurEineMidiDatei) {
    FluidMaschine m(ohneGeraet());
    schreibeDatei(ordner / "text.mid", std::string("Das ist keine Musik.\n"));
    schreibeDatei(ordner / "leer.mid", std::string());
    schreibeDatei(ordner / "halb.mid", std::vector<std::uint8_t>{'M', 'T'});
    EXPECT_FALSE(m.pruefen(""));
    EXPECT_FALSE(m.pruefen((ordner / "fehlt.mid").string()));
    EXPECT_FALSE(m.pruefen((ordner / "text.mid").string()));
    EXPECT_FALSE(m.pruefen((ordner / "leer.mid").string()));
    EXPECT_FALSE(m.pruefen((ordner / "halb.mid").string()));
    EXPECT_FALSE(m.pruefen(ordner.string()));
    EXPECT_EQ(m.position(), -1);
    EXPECT_FALSE(m.laden());
}

TEST_F(FluidMaschineTest, OhneKlangbankBleibtEsStill) {
    FluidEinstellungen e = ohneGeraet();
    e.klangbanken = {(ordner / "fehlt.sf2").string(), stueck};  // a MIDI file is no soundfont
    FluidMaschine m(e);
    EXPECT_FALSE(m.pruefen(stueck));
    EXPECT_TRUE(m.klangbank().empty());
}

TEST_F(FluidMaschineTest, OhneAudioGeraetBleibtEsStill) {
    FluidEinstellungen e;
    e.treiber = {"kein-solcher-treiber"};
    FluidMaschine m(e);
    EXPECT_FALSE(m.pruefen(stueck) && m.laden());
    EXPECT_TRUE(m.treiber().empty());
    m.abspielen();
    EXPECT_FALSE(m.durchgelaufen());
}

TEST_F(FluidMaschineTest, NimmtDieErsteVorhandeneKlangbank) {
    const std::string bank = installierteKlangbank();
    if (bank.empty())
        GTEST_SKIP() << "keine GM-Klangbank installiert";
    FluidEinstellungen e = ohneGeraet();
    e.klangbanken = {(ordner / "fehlt.sf2").string(), bank};
    FluidMaschine m(e);
    ASSERT_TRUE(m.pruefen(stueck));
    EXPECT_EQ(m.klangbank(), bank);
    EXPECT_TRUE(m.laden());
}

TEST_F(FluidMaschineTest, AnhaltenBehaeltDieStelleUndAbspielenMachtDortWeiter) {
    if (installierteKlangbank().empty())
        GTEST_SKIP() << "keine GM-Klangbank installiert";
    FluidMaschine m(ohneGeraet());
    ASSERT_TRUE(m.pruefen(stueck));
    ASSERT_TRUE(m.laden());
    m.abspielen();
    EXPECT_GT(hoere(m, 1.0), 0.001) << "the piano should be heard";
    m.anhalten();
    const int stelle = m.position();
    EXPECT_GT(stelle, 800);  // about 960 ticks in a second at 120 beats a minute

    hoere(m, 1.0);  // the released notes fade
    EXPECT_EQ(m.position(), stelle);
    EXPECT_LT(hoere(m, 0.2), 1e-4) << "a paused piece is silent";

    m.abspielen();
    EXPECT_GT(hoere(m, 0.5), 0.001);
    EXPECT_GT(m.position(), stelle + 300);
    EXPECT_LT(m.position(), stelle + 700);
    EXPECT_FALSE(m.durchgelaufen());
}

TEST_F(FluidMaschineTest, AmEndeDurchgelaufenUndVonVornBeginntEsNeu) {
    if (installierteKlangbank().empty())
        GTEST_SKIP() << "keine GM-Klangbank installiert";
    FluidMaschine m(ohneGeraet());
    ASSERT_TRUE(m.pruefen(stueck));
    ASSERT_TRUE(m.laden());
    m.abspielen();
    ASSERT_TRUE(hoereBisZumEnde(m, 10.0));
    EXPECT_GE(m.position(), 8 * 480);

    m.vonVorn();
    m.abspielen();
    EXPECT_FALSE(m.durchgelaufen());
    EXPECT_GT(hoere(m, 0.5), 0.001);
    EXPECT_LT(m.position(), 600);
}

TEST_F(FluidMaschineTest, OhneKlangbankGeladenSpieltNichts) {
    if (installierteKlangbank().empty())
        GTEST_SKIP() << "keine GM-Klangbank installiert";
    FluidMaschine m(ohneGeraet());
    ASSERT_TRUE(m.pruefen(stueck));
    m.abspielen();  // before laden(): nothing starts, not even the library
    std::vector<float> l(kBlock), r(kBlock);
    EXPECT_FALSE(m.rendern(kBlock, l.data(), r.data()));
    EXPECT_EQ(m.position(), -1);
    EXPECT_FALSE(m.durchgelaufen());
}

// The player on the real machine: the end of the piece is reported and the
// frame's restart begins it again.
TEST_F(FluidMaschineTest, SpielerMeldetDasEndeUndBeginntVonVorn) {
    if (installierteKlangbank().empty())
        GTEST_SKIP() << "keine GM-Klangbank installiert";
    auto eigen = std::make_unique<FluidMaschine>(ohneGeraet());
    FluidMaschine& m = *eigen;
    FluidMusik musik(std::move(eigen), FluidMusik::Laden::sofort);
    int enden = 0;
    musik.setzeEndeMeldung([&] {
        ++enden;
        musik.spielen();
    });
    ASSERT_TRUE(musik.oeffnen(stueck));
    ASSERT_TRUE(musik.spielen());

    hoere(m, 1.0);
    musik.stoppen();
    hoere(m, 0.5);
    musik.nachsehen();
    EXPECT_EQ(enden, 0) << "a stop is no end";

    ASSERT_TRUE(musik.spielen());
    ASSERT_TRUE(hoereBisZumEnde(m, 10.0));
    musik.nachsehen();
    EXPECT_EQ(enden, 1);
    EXPECT_TRUE(musik.spielt());
    hoere(m, 0.5);
    EXPECT_FALSE(m.durchgelaufen());
    EXPECT_LT(m.position(), 600);
}

// A machine without FluidSynth (not installed, or a broken install) opens
// nothing: the game goes on without music, and the menu item says so.
TEST_F(FluidMaschineTest, OhneBibliothekBleibtEsStill) {
    if (installierteKlangbank().empty())
        GTEST_SKIP() << "keine GM-Klangbank installiert";
    FluidEinstellungen e = ohneGeraet();
    e.bibliothek = "libfluidsynth-gibt-es-nicht.so.3";
    auto eigen = std::make_unique<FluidMaschine>(e);
    FluidMaschine& m = *eigen;
    ASSERT_TRUE(m.pruefen(stueck)) << "the files alone look right";
    EXPECT_FALSE(m.laden());
    std::vector<float> l(kBlock), r(kBlock);
    EXPECT_FALSE(m.rendern(kBlock, l.data(), r.data()));
    EXPECT_EQ(m.position(), -1);

    FluidMusik musik(std::move(eigen), FluidMusik::Laden::sofort);
    EXPECT_FALSE(musik.oeffnen(stueck));
    EXPECT_FALSE(musik.geoeffnet());
    EXPECT_FALSE(musik.spielen());
}

// FluidSynth and its audio libraries are loaded only where a sound server
// answers: on the session's socket, or one named in PULSE_SERVER. The socket
// a crashed server left behind does not count.
TEST(FluidMaschineGeraet, PulseZaehltNurEinenServerDerAntwortet) {
    if (std::filesystem::exists("/var/run/pulse/native"))
        GTEST_SKIP() << "ein systemweiter Klangserver läuft";
    const std::filesystem::path ordner = frischesVerzeichnis("pulse");
    std::filesystem::create_directories(ordner / "pulse");
    const std::string pfad = (ordner / "pulse" / "native").string();
    const char* alt = std::getenv("XDG_RUNTIME_DIR");
    const std::string altLaufzeit = alt ? alt : "";
    const char* altServer = std::getenv("PULSE_SERVER");
    const std::string altServerWert = altServer ? altServer : "";
    setenv("XDG_RUNTIME_DIR", ordner.c_str(), 1);
    unsetenv("PULSE_SERVER");

    EXPECT_FALSE(FluidMaschine::erreichbar("pulseaudio"));
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    std::strncpy(adresse.sun_path, pfad.c_str(), sizeof adresse.sun_path - 1);
    ASSERT_EQ(::bind(server, reinterpret_cast<const sockaddr*>(&adresse), sizeof adresse), 0);
    ASSERT_EQ(::listen(server, 4), 0);
    EXPECT_TRUE(FluidMaschine::erreichbar("pulseaudio"));
    ::close(server);
    ASSERT_TRUE(std::filesystem::exists(pfad));
    EXPECT_FALSE(FluidMaschine::erreichbar("pulseaudio"));
    setenv("PULSE_SERVER", "unix:/irgendwo/native", 1);
    EXPECT_TRUE(FluidMaschine::erreichbar("pulseaudio"));
    // A driver the machine does not know is left to FluidSynth.
    EXPECT_TRUE(FluidMaschine::erreichbar("kein-solcher-treiber"));

    if (alt) setenv("XDG_RUNTIME_DIR", altLaufzeit.c_str(), 1);
    else unsetenv("XDG_RUNTIME_DIR");
    if (altServer) setenv("PULSE_SERVER", altServerWert.c_str(), 1);
    else unsetenv("PULSE_SERVER");
    std::filesystem::remove_all(ordner);
}

// The machine asks FluidSynth for fewer voices and for only the instruments
// the piece selects, to save memory; the game's piece must sound exactly as
// with FluidSynth's own defaults, sample for sample, to its last note.
TEST(FluidMaschineKlang, SparsamGeladenKlingtDasStueckWieMitFluidSynthsVorgaben) {
    const std::string bank = installierteKlangbank();
    if (bank.empty())
        GTEST_SKIP() << "keine GM-Klangbank installiert";
    const std::string musik = std::string(TREVO_PROGRAMM_VERZEICHNIS) + "/trevo.mid";
    ASSERT_TRUE(std::filesystem::is_regular_file(musik));

    FluidEinstellungen e = ohneGeraet();
    e.klangbanken = {bank};
    FluidMaschine m(e);
    ASSERT_TRUE(m.pruefen(musik));
    ASSERT_TRUE(m.laden());
    m.abspielen();

    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_settings_setnum(settings, "synth.gain", e.lautstaerke);
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = new_fluid_player(synth);
    ASSERT_EQ(fluid_player_add(player, musik.c_str()), FLUID_OK);
    ASSERT_NE(fluid_synth_sfload(synth, bank.c_str(), 1), FLUID_FAILED);
    fluid_player_play(player);

    std::vector<float> l(kBlock), r(kBlock), vl(kBlock), vr(kBlock);
    int bloecke = 0;
    int abweichend = 0;
    while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING && bloecke < 200 * kRate / kBlock) {
        ASSERT_TRUE(m.rendern(kBlock, l.data(), r.data()));
        fluid_synth_write_float(synth, kBlock, vl.data(), 0, 1, vr.data(), 0, 1);
        if (l != vl || r != vr) ++abweichend;
        ++bloecke;
    }
    EXPECT_TRUE(m.durchgelaufen());
    EXPECT_GT(bloecke, 60 * kRate / kBlock);
    EXPECT_EQ(abweichend, 0) << "of " << bloecke << " blocks of 10 ms";
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
}

}  // namespace

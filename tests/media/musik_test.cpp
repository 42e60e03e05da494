// The music player's state machine, on a stream that makes no sound and
// writes down what it is asked to do.
#include "ui/musik/strommusik.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Schritte = std::vector<std::string>;

// Shared with the test after the player has taken the stream.
struct Steuerung {
    Schritte schritte;
    bool geraet = true;       // what the look for a sound device answers
    bool modul = true;        // false: the module is missing, no stream is made
    std::function<void(StromEreignis)> aktuell;  // the current stream's reports
    // A report of the current stream. Called through a copy: the report may
    // make the next stream, which replaces aktuell.
    void melden(StromEreignis e) {
        const auto f = aktuell;
        f(e);
    }
};

class ProtokollStrom final : public MusikStrom {
public:
    explicit ProtokollStrom(Steuerung& s) : s_(s) {}
    void spielen() override { s_.schritte.push_back("spielen"); }
    void anhalten() override { s_.schritte.push_back("anhalten"); }
    void lautstaerke(float anteil) override { s_.schritte.push_back("lautstaerke " + std::to_string(anteil)); }

private:
    Steuerung& s_;
};

// The frame's part, as far as the player sees it: the end of the piece
// starts it again while the music is meant to be on.
struct Rahmen {
    bool musikAn = false;
    int enden = 0;
};

class StromMusikTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string muster = (std::filesystem::temp_directory_path() / "trevo_musik_XXXXXX").string();
        if (!::mkdtemp(muster.data())) throw std::runtime_error("mkdtemp " + muster);
        ordner = muster;
        ogg = (ordner / "trevo.ogg").string();
        std::ofstream(ogg, std::ios::binary) << "OggS" << std::string(60, '\0');
        musik = std::make_unique<StromMusik>(
            [this](const std::string& datei, std::function<void(StromEreignis)> melden) -> std::unique_ptr<MusikStrom> {
                if (!s.modul) return nullptr;
                s.schritte.push_back("neu " + std::filesystem::path(datei).filename().string());
                s.aktuell = std::move(melden);
                return std::make_unique<ProtokollStrom>(s);
            },
            [this] { return s.geraet; });
        musik->setzeEndeMeldung([this] {
            ++rahmen.enden;
            if (rahmen.musikAn) musik->spielen();
        });
    }
    void TearDown() override { std::filesystem::remove_all(ordner); }

    // Start-up as the frame does it: open and play, the first picture, and
    // the music is on.
    void gestartet() {
        ASSERT_TRUE(musik->oeffnen(ogg));
        ASSERT_TRUE(musik->spielen());
        rahmen.musikAn = true;
        musik->freigeben();
        s.schritte.clear();
    }

    Steuerung s;
    Rahmen rahmen;
    std::filesystem::path ordner;
    std::string ogg;
    std::unique_ptr<StromMusik> musik;
};

// The frame then reports "Kein MCI-Gerät geöffnet." from the menu: the
// player never opened.
TEST_F(StromMusikTest, OhneGeraetOderOhneOggDateiBleibtSieZu) {
    s.geraet = false;
    EXPECT_FALSE(musik->oeffnen(ogg));
    EXPECT_FALSE(musik->geoeffnet());
    EXPECT_FALSE(musik->spielen());
    EXPECT_FALSE(musik->spielt());

    s.geraet = true;
    EXPECT_FALSE(musik->oeffnen((ordner / "fehlt.ogg").string()));
    EXPECT_FALSE(musik->oeffnen(""));
    const std::string midi = (ordner / "trevo.mid").string();
    std::ofstream(midi, std::ios::binary) << "MThd";
    EXPECT_FALSE(musik->oeffnen(midi));
    musik->freigeben();
    EXPECT_FALSE(musik->spielen());
    EXPECT_TRUE(s.schritte.empty());

    EXPECT_TRUE(musik->oeffnen(ogg));
    EXPECT_TRUE(musik->geoeffnet());
    EXPECT_FALSE(musik->spielt());
}

// Nothing is loaded before the frame's first picture; a piece asked for
// then starts with it, at the volume set before. Music switched off by then
// never loads the module at all.
TEST_F(StromMusikTest, VorDemErstenBildWirdNichtsGeladen) {
    ASSERT_TRUE(musik->oeffnen(ogg));
    ASSERT_TRUE(musik->spielen());
    musik->lautstaerkeSetzen(0.5f);
    EXPECT_TRUE(musik->spielt());
    EXPECT_FALSE(musik->geladen());
    EXPECT_TRUE(s.schritte.empty());
    musik->freigeben();
    EXPECT_EQ(s.schritte, (Schritte{"neu trevo.ogg", "lautstaerke 0.500000", "spielen"}));
    EXPECT_TRUE(musik->spielt());
    musik->freigeben();  // once is enough
    EXPECT_EQ(s.schritte.size(), 3u);

    auto zweite = std::make_unique<StromMusik>(
        [this](const std::string&, std::function<void(StromEreignis)>) -> std::unique_ptr<MusikStrom> {
            s.schritte.push_back("neu");
            return std::make_unique<ProtokollStrom>(s);
        },
        [] { return true; });
    s.schritte.clear();
    ASSERT_TRUE(zweite->oeffnen(ogg));
    ASSERT_TRUE(zweite->spielen());
    zweite->stoppen();
    zweite->freigeben();
    EXPECT_FALSE(zweite->geladen());
    EXPECT_TRUE(s.schritte.empty());
    ASSERT_TRUE(zweite->spielen());
    EXPECT_EQ(s.schritte, (Schritte{"neu", "lautstaerke 1.000000", "spielen"}));
}

TEST_F(StromMusikTest, AnUndAusHaeltAnUndSpieltWeiter) {
    gestartet();
    musik->stoppen();
    EXPECT_FALSE(musik->spielt());
    ASSERT_TRUE(musik->spielen());
    EXPECT_TRUE(musik->spielt());
    // The stream resumes where it paused; it is made once.
    EXPECT_EQ(s.schritte, (Schritte{"anhalten", "spielen"}));
}

// The end is reported once; the frame starts the piece again while the music
// is on, on a new stream at the volume set. After a stop, the stream's end is
// a pause's, not the piece's.
TEST_F(StromMusikTest, DasEndeWirdGemeldetUndDerRahmenBeginntVonVorn) {
    gestartet();
    musik->lautstaerkeSetzen(0.5f);
    s.schritte.clear();
    s.melden(StromEreignis::ende);
    EXPECT_EQ(rahmen.enden, 1);
    EXPECT_TRUE(musik->spielt());
    EXPECT_EQ(s.schritte, (Schritte{"neu trevo.ogg", "lautstaerke 0.500000", "spielen"}));

    rahmen.musikAn = false;
    s.schritte.clear();
    s.melden(StromEreignis::ende);
    EXPECT_EQ(rahmen.enden, 2);
    EXPECT_FALSE(musik->spielt());
    s.melden(StromEreignis::ende);  // nothing is playing: no end to report
    EXPECT_EQ(rahmen.enden, 2);
    EXPECT_TRUE(s.schritte.empty());

    ASSERT_TRUE(musik->spielen());
    musik->stoppen();
    s.melden(StromEreignis::ende);
    EXPECT_EQ(rahmen.enden, 2);
    EXPECT_FALSE(musik->spielt());
}

// A file the stream cannot play, or no module: the player is as if never
// opened (the menu then reports the missing device), until a file opens.
TEST_F(StromMusikTest, EinFehlerOderKeinModulSchliesstDenSpieler) {
    gestartet();
    s.melden(StromEreignis::fehler);
    EXPECT_FALSE(musik->geoeffnet());
    EXPECT_FALSE(musik->spielt());
    EXPECT_FALSE(musik->spielen());
    EXPECT_EQ(s.schritte, (Schritte{"anhalten"}));

    s.schritte.clear();
    ASSERT_TRUE(musik->oeffnen(ogg));
    ASSERT_TRUE(musik->spielen());
    EXPECT_EQ(s.schritte, (Schritte{"neu trevo.ogg", "lautstaerke 1.000000", "spielen"}));

    s.modul = false;
    ASSERT_TRUE(musik->oeffnen(ogg));
    EXPECT_FALSE(musik->spielen());
    EXPECT_FALSE(musik->geoeffnet());
}

TEST_F(StromMusikTest, DieLautstaerkeBleibtZwischenNullUndEins) {
    gestartet();
    musik->lautstaerkeSetzen(0.25f);
    musik->lautstaerkeSetzen(1.5f);
    musik->lautstaerkeSetzen(-0.5f);
    musik->lautstaerkeSetzen(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(s.schritte,
              (Schritte{"lautstaerke 0.250000", "lautstaerke 1.000000", "lautstaerke 0.000000", "lautstaerke 0.000000"}));
    // Kept for the next file's stream.
    musik->lautstaerkeSetzen(0.75f);
    s.schritte.clear();
    ASSERT_TRUE(musik->oeffnen(ogg));
    ASSERT_TRUE(musik->spielen());
    EXPECT_EQ(s.schritte, (Schritte{"neu trevo.ogg", "lautstaerke 0.750000", "spielen"}));
}

}  // namespace

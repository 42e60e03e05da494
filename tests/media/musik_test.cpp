// The player's state machine, on a machine that makes no sound and writes
// down what it is asked to do.
#include "ui/musik/fluidmusik.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

struct Protokoll {
    std::mutex m;
    std::vector<std::string> schritte;
    void add(const std::string& s) {
        std::lock_guard<std::mutex> lock(m);
        schritte.push_back(s);
    }
    std::vector<std::string> holen() {
        std::lock_guard<std::mutex> lock(m);
        return schritte;
    }
    void leeren() {
        std::lock_guard<std::mutex> lock(m);
        schritte.clear();
    }
};

// Shared with the test after the player has taken the machine.
struct Steuerung {
    Protokoll protokoll;
    bool pruefenGelingt = true;
    bool ladenGelingt = true;
    bool durch = false;        // what durchgelaufen() answers
    // With `sperren`, laden() waits until the test lets it go.
    bool sperren = false;
    std::mutex m;
    std::condition_variable cv;
    bool frei = false;
    int geladen = 0;

    void freigeben() {
        std::lock_guard<std::mutex> lock(m);
        frei = true;
        cv.notify_all();
    }
    void warteBisGeladen(int n) {
        std::unique_lock<std::mutex> lock(m);
        cv.wait(lock, [&] { return geladen >= n; });
    }
};

class ProtokollMaschine final : public MusikMaschine {
public:
    explicit ProtokollMaschine(Steuerung& s) : s_(s) {}
    bool pruefen(const std::string& datei) override {
        s_.protokoll.add("pruefen " + datei);
        return s_.pruefenGelingt;
    }
    bool laden() override {
        s_.protokoll.add("laden");
        std::unique_lock<std::mutex> lock(s_.m);
        if (s_.sperren) {
            s_.cv.wait(lock, [&] { return s_.frei; });
            s_.frei = false;
        }
        ++s_.geladen;
        s_.cv.notify_all();
        return s_.ladenGelingt;
    }
    void abspielen() override { s_.protokoll.add("abspielen"); }
    void anhalten() override { s_.protokoll.add("anhalten"); }
    void vonVorn() override { s_.protokoll.add("vonVorn"); }
    bool durchgelaufen() override { return s_.durch; }
    void schliessen() override { s_.protokoll.add("schliessen"); }

private:
    Steuerung& s_;
};

using Schritte = std::vector<std::string>;

// The frame's part, as far as the player sees it: the end of the piece
// starts it again while the music is meant to be on.
struct Rahmen {
    bool musikAn = false;
    int enden = 0;
    void verbinden(FluidMusik& musik) {
        musik.setzeEndeMeldung([this, &musik] {
            ++enden;
            if (musikAn)
                musik.spielen();
        });
    }
};

class FluidMusikTest : public ::testing::Test {
protected:
    void baue(FluidMusik::Laden laden) {
        musik = std::make_unique<FluidMusik>(std::make_unique<ProtokollMaschine>(s), laden);
        rahmen.verbinden(*musik);
    }
    // Start-up as the frame does it: open, play, and the music is on.
    void startSofort() {
        baue(FluidMusik::Laden::sofort);
        ASSERT_TRUE(musik->oeffnen("trevo.mid"));
        ASSERT_TRUE(musik->spielen());
        rahmen.musikAn = true;
        s.protokoll.leeren();
    }
    // Lets the UI thread handle what the loader posted.
    void warteBisBereit() {
        QElapsedTimer uhr;
        uhr.start();
        while (!musik->bereit() && musik->geoeffnet() && uhr.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    Steuerung s;
    Rahmen rahmen;
    std::unique_ptr<FluidMusik> musik;
};

TEST_F(FluidMusikTest, OhneGeoeffnetenSpielerGeschiehtNichts) {
    baue(FluidMusik::Laden::sofort);
    EXPECT_FALSE(musik->geoeffnet());
    EXPECT_FALSE(musik->spielen());
    EXPECT_FALSE(musik->spielt());
    musik->stoppen();
    s.durch = true;
    musik->nachsehen();
    EXPECT_EQ(rahmen.enden, 0);
    EXPECT_TRUE(s.protokoll.holen().empty());
}

TEST_F(FluidMusikTest, FehlendeDateiKlangbankOderGeraetLassenIhnZu) {
    s.pruefenGelingt = false;
    baue(FluidMusik::Laden::sofort);
    EXPECT_FALSE(musik->oeffnen("/nirgends/trevo.mid"));
    EXPECT_FALSE(musik->geoeffnet());
    EXPECT_FALSE(musik->spielen());
    EXPECT_FALSE(musik->spielt());
    EXPECT_EQ(s.protokoll.holen(), (Schritte{"pruefen /nirgends/trevo.mid", "schliessen"}));
}

TEST_F(FluidMusikTest, KlangbankDieNichtLaedtIstWieNieGeoeffnet) {
    s.ladenGelingt = false;
    baue(FluidMusik::Laden::sofort);
    EXPECT_FALSE(musik->oeffnen("trevo.mid"));
    EXPECT_FALSE(musik->geoeffnet());
    EXPECT_FALSE(musik->spielen());
}

TEST_F(FluidMusikTest, StartSpieltDasStueck) {
    baue(FluidMusik::Laden::sofort);
    ASSERT_TRUE(musik->oeffnen("trevo.mid"));
    EXPECT_TRUE(musik->geoeffnet());
    EXPECT_FALSE(musik->spielt());
    EXPECT_TRUE(musik->spielen());
    EXPECT_TRUE(musik->spielt());
    EXPECT_EQ(s.protokoll.holen(), (Schritte{"pruefen trevo.mid", "laden", "abspielen"}));
    // A second start while playing changes nothing.
    EXPECT_TRUE(musik->spielen());
    EXPECT_EQ(s.protokoll.holen().size(), 3u);
}

TEST_F(FluidMusikTest, UmschaltenHaeltAnUndSpieltVonDerStelleWeiter) {
    startSofort();
    musik->stoppen();
    EXPECT_FALSE(musik->spielt());
    musik->stoppen();  // a second stop has nothing to stop
    ASSERT_TRUE(musik->spielen());
    EXPECT_TRUE(musik->spielt());
    // No way back to the beginning: the machine resumes where it paused.
    EXPECT_EQ(s.protokoll.holen(), (Schritte{"anhalten", "abspielen"}));
}

TEST_F(FluidMusikTest, EinStoppIstKeinEndeDesStuecks) {
    startSofort();
    musik->stoppen();
    // FluidSynth says "done" after a stop just as at the end of the piece.
    s.durch = true;
    musik->nachsehen();
    EXPECT_EQ(rahmen.enden, 0);
    EXPECT_FALSE(musik->spielt());
}

TEST_F(FluidMusikTest, EndeWirdGemeldetUndDasStueckBeginntVonVorn) {
    startSofort();
    musik->nachsehen();  // still playing
    EXPECT_EQ(rahmen.enden, 0);

    s.durch = true;
    musik->nachsehen();
    EXPECT_EQ(rahmen.enden, 1);
    EXPECT_TRUE(musik->spielt());
    EXPECT_EQ(s.protokoll.holen(), (Schritte{"vonVorn", "abspielen"}));

    // The restarted piece is playing again; nothing more until its end.
    s.durch = false;
    musik->nachsehen();
    EXPECT_EQ(rahmen.enden, 1);
}

TEST_F(FluidMusikTest, EndeOhneMusikAnBleibtStillBisZumNaechstenStart) {
    startSofort();
    rahmen.musikAn = false;
    s.durch = true;
    musik->nachsehen();
    musik->nachsehen();  // reported once only
    EXPECT_EQ(rahmen.enden, 1);
    EXPECT_FALSE(musik->spielt());
    EXPECT_TRUE(s.protokoll.holen().empty());

    // The player switches it on again: a piece that played to its end
    // starts from its beginning.
    ASSERT_TRUE(musik->spielen());
    EXPECT_EQ(s.protokoll.holen(), (Schritte{"vonVorn", "abspielen"}));
}

TEST_F(FluidMusikTest, EndeOhneZuhoererIstHarmlos) {
    musik = std::make_unique<FluidMusik>(std::make_unique<ProtokollMaschine>(s),
                                         FluidMusik::Laden::sofort);
    ASSERT_TRUE(musik->oeffnen("trevo.mid"));
    ASSERT_TRUE(musik->spielen());
    s.durch = true;
    musik->nachsehen();
    EXPECT_FALSE(musik->spielt());
}

TEST_F(FluidMusikTest, KlangbankLaedtImHintergrundUndDerStartWartetDarauf) {
    s.sperren = true;
    baue(FluidMusik::Laden::imHintergrund);
    ASSERT_TRUE(musik->oeffnen("trevo.mid"));
    // oeffnen() came back while the soundfont is still loading.
    EXPECT_TRUE(musik->geoeffnet());
    EXPECT_FALSE(musik->bereit());
    ASSERT_TRUE(musik->spielen());
    EXPECT_TRUE(musik->spielt());

    s.freigeben();
    warteBisBereit();
    ASSERT_TRUE(musik->bereit());
    EXPECT_TRUE(musik->spielt());
    EXPECT_EQ(s.protokoll.holen(), (Schritte{"pruefen trevo.mid", "laden", "abspielen"}));
}

TEST_F(FluidMusikTest, StoppWaehrendDesLadensSpieltNachherNicht) {
    s.sperren = true;
    baue(FluidMusik::Laden::imHintergrund);
    ASSERT_TRUE(musik->oeffnen("trevo.mid"));
    ASSERT_TRUE(musik->spielen());
    musik->stoppen();
    s.freigeben();
    warteBisBereit();
    ASSERT_TRUE(musik->bereit());
    EXPECT_FALSE(musik->spielt());
    EXPECT_EQ(s.protokoll.holen(), (Schritte{"pruefen trevo.mid", "laden"}));
}

TEST_F(FluidMusikTest, LadefehlerImHintergrundSchliesstDenSpieler) {
    s.ladenGelingt = false;
    baue(FluidMusik::Laden::imHintergrund);
    ASSERT_TRUE(musik->oeffnen("trevo.mid"));
    ASSERT_TRUE(musik->spielen());
    warteBisBereit();
    EXPECT_FALSE(musik->geoeffnet());
    EXPECT_FALSE(musik->spielt());
    EXPECT_FALSE(musik->spielen());
}

TEST_F(FluidMusikTest, AntwortDesAltenLadersGiltNichtFuerDieNeueDatei) {
    s.sperren = true;
    baue(FluidMusik::Laden::imHintergrund);
    ASSERT_TRUE(musik->oeffnen("alt.mid"));
    s.freigeben();
    s.warteBisGeladen(1);  // the old loader is done; its answer waits in the queue
    ASSERT_TRUE(musik->oeffnen("neu.mid"));
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_FALSE(musik->bereit()) << "the first file's loader answered for the second";

    s.freigeben();
    warteBisBereit();
    EXPECT_TRUE(musik->bereit());
}

// The end of the game never waits for a soundfont still loading: the player
// goes at once, and the loader closes the machine when it is done.
TEST_F(FluidMusikTest, AbbauWaehrendDesLadensWartetNichtAufDenLader) {
    s.sperren = true;
    baue(FluidMusik::Laden::imHintergrund);
    ASSERT_TRUE(musik->oeffnen("trevo.mid"));
    musik.reset();  // would hang here if it joined the blocked loader
    // Nobody closes the machine under the loader's feet.
    const Schritte vorher = s.protokoll.holen();
    EXPECT_EQ(std::count(vorher.begin(), vorher.end(), "schliessen"), 0);
    s.freigeben();
    QElapsedTimer uhr;
    uhr.start();
    while (s.protokoll.holen().back() != "schliessen" && uhr.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);  // the answer finds nobody
    EXPECT_EQ(s.protokoll.holen(), (Schritte{"pruefen trevo.mid", "laden", "schliessen"}));
}

// The game's player loads nothing before the frame's first picture: opened
// and asked to play at start-up, it waits; released, it loads and plays. A
// game ended before that never loads at all.
TEST_F(FluidMusikTest, NachFreigabeLaedtErstWennDerRahmenEsErlaubt) {
    baue(FluidMusik::Laden::nachFreigabe);
    ASSERT_TRUE(musik->oeffnen("trevo.mid"));
    ASSERT_TRUE(musik->spielen());
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_TRUE(musik->spielt());
    EXPECT_FALSE(musik->bereit());
    EXPECT_EQ(s.protokoll.holen(), (Schritte{"pruefen trevo.mid"}));

    musik->freigeben();
    warteBisBereit();
    ASSERT_TRUE(musik->bereit());
    EXPECT_EQ(s.protokoll.holen(), (Schritte{"pruefen trevo.mid", "laden", "abspielen"}));
    // Released once: a file opened later loads at once.
    musik->freigeben();
    s.protokoll.leeren();
    ASSERT_TRUE(musik->oeffnen("neu.mid"));
    warteBisBereit();
    EXPECT_EQ(s.protokoll.holen(), (Schritte{"schliessen", "pruefen neu.mid", "laden"}));

    baue(FluidMusik::Laden::nachFreigabe);
    s.protokoll.leeren();
    ASSERT_TRUE(musik->oeffnen("trevo.mid"));
    musik.reset();
    EXPECT_EQ(s.protokoll.holen(), (Schritte{"pruefen trevo.mid", "schliessen"}));
}

}  // namespace

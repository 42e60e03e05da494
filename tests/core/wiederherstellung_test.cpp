// The recovery point: what taking it must leave alone, a second crash, a
// point older than the save file, a full disk. (Games killed at random:
// tests/games/absturz_pruefen.sh; the offer: tests/games/wiederherstellen*.)
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cerrno>
#include <ctime>
#include <future>
#include <thread>
#include <fcntl.h>
#include <sys/stat.h>

#include "app/kontrollform.h"
#include "app/spielstand.h"
#include "livestock/arten.h"
#include "livestock/tierkaufform.h"
#include "market/preiseform.h"
#include "spielumgebung.h"

namespace {

std::filesystem::path punkt(const Spielumgebung& u) { return u.verzeichnis / "TrevoSpielstand.wiederherstellen"; }

// From a hand-edited file (sections in the player's order, a key the game
// never writes, the price list dragged off the edges): three cows bought, a
// month, the herd sold, a month, the end. Returns the transcript and the save
// file; the points after each month in punkte.
std::pair<std::vector<std::string>, std::string> spiele(bool mitPunkt, std::vector<std::string>& punkte) {
    Spielumgebung u;
    u.schreibeDatei("; mein Hof\r\n[Kontrolle]\r\ngeld=500000\r\nmonat=5\r\nnotiz=7\r\n[KueheForm]\r\nMehren=0\r\n"
                    "[PreiseForm]\r\nx=-20\r\ny=-7\r\n");
    u.starten();
    if (!mitPunkt) KontrollForm->monatGeschlossen = nullptr;
    for (int i = 0; i < 3; ++i) {
        u.plattform.dialogAntworten.push_back([](TDialog& d) {
            dynamic_cast<TTierKaufForm&>(d).ButtonClick(2);
            return *d.modalResult;
        });
        KueheForm->KVButtonClick(KueheForm->KaufenButton);
    }
    KontrollForm->Button1Click();
    EXPECT_EQ(PreiseForm->left, -20) << "the window stays where the player dragged it";
    EXPECT_EQ(PreiseForm->top, -7);
    punkte.push_back(dateiInhalt(punkt(u)));
    for (int i = 0; i < 5 && KueheForm->tierAnzahl() > 0; ++i) KueheForm->KVButtonClick(KueheForm->VKaufenButton);
    KontrollForm->Button1Click();
    punkte.push_back(dateiInhalt(punkt(u)));
    EXPECT_TRUE(u.beenden());
    EXPECT_FALSE(std::filesystem::exists(punkt(u)));
    return {u.plattform.leeren(), u.datei()};
}

}  // namespace

// Taking the point moves no window, draws no number and leaves the text the
// orderly end writes alone: the cows in the first point leave no stale keys
// in the save file, and every key lands where it would without any point.
TEST(Wiederherstellung, PunktOhneFolgenFuersSpiel) {
    std::vector<std::string> punkte;
    std::vector<std::string> keine;
    const auto mit = spiele(true, punkte);
    const auto ohne = spiele(false, keine);
    EXPECT_EQ(mit.first, ohne.first);
    EXPECT_EQ(mit.second, ohne.second);
    EXPECT_EQ(punkte.at(1), mit.second) << "the last point is the end's file";
    EXPECT_EQ(punkte[0].rfind("; mein Hof\r\n[Kontrolle]\r\ngeld=", 0), 0u);
    EXPECT_NE(punkte[0].find("monat=6\r\nnotiz=7\r\njahr=2001\r\n"), std::string::npos);
    EXPECT_NE(punkte[0].find("[PreiseForm]\r\nx=1\r\ny=1\r\n"), std::string::npos);
    EXPECT_NE(punkte[0].find("\r\nT3="), std::string::npos);
    EXPECT_EQ(mit.second.find("\r\nT1="), std::string::npos);
    EXPECT_EQ(keine, (std::vector<std::string>{"", ""}));
}

// Accepted, the point stays until the orderly end: a second crash before the
// next month finds it again. A point older than the save file belongs to a
// run whose end had saved, and goes unasked. A full disk skips the month's
// point and keeps the last one, also when the end cannot save.
TEST(Wiederherstellung, ZweiterAbsturzVeralteterPunktVolleFestplatte) {
    Spielumgebung u;
    u.schreibeDatei("[Kontrolle]\r\nmonat=12\r\njahr=2003\r\ngeld=123\r\n");
    u.starten();
    KontrollForm->Button1Click();
    const std::string januar = dateiInhalt(punkt(u));
    for (int absturz = 0; absturz < 2; ++absturz) {
        u.spiel.reset();
        u.plattform.antworten.push_back(Antwort::Ja);
        u.starten();
        EXPECT_EQ(KontrollForm->Label1.caption, "Januar 2004");
        EXPECT_EQ(dateiInhalt(punkt(u)), januar);
    }
    u.spiel.reset();
    const timespec spaeter[2] = {{0, UTIME_OMIT}, {std::time(nullptr) + 60, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, u.dateiPfad().c_str(), spaeter, 0), 0);
    u.plattform.leeren();
    u.starten();
    EXPECT_TRUE(u.plattform.leeren().empty());
    EXPECT_EQ(KontrollForm->Label1.caption, "Dezember 2003");
    EXPECT_FALSE(std::filesystem::exists(punkt(u)));

    KontrollForm->Button1Click();
    const auto schreiber = Spielstand::schreiber;
    Spielstand::schreiber = [](int, const void*, std::size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    KontrollForm->Button1Click();
    EXPECT_EQ(KontrollForm->Label1.caption, "Februar 2004");
    EXPECT_FALSE(u.beenden());
    Spielstand::schreiber = schreiber;
    EXPECT_EQ(dateiInhalt(punkt(u)), januar);
    EXPECT_EQ(u.datei(), "[Kontrolle]\r\nmonat=12\r\njahr=2003\r\ngeld=123\r\n");
}

// Written on a thread of its own: a month handed over while the disk still
// writes the one before replaces any month waiting, and an orderly end right
// after a month loses none to the thread. (A crash: absturz_pruefen.sh.)
TEST(Wiederherstellung, ImHintergrundGeschrieben) {
    Spielumgebung u;
    u.starten();
    u.spiel->wiederherstellungImHintergrund({});
    const auto schreiber = Spielstand::schreiber;
    const auto spieler = std::this_thread::get_id();
    std::promise<void> frei;
    std::shared_future<void> freigegeben = frei.get_future().share();
    std::atomic<int> punkte{0};
    // The thread's writes wait until the test lets them go on.
    Spielstand::schreiber = [&](int fd, const void* d, std::size_t n) {
        if (std::this_thread::get_id() != spieler) {
            ++punkte;
            freigegeben.wait();
        }
        return ::write(fd, d, n);
    };
    KontrollForm->Button1Click();
    // March's point is being written before April comes.
    for (int i = 0; i < 10000 && punkte == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    KontrollForm->Button1Click();
    KontrollForm->Button1Click();
    const std::string mai = u.spiel->stand();
    frei.set_value();
    u.spiel->wiederherstellungAbwarten();
    EXPECT_EQ(punkte, 2) << "April waited and was replaced by May";
    EXPECT_EQ(dateiInhalt(punkt(u)), mai);

    std::promise<void> wiederFrei;
    freigegeben = wiederFrei.get_future().share();
    KontrollForm->Button1Click();
    const std::string juni = u.spiel->stand();
    // The end starts while June's point is still being written.
    std::thread loslassen([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        wiederFrei.set_value();
    });
    EXPECT_TRUE(u.beenden());
    loslassen.join();
    Spielstand::schreiber = schreiber;
    EXPECT_EQ(u.datei(), juni);
    EXPECT_FALSE(std::filesystem::exists(punkt(u))) << "no point lands after the end removed it";
    EXPECT_EQ(punkte, 3);
}

// The recovery point: what taking it must leave alone, a second crash, a
// clock set back and forward, a point not newer than the save file, a full
// disk, a kill at every write of a month, a save directory of its own. (Games killed at random:
// tests/games/absturz_pruefen.sh; the offer: tests/games/wiederherstellen*.)
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cerrno>
#include <ctime>
#include <future>
#include <thread>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "hofbuch/hofbuch.h"
#include "geld/kontrollform.h"
#include "spielstand/spielstand.h"
#include "spielstand/wiederherstellung.h"
#include "livestock/arten.h"
#include "livestock/tierkaufform.h"
#include "market/preiseform.h"
#include "spielumgebung.h"

namespace {

std::filesystem::path punkt(const Spielumgebung& u) { return u.verzeichnis / "TrevoSpielstand.wiederherstellen"; }

long zaehle(const std::vector<std::string>& protokoll, const std::string& text) {
    return std::count_if(protokoll.begin(), protokoll.end(),
                         [&](const std::string& z) { return z.find(text) != std::string::npos; });
}

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
    EXPECT_EQ(punktText(punkte.at(1)), mit.second) << "the last point is the end's file";
    EXPECT_EQ(punkte[0].rfind("; mein Hof\r\n[Kontrolle]\r\ngeld=", 0), 0u);
    EXPECT_NE(punkte[0].find("monat=6\r\nnotiz=7\r\njahr=2001\r\n"), std::string::npos);
    EXPECT_NE(punkte[0].find("[PreiseForm]\r\nx=1\r\ny=1\r\n"), std::string::npos);
    EXPECT_NE(punkte[0].find("\r\nT3="), std::string::npos);
    EXPECT_EQ(mit.second.find("\r\nT1="), std::string::npos);
    EXPECT_EQ(keine, (std::vector<std::string>{"", ""}));
}

// Accepted, the point stays until the orderly end: a second crash before the
// next month finds it again. Whether it is newer than the save file is told
// by the files, never by their times: with the clock set forward or back it
// is still offered, and one whose run began from another save file (the end
// saved, then died before removing it) is put aside, told, and never lost.
// A full disk skips the month's point and keeps the last one, also when the
// end cannot save.
TEST(Wiederherstellung, ZweiterAbsturzUhrVolleFestplatte) {
    Spielumgebung u;
    u.schreibeDatei("[Kontrolle]\r\nmonat=12\r\njahr=2003\r\ngeld=123\r\n");
    u.starten();
    KontrollForm->Button1Click();
    const std::string januar = dateiInhalt(punkt(u));
    const auto zeit = [](const std::filesystem::path& p, std::time_t t) {
        const timespec zeiten[2] = {{0, UTIME_OMIT}, {t, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, p.c_str(), zeiten, 0), 0);
    };
    const std::time_t jetzt = std::time(nullptr);
    for (int absturz = 0; absturz < 4; ++absturz) {
        SCOPED_TRACE(absturz);
        u.spiel.reset();
        // The clock of the save file set an hour forward, the point's ten
        // years back.
        if (absturz == 2) zeit(u.dateiPfad(), jetzt + 3600);
        if (absturz == 3) zeit(punkt(u), jetzt - 10 * 365 * 86400);
        u.plattform.leeren();
        u.plattform.antworten.push_back(Antwort::Ja);
        u.starten();
        EXPECT_EQ(zaehle(u.plattform.leeren(), "Trevo wurde zuletzt nicht ordnungsgemäß beendet"), 1);
        EXPECT_EQ(KontrollForm->Label1.caption, "Januar 2004");
        EXPECT_EQ(dateiInhalt(punkt(u)), januar);
    }
    // February saved in order; the end dies before it removes the point,
    // whose file is the newer by its time.
    KontrollForm->Button1Click();
    const std::string februar = dateiInhalt(punkt(u));
    EXPECT_TRUE(u.beenden());
    u.spiel.reset();
    const std::string gespeichert = u.datei();
    { std::ofstream(punkt(u), std::ios::binary) << februar; }
    zeit(u.dateiPfad(), jetzt - 3600);
    u.plattform.leeren();
    u.starten();
    const std::filesystem::path beiseite = u.verzeichnis / "TrevoSpielstand-aelter.wiederherstellen";
    EXPECT_EQ(u.plattform.leeren(),
              std::vector<std::string>{"meldung\tInformation\tDer Wiederherstellungspunkt TrevoSpielstand.wiederherstellen "
                                       "(der Hof bis zum Ende des Monats Januar 2004) ist nicht neuer als der "
                                       "Spielstand: Der Spielstand wurde nach ihm gespeichert oder ersetzt.\\r\\rEr "
                                       "wurde unverändert beiseitegelegt:\\r" + beiseite.string() +
                                       "\\r\\rDas Spiel geht mit dem gespeicherten Spielstand weiter."});
    EXPECT_EQ(dateiInhalt(beiseite), februar);
    EXPECT_FALSE(std::filesystem::exists(punkt(u)));
    EXPECT_EQ(KontrollForm->Label1.caption, "Februar 2004");
    EXPECT_EQ(u.datei(), gespeichert);

    KontrollForm->Button1Click();
    const std::string maerz = dateiInhalt(punkt(u));
    const auto schreiber = Dateizugriff::schreiber;
    Dateizugriff::schreiber = [](int, const void*, std::size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    KontrollForm->Button1Click();
    EXPECT_EQ(KontrollForm->Label1.caption, "April 2004");
    EXPECT_FALSE(u.beenden());
    Dateizugriff::schreiber = schreiber;
    EXPECT_EQ(dateiInhalt(punkt(u)), maerz);
    EXPECT_EQ(u.datei(), gespeichert);
}

// Written on a thread of its own: a month handed over while the disk still
// writes the one before replaces any month waiting, and an orderly end right
// after a month loses none to the thread. (A crash: absturz_pruefen.sh.)
TEST(Wiederherstellung, ImHintergrundGeschrieben) {
    Spielumgebung u;
    u.starten();
    u.spiel->wiederherstellungImHintergrund({});
    const auto schreiber = Dateizugriff::schreiber;
    const auto spieler = std::this_thread::get_id();
    std::promise<void> frei;
    std::shared_future<void> freigegeben = frei.get_future().share();
    std::atomic<int> punkte{0};
    // The thread's writes wait until the test lets them go on.
    Dateizugriff::schreiber = [&](int fd, const void* d, std::size_t n) {
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
    EXPECT_EQ(punktText(dateiInhalt(punkt(u))), mai);

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
    Dateizugriff::schreiber = schreiber;
    EXPECT_EQ(u.datei(), juni);
    EXPECT_FALSE(std::filesystem::exists(punkt(u))) << "no point lands after the end removed it";
    EXPECT_EQ(punkte, 3);
}

namespace {

// Two runs of two months, each ended in order. ereignis runs before every
// write and every sync of a file of the game's, in turn; monate counts the
// months whose step has ended.
void zweiLaeufe(Spielumgebung& u, int& monate) {
    for (int lauf = 0; lauf < 2; ++lauf) {
        u.plattform.antworten.push_back(Antwort::Ja);
        u.starten();
        u.plattform.antworten.clear();
        for (int m = 0; m < 2; ++m) {
            KontrollForm->Button1Click();
            ++monate;
        }
        u.beenden();
        u.spiel.reset();
    }
}

struct Zaehler {
    int ereignisse = 0;
    std::vector<int> monateVor;  // per event: the months done before it
};

void ereignisseZaehlen(const std::string& verzeichnis, const int& monate, Zaehler& z, int toetenBei, bool danach) {
    const auto unseres = [verzeichnis](int fd) {
        char puffer[4096];
        const ssize_t n = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), puffer, sizeof puffer);
        return n > 0 && std::string(puffer, static_cast<std::size_t>(n)).starts_with(verzeichnis);
    };
    const auto ereignis = [&z, &monate, toetenBei](bool vorher, bool danachToeten) {
        if (vorher) {
            z.monateVor.push_back(monate);
            ++z.ereignisse;
            if (z.ereignisse == toetenBei && !danachToeten) ::_exit(0);
        } else if (z.ereignisse == toetenBei && danachToeten) {
            ::_exit(0);
        }
    };
    Dateizugriff::schreiber = [=](int fd, const void* d, std::size_t n) {
        const bool zaehlt = unseres(fd);
        if (zaehlt) ereignis(true, danach);
        const ssize_t r = ::write(fd, d, n);
        if (zaehlt) ereignis(false, danach);
        return r;
    };
    // The syncs are counted, not made: the file is the same for the next
    // process either way.
    Dateizugriff::syncer = [=](int fd) {
        if (unseres(fd)) {
            ereignis(true, danach);
            ereignis(false, danach);
        }
        return 0;
    };
}

}  // namespace

// The game killed before and right after each write and each sync of its
// files over two runs of two months (the recovery point, the logbook's row,
// the end's book and save file): the next start, taking what is offered,
// has every month whose step had ended, or that one and the month being
// written, and the logbook has each of them exactly once.
TEST(Wiederherstellung, AbsturzBeiJedemSchritt) {
    const auto schreiber = Dateizugriff::schreiber;
    const auto syncer = Dateizugriff::syncer;
    Zaehler probe;
    {
        Spielumgebung u;
        dateienSyncen = true;
        int monate = 0;
        ereignisseZaehlen(u.verzeichnis.string(), monate, probe, -1, false);
        zweiLaeufe(u, monate);
        Dateizugriff::schreiber = schreiber;
        Dateizugriff::syncer = syncer;
    }
    ASSERT_GT(probe.ereignisse, 20);
    RecordProperty("ereignisse", probe.ereignisse);
    for (int bei = 1; bei <= probe.ereignisse; ++bei) {
        for (const bool danach : {false, true}) {
            SCOPED_TRACE(std::to_string(bei) + (danach ? " after" : " before"));
            Spielumgebung u;
            const pid_t kind = ::fork();
            ASSERT_GE(kind, 0);
            if (kind == 0) {
                dateienSyncen = true;
                int monate = 0;
                Zaehler z;
                ereignisseZaehlen(u.verzeichnis.string(), monate, z, bei, danach);
                zweiLaeufe(u, monate);
                ::_exit(1);
            }
            int status = 0;
            ASSERT_EQ(::waitpid(kind, &status, 0), kind);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the run was not killed";
            u.plattform.antworten.push_back(Antwort::Ja);
            u.starten();
            const int fertig = probe.monateVor[static_cast<std::size_t>(bei - 1)];
            const int monate = (KontrollForm->jahr - 2001) * 12 + KontrollForm->monat - 3;
            EXPECT_GE(monate, fertig);
            EXPECT_LE(monate, fertig + 1);
            std::string buch;
            for (const HofbuchZeile& z : u.spiel->hofbuch().zeilen())
                buch += std::to_string(z.jahr) + "-" + std::to_string(z.monat) + " ";
            std::string erwartet;
            for (int m = 0; m < monate; ++m) erwartet += "2001-" + std::to_string(3 + m) + " ";
            EXPECT_EQ(buch, erwartet);
        }
    }
}

// The save file in a directory of its own, apart from the program's (where an
// installed game cannot write): the point, the logbook and the save go there,
// and nothing into the program's directory.
TEST(Wiederherstellung, SpielstandVerzeichnisAbseits) {
    Spielumgebung u;
    const std::filesystem::path programm = u.verzeichnis / "programm";
    const std::filesystem::path ablage = u.verzeichnis / "ablage";
    std::filesystem::create_directories(programm);
    std::filesystem::create_directories(ablage);
    const auto starten = [&] { u.spiel = std::make_unique<Spiel>(u.plattform, programm.string(), ablage.string()); };
    starten();
    KontrollForm->Button1Click();
    KontrollForm->Button1Click();
    u.spiel.reset();  // killed
    EXPECT_TRUE(std::filesystem::exists(ablage / "TrevoSpielstand.wiederherstellen"));
    u.plattform.antworten.push_back(Antwort::Ja);
    starten();
    EXPECT_EQ(KontrollForm->Label1.caption, "Mai 2001");
    EXPECT_EQ(u.spiel->hofbuch().zeilen().size(), 2u);
    EXPECT_TRUE(u.beenden());
    EXPECT_TRUE(std::filesystem::is_empty(programm));
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(ablage)) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    EXPECT_EQ(namen, (std::vector<std::string>{"TrevoHofbuch.csv", "TrevoSpielstand.bin"}));
}

// A month taken back leaves the disk before the game: the recovery point goes
// back to the month before (or away, before the run's first), so that a crash
// right after never brings the month back, and the logbook loses its row. On
// a full disk the month stays, the player is told, and nothing is lost.
TEST(Wiederherstellung, MonatZurueckgenommenUndAbsturz) {
    for (const int zurueck : {1, 2}) {
        SCOPED_TRACE(zurueck);
        Spielumgebung u;
        u.starten();
        const auto weiter = [&u] { u.spiel->schritt([] { KontrollForm->Button1Click(); }); };
        const std::filesystem::path buch = u.verzeichnis / "TrevoHofbuch.csv";
        weiter();
        const std::string april = dateiInhalt(punkt(u));
        const std::string buchApril = dateiInhalt(buch);
        const int32_t temperaturApril = KontrollForm->temperatur;
        weiter();
        ASSERT_NE(dateiInhalt(buch), buchApril);

        const auto schreiber = Dateizugriff::schreiber;
        Dateizugriff::schreiber = [](int, const void*, std::size_t) -> ssize_t {
            errno = ENOSPC;
            return -1;
        };
        EXPECT_FALSE(u.spiel->zurueck());
        Dateizugriff::schreiber = schreiber;
        EXPECT_EQ(zaehle(u.plattform.leeren(), "Der Monat kann nicht zurückgenommen werden"), 1);
        EXPECT_EQ(KontrollForm->Label1.caption, "Mai 2001");
        EXPECT_NE(dateiInhalt(punkt(u)), april);

        for (int i = 0; i < zurueck; ++i) ASSERT_TRUE(u.spiel->zurueck());
        if (zurueck == 1) {
            EXPECT_EQ(dateiInhalt(punkt(u)), april);
            EXPECT_EQ(dateiInhalt(buch), buchApril);
            EXPECT_EQ(KontrollForm->temperatur, temperaturApril);
        } else {
            EXPECT_FALSE(std::filesystem::exists(punkt(u)));
        }
        // Killed right after.
        u.spiel.reset();
        u.plattform.leeren();
        u.plattform.antworten.push_back(Antwort::Ja);
        u.starten();
        EXPECT_EQ(zaehle(u.plattform.leeren(), "Trevo wurde zuletzt nicht ordnungsgemäß beendet"), zurueck == 1 ? 1 : 0);
        EXPECT_EQ(KontrollForm->Label1.caption, zurueck == 1 ? "April 2001" : "März 2001");
        if (zurueck == 1) {
            EXPECT_EQ(dateiInhalt(buch), buchApril);
        }
    }
}

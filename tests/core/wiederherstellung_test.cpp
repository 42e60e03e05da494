// The recovery point beside the save file: what taking it must leave alone,
// the offer after a crash, and points that are damaged or cannot be written.
// (Games killed at random moments: tests/games/absturz_pruefen.sh.)
#include <gtest/gtest.h>

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "app/kontrollform.h"
#include "app/spielstand.h"
#include "app/zufall.h"
#include "livestock/arten.h"
#include "livestock/tierkaufform.h"
#include "market/preiseform.h"
#include "spielumgebung.h"

namespace fs = std::filesystem;

namespace {

std::string inhalt(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::vector<std::string> dateienIn(const fs::path& verzeichnis) {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(verzeichnis)) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

fs::path punkt(const Spielumgebung& u) { return u.verzeichnis / "TrevoSpielstand.wiederherstellen"; }

void kaufeKuh(Spielumgebung& u) {
    u.plattform.dialogAntworten.push_back([](TDialog& d) {
        dynamic_cast<TTierKaufForm&>(d).ButtonClick(2);
        return *d.modalResult;
    });
    KueheForm->KVButtonClick(KueheForm->KaufenButton);
}

// Sections in an order of the player's own, keys the game never writes, and
// no herd: every window's keys are added or replaced in this text.
const std::string handbearbeitet =
    "; mein Hof\r\n[Kontrolle]\r\ngeld=500000\r\nmonat=5\r\nnotiz=7\r\n[KueheForm]\r\nMehren=0\r\n"
    "[PreiseForm]\r\nx=-20\r\ny=-7\r\n";

// Cows bought, a month, the herd sold again, a month, the end. With
// monatGeschlossen cleared no recovery point is taken.
struct Ergebnis {
    std::vector<std::string> protokoll;
    std::string spielstand;
    std::string punktNachErstemMonat;
    std::string punktAmEnde;
    int32_t links = 0;
    int32_t oben = 0;
};

Ergebnis spiele(bool mitPunkt) {
    Spielumgebung u;
    u.schreibeDatei(handbearbeitet);
    u.starten();
    if (!mitPunkt) KontrollForm->monatGeschlossen = nullptr;
    Ergebnis e;
    for (int i = 0; i < 3; ++i) kaufeKuh(u);
    KontrollForm->Button1Click();
    e.links = PreiseForm->left;
    e.oben = PreiseForm->top;
    e.punktNachErstemMonat = inhalt(punkt(u));
    for (int i = 0; i < 10 && KueheForm->tierAnzahl() > 0; ++i) KueheForm->KVButtonClick(KueheForm->VKaufenButton);
    EXPECT_EQ(KueheForm->tierAnzahl(), 0);
    KontrollForm->Button1Click();
    e.punktAmEnde = inhalt(punkt(u));
    EXPECT_TRUE(u.beenden());
    e.spielstand = u.datei();
    e.protokoll = u.plattform.leeren();
    EXPECT_EQ(dateienIn(u.verzeichnis), std::vector<std::string>{"TrevoSpielstand.bin"});
    return e;
}

}  // namespace

// Taking the point moves no window, draws no number and leaves the text the
// orderly end writes into alone: a herd in the first point whose animals are
// gone at the end leaves no stale keys, and keys land where they would
// without any point. The last point is the end's file itself.
TEST(Wiederherstellung, PunktOhneFolgenFuersSpiel) {
    const Ergebnis mit = spiele(true);
    const Ergebnis ohne = spiele(false);
    EXPECT_EQ(mit.protokoll, ohne.protokoll);
    EXPECT_EQ(mit.spielstand, ohne.spielstand);
    EXPECT_EQ(mit.punktAmEnde, mit.spielstand);
    EXPECT_TRUE(ohne.punktNachErstemMonat.empty());

    EXPECT_EQ(mit.links, -20) << "the window stays where the player dragged it";
    EXPECT_EQ(mit.oben, -7);
    EXPECT_EQ(mit.punktNachErstemMonat.rfind("; mein Hof\r\n[Kontrolle]\r\ngeld=", 0), 0u);
    EXPECT_NE(mit.punktNachErstemMonat.find("monat=6\r\nnotiz=7\r\njahr=2001\r\n"), std::string::npos);
    EXPECT_NE(mit.punktNachErstemMonat.find("[PreiseForm]\r\nx=1\r\ny=1\r\n"), std::string::npos);
    EXPECT_NE(mit.punktNachErstemMonat.find("\r\nT3="), std::string::npos);
    EXPECT_EQ(mit.spielstand.find("\r\nT1="), std::string::npos);
}

// Accepted, the game goes on from the point, and the point stays until the
// orderly end, so a second crash before the next month still finds it.
// Declined, it is gone and the last orderly save holds. One older than the
// save file is never offered.
TEST(Wiederherstellung, AngebotNachDemAbsturz) {
    Spielumgebung u;
    u.schreibeDatei("[Kontrolle]\r\nmonat=12\r\njahr=2003\r\ngeld=123\r\n");
    u.starten();
    KontrollForm->Button1Click();
    KontrollForm->Button1Click();
    const std::string feb = inhalt(punkt(u));
    u.spiel.reset();  // the crash: nothing saved
    u.plattform.leeren();

    const std::string angebot =
        "meldung\tBestätigen\tTrevo wurde zuletzt nicht ordnungsgemäß beendet. Der Hof ist bis zum Ende des "
        "Monats Januar 2004 erhalten.\\r\\rSoll das Spiel im Febuar 2004 weitergehen?\\r\\r„Nein“ spielt mit dem "
        "zuletzt gespeicherten Spielstand weiter und verwirft den erhaltenen.";
    for (int absturz = 0; absturz < 2; ++absturz) {
        u.plattform.antworten.push_back(Antwort::Ja);
        u.starten();
        EXPECT_EQ(u.plattform.leeren(), std::vector<std::string>{angebot});
        EXPECT_EQ(KontrollForm->Label1.caption, "Febuar 2004");
        EXPECT_EQ(inhalt(punkt(u)), feb);
        u.spiel.reset();
    }

    u.starten();  // declined
    EXPECT_EQ(u.plattform.leeren(), std::vector<std::string>{angebot});
    EXPECT_EQ(KontrollForm->Label1.caption, "Dezember 2003");
    EXPECT_FALSE(fs::exists(punkt(u)));
    u.spiel.reset();
    u.starten();
    EXPECT_TRUE(u.plattform.leeren().empty());

    // A point older than the save file is of a run whose end had saved: it
    // goes without a word.
    KontrollForm->Button1Click();
    u.spiel.reset();
    const timespec spaeter[2] = {{0, UTIME_OMIT}, {std::time(nullptr) + 60, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, u.dateiPfad().c_str(), spaeter, 0), 0);
    u.plattform.leeren();
    u.starten();
    EXPECT_TRUE(u.plattform.leeren().empty());
    EXPECT_EQ(KontrollForm->Label1.caption, "Dezember 2003");
    EXPECT_FALSE(fs::exists(punkt(u)));
}

// A damaged or foreign point is told in one warning and removed; the game
// starts from the save file without asking, and never waits on it.
TEST(Wiederherstellung, BeschaedigtWirdVerworfen) {
    struct Fall {
        const char* was;
        std::function<void(const fs::path&)> anlegen;
        const char* grund;
    };
    const auto datei = [](std::string bytes) {
        return [bytes](const fs::path& p) { std::ofstream(p, std::ios::binary) << bytes; };
    };
    const char* const ohneDatum = "Monat, Jahr oder Guthaben des Spiels fehlen darin.";
    const std::vector<Fall> faelle = {
        {"leer", datei(""), ohneDatum},
        {"Nullbytes", datei("[Kontrolle]\r\nmonat=4\r\njahr=2001\r\ngeld=1\r\n" + std::string(4, '\0')),
         "Sie enthält Nullbytes, die in keinem Spielstand stehen."},
        {"fremd", datei("\x89PNG\r\n\x1a\n"), ohneDatum},
        {"Monat 13", datei("[Kontrolle]\r\nmonat=13\r\njahr=2001\r\ngeld=1\r\n"), ohneDatum},
        {"Jahr ohne Zahl", datei("[Kontrolle]\r\nmonat=4\r\njahr=20x1\r\ngeld=1\r\n"), ohneDatum},
        {"Guthaben über 32 Bit", datei("[Kontrolle]\r\nmonat=4\r\njahr=2001\r\ngeld=2147483648\r\n"), ohneDatum},
        {"Verzeichnis", [](const fs::path& p) { fs::create_directory(p); }, "An ihrer Stelle steht ein Verzeichnis."},
        {"FIFO", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); },
         "Sie ist keine gewöhnliche Datei."},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.was);
        Spielumgebung u;
        u.schreibeDatei("[Kontrolle]\r\nmonat=7\r\n");
        fall.anlegen(punkt(u));
        u.plattform.antworten.push_back(Antwort::Ja);
        u.starten();
        EXPECT_EQ(u.plattform.leeren(),
                  std::vector<std::string>{"meldung\tWarnung\tDer Wiederherstellungspunkt ist beschädigt und wird "
                                           "verworfen:\\r" + punkt(u).string() + "\\r\\r" + fall.grund});
        EXPECT_EQ(KontrollForm->Label1.caption, "Juli 2001");
        EXPECT_FALSE(fs::exists(fs::symlink_status(punkt(u))));
    }
}

namespace {
class Schreibstoerung {
public:
    Schreibstoerung() : alt_(Spielstand::schreiber) {
        Spielstand::schreiber = [](int, const void*, std::size_t) -> ssize_t {
            errno = ENOSPC;
            return -1;
        };
    }
    ~Schreibstoerung() { Spielstand::schreiber = alt_; }
    Schreibstoerung(const Schreibstoerung&) = delete;
    Schreibstoerung& operator=(const Schreibstoerung&) = delete;

private:
    decltype(Spielstand::schreiber) alt_;
};
}  // namespace

// A full disk: the month goes on without a word and the last point stays;
// an orderly end that cannot write the save file keeps the point, which is
// then all there is of the run. And a save file that cannot be read at the
// start: continuing from the point says so, and the end keeps the file,
// saves beside it and removes the point.
TEST(Wiederherstellung, VolleFestplatteUndUnlesbarerSpielstand) {
    Spielumgebung u;
    u.starten();
    KontrollForm->Button1Click();
    const std::string april = inhalt(punkt(u));
    u.plattform.leeren();
    {
        Schreibstoerung voll;
        KontrollForm->Button1Click();
        EXPECT_EQ(KontrollForm->Label1.caption, "Mai 2001");
        EXPECT_TRUE(u.plattform.leeren().size() == 1) << "only the month's costs";
        EXPECT_EQ(inhalt(punkt(u)), april);
        EXPECT_FALSE(u.beenden());
    }
    EXPECT_EQ(dateienIn(u.verzeichnis), std::vector<std::string>{"TrevoSpielstand.wiederherstellen"});
    u.spiel.reset();
    u.plattform.leeren();

    fs::create_directory(u.dateiPfad());
    u.plattform.antworten.push_back(Antwort::Ja);
    u.starten();
    const auto p = u.plattform.leeren();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].rfind("meldung\tBestätigen\t", 0), 0u);
    EXPECT_EQ(p[1], "meldung\tFehler\tDer Spielstand konnte nicht gelesen werden:\\r" + u.dateiPfad().string() +
                        "\\r\\rAn ihrer Stelle steht ein Verzeichnis.\\r\\rDas Spiel geht beim "
                        "Wiederherstellungspunkt weiter. Die Datei bleibt, wie sie ist; beim Beenden wird das Spiel "
                        "in einer neuen Datei daneben gesichert.");
    EXPECT_EQ(KontrollForm->Label1.caption, "April 2001");
    EXPECT_FALSE(u.beenden());
    EXPECT_EQ(inhalt(u.verzeichnis / "TrevoSpielstand-gerettet.bin"), april);
    EXPECT_EQ(dateienIn(u.verzeichnis), (std::vector<std::string>{"TrevoSpielstand-gerettet.bin",
                                                                   "TrevoSpielstand.bin"}));
}

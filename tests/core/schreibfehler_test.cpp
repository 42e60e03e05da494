// A disk that stops taking writes, or gives back what it cannot read: the
// player is told at once, chooses where the game goes at the end, and no
// finished month is lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <climits>
#include <unistd.h>

#include "app/kontrollform.h"
#include "app/spielstand.h"
#include "spielumgebung.h"

namespace {

namespace fs = std::filesystem;

// Restores the file layer after a test.
struct Stoerung {
    decltype(Spielstand::leser) leser = Spielstand::leser;
    decltype(Spielstand::schreiber) schreiber = Spielstand::schreiber;
    ~Stoerung() {
        Spielstand::leser = leser;
        Spielstand::schreiber = schreiber;
    }
};

std::string pfadVon(int fd) {
    char puffer[PATH_MAX];
    const ssize_t n = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), puffer, sizeof puffer);
    return n > 0 ? std::string(puffer, static_cast<std::size_t>(n)) : std::string();
}

// Every file replaced in the game's directory is one write; from the write
// numbered `ab` on (all of them, or only that one) each fails with ENOSPC.
// Records the name of each file written, in turn.
std::shared_ptr<std::vector<std::string>> platteVoll(const fs::path& verzeichnis, std::size_t ab, bool bleibt) {
    auto ziele = std::make_shared<std::vector<std::string>>();
    auto zuletzt = std::make_shared<std::string>();
    Spielstand::schreiber = [=, dir = verzeichnis.string() + "/"](int fd, const void* d, std::size_t n) -> ssize_t {
        const std::string pfad = pfadVon(fd);
        if (pfad.rfind(dir, 0) == 0) {
            // A temporary file of a name of its own: ".NAME.tmp-PID-N".
            if (pfad != *zuletzt) ziele->push_back(pfad.substr(dir.size() + 1, pfad.find(".tmp-") - dir.size() - 1));
            *zuletzt = pfad;
            if (ziele->size() == ab || (bleibt && ziele->size() > ab)) {
                errno = ENOSPC;
                return -1;
            }
        }
        return ::write(fd, d, n);
    };
    return ziele;
}

constexpr int monate = 3;

// Three months and the end, with the end's choice answered as given.
// Returns whether the end saved.
bool spielen(Spielumgebung& u, std::vector<Antwort> antworten, std::vector<std::string> orte = {}) {
    u.starten();
    for (int m = 0; m < monate; ++m) KontrollForm->Button1Click();
    u.plattform.antworten.assign(antworten.begin(), antworten.end());
    u.plattform.speicherOrte.assign(orte.begin(), orte.end());
    return u.beenden();
}

long zaehle(const std::vector<std::string>& protokoll, const std::string& text) {
    return std::count_if(protokoll.begin(), protokoll.end(),
                         [&](const std::string& z) { return z.find(text) != std::string::npos; });
}

}  // namespace

// A write that fails at any one of the writes of three months and the end:
// from then on the disk stays full and the player saves elsewhere, or it
// fails once and the player tries again. Either way the game of all three
// months reaches a file, and a failed recovery point is told at once.
TEST(Schreibfehler, KeinFertigerMonatGehtVerloren) {
    Stoerung stoerung;
    std::string erwartet;
    std::vector<std::string> ziele;
    {
        Spielumgebung u;
        const auto geschrieben = platteVoll(u.verzeichnis, SIZE_MAX, false);
        ASSERT_TRUE(spielen(u, {}));
        erwartet = u.datei();
        ziele = *geschrieben;
    }
    const std::string punkt = "TrevoSpielstand.wiederherstellen";
    ASSERT_EQ(std::count(ziele.begin(), ziele.end(), punkt), monate);
    ASSERT_EQ(ziele.back(), "TrevoSpielstand.bin");
    for (std::size_t ab = 1; ab <= ziele.size(); ++ab) {
        SCOPED_TRACE("write " + std::to_string(ab) + ": " + ziele[ab - 1]);
        // The points from this write on, and after it.
        const auto punkteAb = std::count(ziele.begin() + static_cast<long>(ab) - 1, ziele.end(), punkt);
        const auto punkteDanach = std::count(ziele.begin() + static_cast<long>(ab), ziele.end(), punkt);
        {
            Spielumgebung u;
            const fs::path anderswo = u.verzeichnis.parent_path() / (u.verzeichnis.filename().string() + "-usb");
            fs::create_directory(anderswo);
            platteVoll(u.verzeichnis, ab, true);
            EXPECT_FALSE(spielen(u, {Antwort::Anderswo}, {(anderswo / "hof.bin").string()}));
            const auto protokoll = u.plattform.leeren();
            EXPECT_EQ(dateiInhalt(anderswo / "hof.bin"), erwartet);
            EXPECT_EQ(zaehle(protokoll, "Beim nächsten Start findet Trevo es nur"), 1);
            EXPECT_EQ(zaehle(protokoll, "Der Wiederherstellungspunkt konnte nicht geschrieben"), punkteAb ? 1 : 0)
                << "told at once, and once for the disk that stays full";
            EXPECT_EQ(zaehle(protokoll, "Der Wiederherstellungspunkt wird wieder geschrieben"), 0);
            fs::remove_all(anderswo);
        }
        Spielumgebung u;
        platteVoll(u.verzeichnis, ab, false);
        EXPECT_TRUE(spielen(u, {Antwort::Wiederholen}));
        EXPECT_EQ(u.datei(), erwartet);
        const auto protokoll = u.plattform.leeren();
        const bool punktFehlte = ziele[ab - 1] == punkt;
        EXPECT_EQ(zaehle(protokoll, "Der Wiederherstellungspunkt konnte nicht geschrieben"), punktFehlte ? 1 : 0);
        // A point that failed once is written again the next month, and the
        // player hears of that too.
        EXPECT_EQ(zaehle(protokoll, "Der Wiederherstellungspunkt wird wieder geschrieben"),
                  punktFehlte && punkteDanach ? 1 : 0);
    }
}

// Ending without saving is asked twice; "Nein" goes back to the choice, and
// the recovery point of the last month stays for the next start.
TEST(Schreibfehler, OhneSpeichernNurNachRueckfrage) {
    Stoerung stoerung;
    Spielumgebung u;
    u.schreibeDatei("[Kontrolle]\r\nmonat=7\r\n");
    u.starten();
    KontrollForm->Button1Click();
    Spielstand::schreiber = [](int, const void*, std::size_t) -> ssize_t {
        errno = EROFS;
        return -1;
    };
    u.plattform.leeren();
    u.plattform.antworten = {Antwort::OhneSpeichern, Antwort::Nein, Antwort::Anderswo, Antwort::OhneSpeichern,
                             Antwort::Ja};
    EXPECT_FALSE(u.beenden());
    const auto protokoll = u.plattform.leeren();
    EXPECT_EQ(zaehle(protokoll, "meldung\tFehler\tDer Spielstand konnte nicht gespeichert werden"), 3)
        << "asked again after each step";
    EXPECT_EQ(zaehle(protokoll, "meldung\tBestätigen\tWirklich ohne Speichern beenden?"), 2);
    EXPECT_EQ(zaehle(protokoll, "dateiwahl\tTrevoSpielstand.bin"), 1) << "the dialog cancelled";
    EXPECT_TRUE(u.plattform.antworten.empty());
    EXPECT_EQ(u.datei(), "[Kontrolle]\r\nmonat=7\r\n");
    EXPECT_NE(dateiInhalt(u.verzeichnis / "TrevoSpielstand.wiederherstellen").find("monat=8"), std::string::npos);
}

// Save file at July, a newer point at September whose reading fails: the
// point is put aside unchanged and told, the game goes on in July, and
// nothing at the end removes the months the point holds.
TEST(Schreibfehler, UnlesbarerPunktBleibtErhalten) {
    Stoerung stoerung;
    Spielumgebung u;
    u.schreibeDatei("[Kontrolle]\r\nmonat=7\r\njahr=2001\r\ngeld=5\r\n");
    const std::string september = "[Kontrolle]\r\nmonat=9\r\njahr=2001\r\ngeld=7\r\n";
    std::ofstream(u.verzeichnis / "TrevoSpielstand.wiederherstellen", std::ios::binary) << september;
    Spielstand::leser = [](int fd, void* puffer, std::size_t n) -> ssize_t {
        if (pfadVon(fd).ends_with(".wiederherstellen")) {
            errno = EIO;
            return -1;
        }
        return ::read(fd, puffer, n);
    };
    u.starten();
    const auto protokoll = u.plattform.leeren();
    ASSERT_EQ(protokoll.size(), 1u);
    const fs::path beiseite = u.verzeichnis / "TrevoSpielstand-unlesbar.wiederherstellen";
    EXPECT_EQ(protokoll[0], "meldung\tWarnung\tDer Wiederherstellungspunkt TrevoSpielstand.wiederherstellen konnte "
                            "nicht gelesen werden:\\r\\rEin-/Ausgabefehler.\\r\\rEr wurde unverändert "
                            "beiseitegelegt:\\r" + beiseite.string() +
                                "\\r\\rDas Spiel geht mit dem zuletzt gespeicherten Spielstand weiter.");
    EXPECT_EQ(KontrollForm->Label1.caption, "Juli 2001");
    KontrollForm->Button1Click();
    EXPECT_TRUE(u.beenden());
    EXPECT_EQ(dateiInhalt(beiseite), september);
    EXPECT_FALSE(fs::exists(u.verzeichnis / "TrevoSpielstand.wiederherstellen"));

    // Where it cannot be put aside (every name taken), it stays in place:
    // no month writes over it, and the end does not remove it.
    u.spiel.reset();
    std::ofstream(u.verzeichnis / "TrevoSpielstand.wiederherstellen", std::ios::binary) << september;
    for (int nr = 2; nr <= 100; ++nr)
        std::ofstream(u.verzeichnis / ("TrevoSpielstand-unlesbar-" + std::to_string(nr) + ".wiederherstellen"));
    u.plattform.leeren();
    u.starten();
    EXPECT_EQ(zaehle(u.plattform.leeren(), "Er bleibt unverändert liegen."), 1);
    KontrollForm->Button1Click();
    EXPECT_TRUE(u.beenden());
    EXPECT_EQ(dateiInhalt(u.verzeichnis / "TrevoSpielstand.wiederherstellen"), september);
}

// A byte-order mark before the first section is read as nothing: the
// section loads, and the end writes it back once, without the mark.
TEST(Schreibfehler, ByteOrderMarkVorDerErstenSektion) {
    Spielumgebung u;
    u.schreibeDatei("\xEF\xBB\xBF[Kontrolle]\r\nmonat=9\r\njahr=2010\r\n");
    u.starten();
    EXPECT_EQ(KontrollForm->Label1.caption, "September 2010");
    ASSERT_TRUE(u.beenden());
    const std::string datei = u.datei();
    EXPECT_EQ(datei.rfind("[Kontrolle]\r\nmonat=9\r\njahr=2010\r\n", 0), 0u);
    EXPECT_EQ(datei.find("[Kontrolle]", 1), std::string::npos);
}

// One size rule both ways: a file of exactly the limit is read, one byte
// more is not; a game that would grow past the limit is not written (the
// old file stays), so no start ever refuses what the game wrote.
TEST(Schreibfehler, GroessengrenzeGiltBeimLesenUndSchreiben) {
    Spielumgebung u;
    const std::string kopf = "[Kontrolle]\r\nmonat=7\r\n;";
    std::string voll = kopf + std::string(static_cast<std::size_t>(Spielstand::maxGroesse) - kopf.size(), 'x');
    u.schreibeDatei(voll + "x");
    u.starten();
    EXPECT_EQ(spielstand().lesefehler(), Spielstand::zuGrossText);
    u.spiel.reset();
    u.schreibeDatei(voll);
    u.plattform.leeren();
    u.starten();
    EXPECT_TRUE(spielstand().lesefehler().empty());
    EXPECT_EQ(KontrollForm->Label1.caption, "Juli 2001");
    EXPECT_FALSE(u.beenden());
    EXPECT_EQ(zaehle(u.plattform.leeren(), "Das Spiel ist größer als 16 MiB geworden"), 1);
    EXPECT_EQ(u.datei(), voll);
}

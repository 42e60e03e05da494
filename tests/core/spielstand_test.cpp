// The save file on a disk that misbehaves: read errors, things that are not
// a file, links, a failing write at any write of the game, an unreadable
// recovery point, a byte-order mark, the size limit. (A second game on the same file:
// tests/games/zwei_kopien_pruefen.sh.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "geld/kontrollform.h"
#include "spielstand/spielstand.h"
#include "spielstand/wiederherstellung.h"
#include "spielumgebung.h"

namespace fs = std::filesystem;

namespace {

// Puts a failing reader or writer in for one test.
class Stoerung {
public:
    Stoerung() : leser_(Dateizugriff::leser), schreiber_(Dateizugriff::schreiber) {}
    ~Stoerung() {
        Dateizugriff::leser = leser_;
        Dateizugriff::schreiber = schreiber_;
    }
    Stoerung(const Stoerung&) = delete;
    Stoerung& operator=(const Stoerung&) = delete;

private:
    decltype(Dateizugriff::leser) leser_;
    decltype(Dateizugriff::schreiber) schreiber_;
};

// A reader that delivers the first `bis` bytes and then fails with EIO.
void leseFehlerAb(std::size_t bis) {
    auto gelesen = std::make_shared<std::size_t>(0);
    Dateizugriff::leser = [bis, gelesen](int fd, void* puffer, std::size_t n) -> ssize_t {
        if (*gelesen >= bis) {
            errno = EIO;
            return -1;
        }
        const ssize_t r = ::read(fd, puffer, std::min(n, bis - *gelesen));
        if (r > 0) *gelesen += static_cast<std::size_t>(r);
        return r;
    };
}

std::string inhalt(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// The save files in a directory; the logbook beside them has tests of its own.
std::vector<std::string> dateienIn(const fs::path& verzeichnis) {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(verzeichnis))
        if (!e.path().filename().string().starts_with("TrevoHofbuch")) namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

// Plays three months and saves: a farm in June 2001.
std::string gespeicherterHof(Spielumgebung& u) {
    u.starten();
    for (int i = 0; i < 3; ++i) KontrollForm->Button1Click();
    EXPECT_TRUE(u.beenden());
    u.spiel.reset();
    u.plattform.protokoll.clear();
    return u.datei();
}

}  // namespace

// A read error, at the first byte or in the middle of the file, is not the
// end of the file: the player is told at once, plays a new game, and the
// farm in the file is never written over; each run's game is kept beside it.
TEST(Spielstand, LesefehlerUeberschreibtDenHofNie) {
    Stoerung stoerung;
    Spielumgebung u;
    const std::string hof = gespeicherterHof(u);
    ASSERT_GT(hof.size(), 300u);

    int runde = 0;
    for (const std::size_t bis : {std::size_t{300}, std::size_t{0}}) {
        SCOPED_TRACE(bis);
        ++runde;
        leseFehlerAb(bis);
        u.starten();
        ASSERT_FALSE(u.plattform.protokoll.empty());
        EXPECT_EQ(u.plattform.protokoll.front(),
                  "meldung\tFehler\tDer Spielstand konnte nicht gelesen werden:\\r" + u.dateiPfad().string() +
                      "\\r\\rEin-/Ausgabefehler.\\r\\rDas Spiel beginnt neu. Die Datei bleibt, wie sie ist; beim "
                      "Beenden wird das Spiel in einer neuen Datei daneben gesichert.");
        EXPECT_EQ(KontrollForm->Label1.caption, "März 2001") << "nothing of the half-read file is used";
        KontrollForm->Button1Click();
        EXPECT_FALSE(u.beenden());
        EXPECT_EQ(u.datei(), hof);
        const fs::path gerettet =
            u.verzeichnis / (runde == 1 ? "TrevoSpielstand-gerettet.bin" : "TrevoSpielstand-gerettet-2.bin");
        EXPECT_EQ(u.plattform.protokoll.back(),
                  "meldung\tFehler\tDer Spielstand konnte nicht gespeichert werden:\\r" + u.dateiPfad().string() +
                      "\\r\\rDie Datei konnte beim Start nicht gelesen werden und bleibt, wie sie war.\\rDas Spiel "
                      "wurde stattdessen hier gesichert:\\r" +
                      gerettet.string());
        EXPECT_NE(inhalt(gerettet).find("[Kontrolle]\r\nmonat=4\r\njahr=2001\r\n"), std::string::npos);
        u.spiel.reset();
        u.plattform.protokoll.clear();
    }
    EXPECT_EQ(dateienIn(u.verzeichnis),
              (std::vector<std::string>{"TrevoSpielstand-gerettet-2.bin", "TrevoSpielstand-gerettet.bin",
                                        "TrevoSpielstand.bin"}));
}

// A FIFO, a directory or a file far too large in the file's place: the start
// neither waits nor reads it, tells why, and the end leaves it alone.
TEST(Spielstand, KeineGewoehnlicheDatei) {
    struct Fall {
        const char* was;
        std::function<void(const fs::path&)> anlegen;
        const char* grund;
    };
    const std::vector<Fall> faelle = {
        {"FIFO", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); },
         "Sie ist keine gewöhnliche Datei."},
        {"Verzeichnis", [](const fs::path& p) { fs::create_directories(p / "drin"); },
         "An ihrer Stelle steht ein Verzeichnis."},
        {"17 MiB", [](const fs::path& p) { std::ofstream(p) << "[Kontrolle]\r\nmonat=9\r\n"; fs::resize_file(p, 17 << 20); },
         "Sie ist größer als 16 MiB und damit kein Spielstand."},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.was);
        Spielumgebung u;
        fall.anlegen(u.dateiPfad());
        const auto vorher = fs::status(u.dateiPfad()).type();
        u.starten();
        ASSERT_FALSE(u.plattform.protokoll.empty());
        EXPECT_NE(u.plattform.protokoll.front().find(u.dateiPfad().string() + "\\r\\r" + fall.grund + "\\r\\r"),
                  std::string::npos)
            << u.plattform.protokoll.front();
        EXPECT_EQ(KontrollForm->Label1.caption, "März 2001");
        EXPECT_FALSE(u.beenden());
        EXPECT_EQ(fs::status(u.dateiPfad()).type(), vorher);
        if (vorher == fs::file_type::regular) {
            EXPECT_EQ(fs::file_size(u.dateiPfad()), 17u << 20);
        }
        EXPECT_TRUE(fs::exists(u.verzeichnis / "TrevoSpielstand-gerettet.bin"));
    }
}

// A symbolic link stays a link; its target gets the game, in its own
// directory.
TEST(Spielstand, SymbolischeVerknuepfungBleibt) {
    Spielumgebung u;
    fs::create_directory(u.verzeichnis / "ablage");
    std::ofstream(u.verzeichnis / "ablage" / "hof.ini") << "[Kontrolle]\r\nmonat=8\r\njahr=2004\r\n";
    fs::create_symlink("ablage/hof.ini", u.dateiPfad());
    u.starten();
    EXPECT_TRUE(u.plattform.protokoll.empty());
    EXPECT_EQ(KontrollForm->Label1.caption, "August 2004");
    KontrollForm->Button1Click();
    ASSERT_TRUE(u.beenden());
    EXPECT_TRUE(fs::is_symlink(u.dateiPfad()));
    EXPECT_EQ(fs::read_symlink(u.dateiPfad()), "ablage/hof.ini");
    EXPECT_EQ(inhalt(u.verzeichnis / "ablage" / "hof.ini").rfind("[Kontrolle]\r\nmonat=9\r\njahr=2004\r\n", 0), 0u);
    EXPECT_EQ(dateienIn(u.verzeichnis), (std::vector<std::string>{"TrevoSpielstand.bin", "ablage"}));
    EXPECT_EQ(dateienIn(u.verzeichnis / "ablage"), std::vector<std::string>{"hof.ini"});

    // A link to nothing (its storage not mounted) is told at the start like
    // a file that cannot be read; the link stays, the game goes beside it.
    u.spiel.reset();
    fs::remove(u.dateiPfad());
    const fs::path ziel = u.verzeichnis / "nicht-eingehaengt" / "hof.ini";
    fs::create_symlink(ziel, u.dateiPfad());
    u.plattform.leeren();
    u.starten();
    ASSERT_EQ(u.plattform.protokoll.size(), 1u);
    EXPECT_NE(u.plattform.protokoll[0].find("Sie ist eine Verknüpfung auf eine Datei, die es nicht gibt:\\r" +
                                            ziel.string() + "\\r\\rDas Spiel beginnt neu."),
              std::string::npos);
    KontrollForm->Button1Click();
    EXPECT_FALSE(u.beenden());
    EXPECT_EQ(fs::read_symlink(u.dateiPfad()), ziel);
    EXPECT_FALSE(fs::exists(ziel.parent_path()));
    EXPECT_NE(inhalt(u.verzeichnis / "TrevoSpielstand-gerettet.bin").find("monat=4"), std::string::npos);
}

// A write that fails (the disk is full) leaves the old file as it was, no
// temporary file behind, and tells the player why.
TEST(Spielstand, SchreibfehlerLaesstDieAlteDateiStehen) {
    Stoerung stoerung;
    Spielumgebung u;
    u.schreibeDatei("[Kontrolle]\r\nmonat=7\r\n");
    u.starten();
    Dateizugriff::schreiber = [](int fd, const void* daten, std::size_t n) -> ssize_t {
        if (n > 100) return ::write(fd, daten, 100);
        errno = ENOSPC;
        return -1;
    };
    EXPECT_FALSE(u.beenden());
    EXPECT_EQ(u.datei(), "[Kontrolle]\r\nmonat=7\r\n");
    ASSERT_FALSE(u.plattform.protokoll.empty());
    EXPECT_EQ(u.plattform.protokoll.back(), "meldung\tFehler\tDer Spielstand konnte nicht gespeichert werden:\\r" +
                                                u.dateiPfad().string() +
                                                "\\r\\rAuf dem Datenträger ist kein Platz mehr.\\r\\r„Wiederholen“ "
                                                "versucht es noch einmal, etwa nachdem Sie Platz geschaffen haben. "
                                                "„Anderswo speichern …“ legt das Spiel in einer Datei Ihrer Wahl ab.");
    EXPECT_EQ(dateienIn(u.verzeichnis), std::vector<std::string>{"TrevoSpielstand.bin"});
}

namespace {

std::string pfadVon(int fd) {
    char puffer[PATH_MAX];
    const ssize_t n = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), puffer, sizeof puffer);
    return n > 0 ? std::string(puffer, static_cast<std::size_t>(n)) : std::string();
}

// Each file replaced in the game's directory is one write; the write
// numbered `ab` fails with ENOSPC, and with `bleibt` every one after it.
// Returns the names written, in turn.
std::shared_ptr<std::vector<std::string>> platteVoll(const fs::path& verzeichnis, std::size_t ab, bool bleibt) {
    auto ziele = std::make_shared<std::vector<std::string>>();
    auto zuletzt = std::make_shared<std::string>();
    Dateizugriff::schreiber = [=, dir = verzeichnis.string() + "/."](int fd, const void* d, std::size_t n) -> ssize_t {
        const std::string pfad = pfadVon(fd);
        if (pfad.rfind(dir, 0) == 0) {
            if (pfad != *zuletzt) ziele->push_back(pfad.substr(dir.size(), pfad.find(".tmp-") - dir.size()));
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

// Three months, then the end with the choice answered as given.
bool dreiMonate(Spielumgebung& u, std::initializer_list<Antwort> antworten, const std::string& ort = {}) {
    u.starten();
    for (int m = 0; m < 3; ++m) KontrollForm->Button1Click();
    u.plattform.antworten = antworten;
    u.plattform.speicherOrte = {ort};
    return u.beenden();
}

// The logbook's months in the file, in turn: "2001-3 2001-4 2001-5laufend".
std::string buchMonate(const fs::path& verzeichnis) {
    std::istringstream buch(inhalt(verzeichnis / "TrevoHofbuch.csv"));
    std::string monate;
    std::string zeile;
    std::getline(buch, zeile);
    while (std::getline(buch, zeile)) {
        std::istringstream felder(zeile);
        std::string jahr, monat, stand;
        std::getline(felder, jahr, ';');
        std::getline(felder, monat, ';');
        std::getline(felder, stand, ';');
        monate += (monate.empty() ? "" : " ") + jahr + "-" + monat + (stand == "laufend" ? "laufend" : "");
    }
    return monate;
}

long zaehle(const std::vector<std::string>& protokoll, const std::string& text) {
    return std::count_if(protokoll.begin(), protokoll.end(),
                         [&](const std::string& z) { return z.find(text) != std::string::npos; });
}

}  // namespace

// A write that fails at any one of the writes of three months and the end:
// the disk stays full and the player saves elsewhere, or it fails once and
// the player tries again. Either way all three months reach a file, and a
// failed recovery point is told at once, once, and again when it clears.
TEST(Spielstand, SchreibfehlerKostenKeinenMonat) {
    Stoerung stoerung;
    std::string erwartet;
    std::vector<std::string> ziele;
    {
        Spielumgebung u;
        const auto geschrieben = platteVoll(u.verzeichnis, SIZE_MAX, false);
        ASSERT_TRUE(dreiMonate(u, {}));
        erwartet = u.datei();
        ziele = *geschrieben;
    }
    const std::string punkt = "TrevoSpielstand.wiederherstellen";
    ASSERT_EQ(std::count(ziele.begin(), ziele.end(), punkt), 3);
    ASSERT_EQ(ziele.back(), "TrevoSpielstand.bin");
    const std::string gescheitert = "Der Wiederherstellungspunkt konnte nicht geschrieben";
    const std::string wieder = "Der Wiederherstellungspunkt wird wieder geschrieben";
    for (std::size_t ab = 1; ab <= ziele.size(); ++ab) {
        SCOPED_TRACE("write " + std::to_string(ab) + ": " + ziele[ab - 1]);
        const auto danach = ziele.begin() + static_cast<long>(ab);
        {
            Spielumgebung u;
            const fs::path usb = u.verzeichnis.string() + "-usb";
            fs::create_directory(usb);
            platteVoll(u.verzeichnis, ab, true);
            EXPECT_FALSE(dreiMonate(u, {Antwort::Anderswo}, (usb / "hof.bin").string()));
            EXPECT_EQ(punktText(inhalt(usb / "hof.bin")), erwartet);
            const auto protokoll = u.plattform.leeren();
            EXPECT_EQ(zaehle(protokoll, gescheitert), std::count(danach - 1, ziele.end(), punkt) ? 1 : 0);
            EXPECT_EQ(zaehle(protokoll, wieder), 0);
            EXPECT_EQ(zaehle(protokoll, "Das Hofbuch bleibt, wo es ist:\\r" + (u.verzeichnis / "TrevoHofbuch.csv").string()), 1);
            // Put back in its place, the file brings what the book lacks.
            Dateizugriff::schreiber = [](int fd, const void* d, std::size_t n) { return ::write(fd, d, n); };
            u.spiel.reset();
            fs::copy_file(usb / "hof.bin", u.dateiPfad(), fs::copy_options::overwrite_existing);
            u.starten();
            EXPECT_EQ(KontrollForm->monat, 6);
            EXPECT_TRUE(u.beenden());
            EXPECT_EQ(buchMonate(u.verzeichnis), "2001-3 2001-4 2001-5 2001-6laufend");
            EXPECT_EQ(u.datei(), erwartet) << "what the file carried is not carried on";
            fs::remove_all(usb);
        }
        Spielumgebung u;
        platteVoll(u.verzeichnis, ab, false);
        EXPECT_TRUE(dreiMonate(u, {Antwort::Wiederholen}));
        EXPECT_EQ(u.datei(), erwartet);
        EXPECT_EQ(buchMonate(u.verzeichnis), "2001-3 2001-4 2001-5 2001-6laufend");
        const auto protokoll = u.plattform.leeren();
        const bool punktFehlte = ziele[ab - 1] == punkt;
        EXPECT_EQ(zaehle(protokoll, gescheitert), punktFehlte ? 1 : 0);
        EXPECT_EQ(zaehle(protokoll, wieder), punktFehlte && std::count(danach, ziele.end(), punkt) ? 1 : 0);
    }
}

// Save file at July, a newer point at September whose reading fails: the
// point is put aside unchanged and told, the game goes on in July. Where it
// cannot be put aside (every name taken) it stays: no month writes over it
// and the end leaves it.
TEST(Spielstand, UnlesbarerPunktBleibtErhalten) {
    Stoerung stoerung;
    Spielumgebung u;
    u.schreibeDatei("[Kontrolle]\r\nmonat=7\r\njahr=2001\r\ngeld=5\r\n");
    const std::string september = "[Kontrolle]\r\nmonat=9\r\njahr=2001\r\ngeld=7\r\n";
    const fs::path punkt = u.verzeichnis / "TrevoSpielstand.wiederherstellen";
    std::ofstream(punkt, std::ios::binary) << september;
    Dateizugriff::leser = [](int fd, void* puffer, std::size_t n) -> ssize_t {
        if (!pfadVon(fd).ends_with(".wiederherstellen")) return ::read(fd, puffer, n);
        errno = EIO;
        return -1;
    };
    u.starten();
    const fs::path beiseite = u.verzeichnis / "TrevoSpielstand-unlesbar.wiederherstellen";
    EXPECT_EQ(u.plattform.leeren(),
              std::vector<std::string>{"meldung\tWarnung\tDer Wiederherstellungspunkt TrevoSpielstand.wiederherstellen "
                                       "konnte nicht gelesen werden:\\r\\rEin-/Ausgabefehler.\\r\\rEr wurde unverändert "
                                       "beiseitegelegt:\\r" + beiseite.string() +
                                       "\\r\\rDas Spiel geht mit dem zuletzt gespeicherten Spielstand weiter."});
    EXPECT_EQ(KontrollForm->Label1.caption, "Juli 2001");
    KontrollForm->Button1Click();
    EXPECT_TRUE(u.beenden());
    EXPECT_EQ(inhalt(beiseite), september);
    EXPECT_FALSE(fs::exists(punkt));

    u.spiel.reset();
    std::ofstream(punkt, std::ios::binary) << september;
    for (int nr = 2; nr <= 100; ++nr)
        std::ofstream(u.verzeichnis / ("TrevoSpielstand-unlesbar-" + std::to_string(nr) + ".wiederherstellen"));
    u.starten();
    EXPECT_EQ(zaehle(u.plattform.leeren(), "Er bleibt unverändert liegen."), 1);
    KontrollForm->Button1Click();
    EXPECT_TRUE(u.beenden());
    EXPECT_EQ(inhalt(punkt), september);
}

// Byte-order marks before the first section (an editor may leave two) are
// read as nothing, and the end writes that section back once. One size rule both ways: exactly the
// limit is read, a byte more is not, and a game grown past it is not written.
TEST(Spielstand, ByteOrderMarkUndGroessengrenze) {
    Spielumgebung u;
    u.schreibeDatei("\xEF\xBB\xBF\xEF\xBB\xBF[Kontrolle]\r\nmonat=9\r\njahr=2010\r\n");
    u.starten();
    EXPECT_EQ(KontrollForm->Label1.caption, "September 2010");
    ASSERT_TRUE(u.beenden());
    EXPECT_EQ(u.datei().rfind("[Kontrolle]\r\nmonat=9\r\njahr=2010\r\n", 0), 0u);
    EXPECT_EQ(u.datei().find("[Kontrolle]", 1), std::string::npos);

    const std::string kopf = "[Kontrolle]\r\nmonat=7\r\n;";
    const std::string voll = kopf + std::string(static_cast<std::size_t>(Dateizugriff::maxGroesse) - kopf.size(), 'x');
    for (const std::string& datei : {voll + "x", voll}) {
        u.spiel.reset();
        u.schreibeDatei(datei);
        u.plattform.leeren();
        u.starten();
        EXPECT_EQ(spielstand().lesefehler(), datei == voll ? "" : Dateizugriff::zuGrossText);
    }
    EXPECT_EQ(KontrollForm->Label1.caption, "Juli 2001");
    EXPECT_FALSE(u.beenden());
    EXPECT_EQ(zaehle(u.plattform.leeren(), "Das Spiel ist größer als 16 MiB geworden"), 1);
    EXPECT_EQ(u.datei(), voll);
}

// A "[Nachtrag]" that is not the file's last section with only its own keys
// is part of the text and stays byte for byte; one that is, is taken off.
// Either way save → load → save is stable.
TEST(Spielstand, NachtragNurAmEnde) {
    const std::string kopf = "[Kontrolle]\r\nmonat=9\r\njahr=2010\r\ngeld=5\r\n";
    const std::string mitte = kopf + "[Nachtrag]\r\nlaenge=" + std::to_string(kopf.size()) + "\r\nnotiz=1\r\n";
    const std::string ende = kopf + "[Nachtrag]\r\nlaenge=" + std::to_string(kopf.size()) + "\r\n";
    for (const std::string& datei : {mitte, ende}) {
        SCOPED_TRACE(datei);
        Spielumgebung u;
        u.schreibeDatei(datei);
        u.starten();
        EXPECT_EQ(KontrollForm->Label1.caption, "September 2010");
        ASSERT_TRUE(u.beenden());
        const std::string erste = u.datei();
        u.spiel.reset();
        u.starten();
        ASSERT_TRUE(u.beenden());
        EXPECT_EQ(u.datei(), erste);
        EXPECT_TRUE(erste.starts_with(datei == mitte ? mitte : kopf + "[RuebenForm]")) << erste;
    }
}

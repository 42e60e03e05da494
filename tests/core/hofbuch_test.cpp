// The logbook beside the save file: it follows the game the start chooses
// after a crash, however far back, a new game keeps the old book, a foreign
// or damaged book is put aside with one warning, an older one is continued;
// the book only grows, and neither a killed write, a full disk nor a failed
// sync loses a month. (Whole games and their sums: tests/games/hofbuch.trevo and
// hofbuch_pruefen.sh.)
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>

#include "hofbuch/hofbuch.h"
#include "geld/kontrollform.h"
#include "rahmen/mainform.h"
#include "spielstand/spielstand.h"
#include "fields/feld.h"
#include "fields/felderform.h"
#include "livestock/arten.h"
#include "spielumgebung.h"

namespace {

std::filesystem::path buch(const Spielumgebung& u) { return u.verzeichnis / "TrevoHofbuch.csv"; }

std::vector<std::string> zeilenVon(const std::string& text) {
    std::vector<std::string> z;
    std::stringstream s(text);
    for (std::string l; std::getline(s, l);) z.push_back(l);
    return z;
}

std::string warnungen(Spielumgebung& u) {
    std::string w;
    for (const std::string& z : u.plattform.leeren())
        if (z.starts_with("meldung\tWarnung")) w += z + "\n";
    return w;
}

int64_t wert(const Hofbuch& b, std::size_t zeile, const std::string& name) {
    for (std::size_t i = 0; i < b.spalten().size(); ++i)
        if (b.spalten()[i].name == name) return b.zeilen().at(zeile).werte[i];
    ADD_FAILURE() << "no column " << name;
    return 0;
}

void monate(int n) {
    for (int i = 0; i < n; ++i) KontrollForm->Button1Click();
}

// Three months saved in order, n more and a crash: the book as the crash
// left it.
std::string nachDemAbsturz(Spielumgebung& u, int n) {
    u.starten();
    monate(3);
    EXPECT_TRUE(u.beenden());
    u.spiel.reset();
    u.starten();
    monate(n);
    std::string b = dateiInhalt(buch(u));
    u.spiel.reset();  // killed: no orderly end
    return b;
}

}  // namespace

// Three months saved in order, two more and a crash. Declining the recovery
// point, the game goes on in June: the crashed months leave the book. Taking
// it, the book keeps them.
TEST(Hofbuch, FolgtDemSpielstandNachDemAbsturz) {
    for (const bool nehmen : {false, true}) {
        Spielumgebung u;
        const std::string vorDemAbsturz = nachDemAbsturz(u, 2);

        u.plattform.antworten.push_back(nehmen ? Antwort::Ja : Antwort::Nein);
        u.starten();
        const Hofbuch& b = u.spiel->hofbuch();
        ASSERT_EQ(b.zeilen().size(), nehmen ? 5u : 3u);
        EXPECT_EQ(b.zeilen().back().monat, nehmen ? 7 : 5);
        EXPECT_EQ(KontrollForm->monat, nehmen ? 8 : 6);
        // On the disk as well, before the first month of the new run.
        const std::vector<std::string> datei = zeilenVon(dateiInhalt(buch(u)));
        EXPECT_EQ(zeilenVon(vorDemAbsturz).size(), 6u);
        EXPECT_EQ(datei.size(), b.zeilen().size() + 1);
        EXPECT_TRUE(warnungen(u).empty());
        monate(1);
        EXPECT_EQ(b.zeilen().size(), nehmen ? 6u : 4u);
    }
}

// Bookings made before the player quits belong to the month they were made
// in, though it ends in the next run.
TEST(Hofbuch, LaufenderMonatUeberstehtDenNeustart) {
    Spielumgebung u;
    u.starten();
    KontrollForm->buchen(-5000, "Düngemittel", {BuchungsArt::duengemittel});
    KontrollForm->buchen(1234, "Kühe Verkauf", {BuchungsArt::verkauf, KueheForm->gutNr});
    u.neustart();
    KontrollForm->buchen(-100, "Düngemittel", {BuchungsArt::duengemittel});
    monate(1);
    const Hofbuch& b = u.spiel->hofbuch();
    ASSERT_EQ(b.zeilen().size(), 1u);
    const auto wert = [&](const char* name) {
        for (std::size_t i = 0; i < b.spalten().size(); ++i)
            if (b.spalten()[i].name == name) return b.zeilen()[0].werte[i];
        ADD_FAILURE() << "no column " << name;
        return int64_t{0};
    };
    EXPECT_EQ(wert("Düngemittel"), -5100);
    EXPECT_EQ(wert("Kühe Verkauf"), 1234);
    EXPECT_EQ(wert("Guthaben am Monatsanfang"), 1000000);
    EXPECT_EQ(wert("Sonstiges"), 0);

    // A balance edited by hand while the game was away is kept apart, so
    // that the month still adds up.
    u.beenden();
    u.spiel.reset();
    std::string stand = u.datei();
    const std::size_t g = stand.find("geld=");
    stand.replace(g, stand.find('\r', g) - g, "geld=2000000");
    u.schreibeDatei(stand);
    u.starten();
    monate(1);
    const Hofbuch& c = u.spiel->hofbuch();
    ASSERT_EQ(c.zeilen().size(), 2u);
    const HofbuchZeile& z = c.zeilen().back();
    const int64_t ende = c.zeilen().front().werte[static_cast<std::size_t>(c.spalte(HofbuchSpalte::Art::ende))];
    EXPECT_EQ(z.werte[static_cast<std::size_t>(c.spalte(HofbuchSpalte::Art::anfang))], ende);
    int64_t sonstiges = 0;
    for (std::size_t i = 0; i < c.spalten().size(); ++i)
        if (c.spalten()[i].name == "Sonstiges") sonstiges = z.werte[i];
    EXPECT_EQ(sonstiges, 2000000 - ende);
}

// A running row longer than the finished row written over it: the book ends
// with exactly the new row, nothing of the old one behind it.
TEST(Hofbuch, KuerzereZeileUeberDerLaufenden) {
    Spielumgebung u;
    u.starten();
    KontrollForm->buchen(123456789012, "Kühe Verkauf", {BuchungsArt::verkauf, KueheForm->gutNr});
    u.neustart();
    const std::string mitLaufender = dateiInhalt(buch(u));
    ASSERT_NE(mitLaufender.find(";laufend;"), std::string::npos);
    KontrollForm->buchen(-123456789012, "Kühe Verkauf", {BuchungsArt::verkauf, KueheForm->gutNr});
    monate(1);
    const std::string text = dateiInhalt(buch(u));
    EXPECT_LT(text.size(), mitLaufender.size());
    const auto zeilen = zeilenVon(text);
    ASSERT_EQ(zeilen.size(), 2u) << text;
    EXPECT_EQ(zeilen[1].find("laufend"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\n"));
    u.neustart();
    EXPECT_EQ(u.spiel->hofbuch().zeilen().size(), 1u);
    EXPECT_EQ(u.spiel->hofbuch().unlesbareZeilen(), 0);
}

// "Neues Spiel" and a start without a save file keep the old book under its
// last month; the new one begins empty.
TEST(Hofbuch, NeuesSpielBehaeltDasAlteBuch) {
    Spielumgebung u;
    u.starten();
    monate(2);
    const std::string alt = dateiInhalt(buch(u));
    u.plattform.antworten.push_back(Antwort::OK);
    MainForm->NeuesSpiel1Click();
    EXPECT_EQ(dateiInhalt(u.verzeichnis / "TrevoHofbuch-2001-04.csv"), alt);
    EXPECT_TRUE(u.spiel->hofbuch().zeilen().empty());
    monate(1);
    u.beenden();
    u.spiel.reset();

    std::filesystem::remove(u.dateiPfad());
    const std::string zweites = dateiInhalt(buch(u));
    u.starten();
    EXPECT_EQ(dateiInhalt(u.verzeichnis / "TrevoHofbuch-2001-04-2.csv"), zweites) << "the same last month: a name of its own";
    EXPECT_EQ(zeilenVon(dateiInhalt(buch(u))).size(), 1u);
    EXPECT_TRUE(warnungen(u).empty());
}

// A book of another farm layout, a row cut short in its middle, a date out of
// order: each
// is put aside untouched with one warning, and the game goes on with a new
// book.
TEST(Hofbuch, FremdesOderBeschaedigtesBuchWirdBeiseitegelegt) {
    Spielumgebung vorlage;
    vorlage.starten();
    monate(2);
    vorlage.beenden();
    const std::string gut = dateiInhalt(buch(vorlage));
    const std::string spielstand = vorlage.datei();
    std::vector<std::string> getauscht = zeilenVon(gut);
    std::swap(getauscht[1], getauscht[2]);
    std::string vertauscht;
    for (const std::string& z : getauscht) vertauscht += z + "\n";
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {"Datum;Umsatz\r\n1.1.2001;12,00\r\n", "Die Kopfzeile ist nicht die eines Hofbuchs dieses Spiels."},
        {std::string(gut).erase(gut.find("\r\n", gut.find("\r\n") + 2) - 10, 10), "Zeile 2 hat"},
        {vertauscht, "Zeile 3 steht nicht in der Reihenfolge der Monate."},
        {std::string(gut).replace(gut.find(";-"), 2, ";x"), "keine Zahl"},
    };
    for (const auto& [bytes, grund] : faelle) {
        Spielumgebung u;
        u.schreibeDatei(spielstand);
        {
            std::ofstream f(buch(u), std::ios::binary);
            f << bytes;
        }
        u.starten();
        const std::string w = warnungen(u);
        EXPECT_NE(w.find("Das Hofbuch TrevoHofbuch.csv ist unbrauchbar"), std::string::npos) << w;
        EXPECT_NE(w.find(grund), std::string::npos) << w;
        EXPECT_NE(w.find("Das Hofbuch beginnt neu."), std::string::npos);
        EXPECT_EQ(dateiInhalt(u.verzeichnis / "TrevoHofbuch-unbrauchbar.csv"), bytes);
        EXPECT_TRUE(u.spiel->hofbuch().zeilen().empty());
        monate(1);
        EXPECT_EQ(u.spiel->hofbuch().zeilen().size(), 1u);
        EXPECT_TRUE(warnungen(u).empty()) << "told once";
        EXPECT_TRUE(u.beenden());
    }
}

// The book only grows: a month appends its row after the game's recovery
// point is set, and leaves every byte before it as it was. A run killed
// while appending leaves half a row; the next start cuts it off and keeps
// every finished month.
TEST(Hofbuch, AbgebrochenesAnhaengenVerliertKeinenMonat) {
    Spielumgebung u;
    u.starten();
    monate(2);
    const std::string vorher = dateiInhalt(buch(u));
    std::size_t beimPunkt = 0;
    auto punkt = KontrollForm->monatGeschlossen;
    KontrollForm->monatGeschlossen = [&] {
        beimPunkt = std::filesystem::file_size(buch(u));
        punkt();
    };
    monate(1);
    const std::string drei = dateiInhalt(buch(u));
    EXPECT_EQ(beimPunkt, vorher.size()) << "the row is written after the recovery point";
    ASSERT_GT(drei.size(), vorher.size());
    EXPECT_EQ(drei.substr(0, vorher.size()), vorher);
    u.spiel.reset();  // killed

    {
        std::ofstream f(buch(u), std::ios::binary | std::ios::app);
        f << zeilenVon(drei).back().substr(0, 40);
    }
    u.plattform.antworten.push_back(Antwort::Ja);
    u.starten();
    EXPECT_EQ(dateiInhalt(buch(u)), drei);
    EXPECT_EQ(u.spiel->hofbuch().zeilen().size(), 3u);
    EXPECT_TRUE(warnungen(u).empty());
    monate(1);
    const std::vector<std::string> datei = zeilenVon(dateiInhalt(buch(u)));
    ASSERT_EQ(datei.size(), 5u);
    EXPECT_TRUE(datei[4].starts_with("2001;6;abgeschlossen;")) << datei[4];
}

// A hundred months played after the last save, then killed. Declining the
// recovery point, the game goes back a hundred months: the start reads the book
// from its end until it finds the month, and cuts everything after it.
// Taking the point, the start reads only the book's end: a damaged row near
// its beginning is found when the whole book is read for the window, which
// leaves it out and counts it.
TEST(Hofbuch, WiederherstellungSetztDasBuchWeitZurueck) {
    for (const bool nehmen : {false, true}) {
        Spielumgebung u;
        std::string lang = nachDemAbsturz(u, 100);

        const std::vector<std::string> zeilen = zeilenVon(lang);
        ASSERT_EQ(zeilen.size(), 104u);
        if (nehmen) {
            // The second row's state made unreadable, its length kept.
            lang.replace(lang.find(zeilen[2]) + 8, 3, "xyz");
            std::ofstream f(buch(u), std::ios::binary);
            f << lang;
        }
        u.plattform.antworten.push_back(nehmen ? Antwort::Ja : Antwort::Nein);
        u.starten();
        EXPECT_TRUE(warnungen(u).empty());
        const Hofbuch& b = u.spiel->hofbuch();
        if (nehmen) {
            EXPECT_TRUE(dateiInhalt(buch(u)) == lang) << "the book as it was";
            EXPECT_EQ(b.zeilen().size(), 102u);
            EXPECT_EQ(b.unlesbareZeilen(), 1);
        } else {
            EXPECT_EQ(KontrollForm->monat, 6);
            std::string erwartet;
            for (std::size_t i = 0; i < 4; ++i) erwartet += zeilen[i] + "\n";
            EXPECT_TRUE(dateiInhalt(buch(u)) == erwartet) << "the book cut after May";
            ASSERT_EQ(b.zeilen().size(), 3u);
            EXPECT_EQ(b.zeilen().back().monat, 5);
        }
        monate(1);
        EXPECT_EQ(b.zeilen().size(), nehmen ? 103u : 4u);
        EXPECT_EQ(zeilenVon(dateiInhalt(buch(u))).size(), nehmen ? 105u : 5u);
    }
}

// A book whose header still has the old word for the hens is read and
// continued, the month the orderly end left running included; its header is
// written anew once, its rows stay as they were.
TEST(Hofbuch, AltesBuchWirdWeitergefuehrt) {
    Spielumgebung u;
    u.starten();
    KontrollForm->buchen(-700, "Hühner Kauf", {BuchungsArt::kauf, HuenerForm->gutNr});
    monate(2);
    KontrollForm->buchen(-100, "Düngemittel", {BuchungsArt::duengemittel});
    ASSERT_TRUE(u.beenden());
    u.spiel.reset();
    const std::string neu = dateiInhalt(buch(u));
    const std::size_t kopfEnde = neu.find("\r\n");
    std::string kopf = neu.substr(0, kopfEnde);
    ASSERT_NE(kopf.find("Hühner Kauf"), std::string::npos);
    for (std::size_t p; (p = kopf.find("Hühner")) != std::string::npos;) kopf.replace(p, 7, "Hüner");
    {
        std::ofstream f(buch(u), std::ios::binary);
        f << kopf << neu.substr(kopfEnde);
    }
    u.starten();
    EXPECT_TRUE(warnungen(u).empty());
    EXPECT_EQ(dateiInhalt(buch(u)), neu);
    const Hofbuch& b = u.spiel->hofbuch();
    ASSERT_EQ(b.zeilen().size(), 2u);
    EXPECT_EQ(wert(b, 0, "Hühner Kauf"), -700);
    monate(1);
    ASSERT_EQ(b.zeilen().size(), 3u);
    EXPECT_EQ(wert(b, 2, "Düngemittel"), -100);
    const std::vector<std::string> datei = zeilenVon(dateiInhalt(buch(u)));
    ASSERT_EQ(datei.size(), 4u);
    EXPECT_EQ(datei[0] + "\n", neu.substr(0, kopfEnde + 2));
}

// A full disk: a month's row is cut off where the disk ended, so nothing
// half is left in the book; the player is told once; the rows wait and go
// with the first month that can write again.
TEST(Hofbuch, VollePlatteVerliertKeinenMonat) {
    const auto schreiber = Dateizugriff::schreiber;
    Spielumgebung u;
    u.starten();
    monate(1);
    const std::string eins = dateiInhalt(buch(u));
    // Each write gets 50 bytes onto the disk, the next one none.
    auto voll = std::make_shared<bool>(false);
    Dateizugriff::schreiber = [voll](int fd, const void* daten, std::size_t n) -> ssize_t {
        if (*voll) {
            *voll = false;
            errno = ENOSPC;
            return -1;
        }
        *voll = true;
        return ::write(fd, daten, std::min<std::size_t>(n, 50));
    };
    monate(2);
    const std::string w = warnungen(u);
    EXPECT_NE(w.find("Das Hofbuch konnte nicht geschrieben werden"), std::string::npos) << w;
    EXPECT_EQ(w.find("Das Hofbuch", w.find("Das Hofbuch") + 1), std::string::npos) << "told once: " << w;
    EXPECT_EQ(dateiInhalt(buch(u)), eins);
    Dateizugriff::schreiber = schreiber;
    monate(1);
    const Hofbuch& b = u.spiel->hofbuch();
    ASSERT_EQ(b.zeilen().size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(b.zeilen()[static_cast<std::size_t>(i)].monat, 3 + i);
    EXPECT_EQ(zeilenVon(dateiInhalt(buch(u))).size(), 5u);
    EXPECT_TRUE(dateiInhalt(buch(u)).starts_with(eins));
}

// Where the recovery point is written on a thread of its own, a month's row
// waits until the game has heard that the point is on the disk.
TEST(Hofbuch, WartetAufDenPunktImHintergrund) {
    Spielumgebung u;
    u.starten();
    monate(1);
    const std::string eins = dateiInhalt(buch(u));
    u.spiel->wiederherstellungImHintergrund({});
    monate(1);
    EXPECT_EQ(dateiInhalt(buch(u)), eins) << "not before the point";
    u.spiel->wiederherstellungAbwarten();
    u.spiel->schreibfehlerMelden();
    EXPECT_EQ(zeilenVon(dateiInhalt(buch(u))).size(), 3u);
    EXPECT_TRUE(u.beenden());
}

// A sync of the book that fails at the orderly end is told, and the month
// still running, which the book may not hold, goes with the save file: the
// next start finds it there.
TEST(Hofbuch, GescheiterterSyncWirdGemeldet) {
    const auto syncer = Dateizugriff::syncer;
    Spielumgebung u;
    dateienSyncen = true;
    Dateizugriff::syncer = [](int fd) {
        char p[4096];
        const ssize_t n = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), p, sizeof p);
        if (n > 0 && std::string(p, static_cast<std::size_t>(n)).ends_with("TrevoHofbuch.csv")) {
            errno = EIO;
            return -1;
        }
        return 0;
    };
    u.starten();
    monate(2);
    KontrollForm->buchen(-100, "Düngemittel", {BuchungsArt::duengemittel});
    EXPECT_TRUE(u.beenden());
    Dateizugriff::syncer = syncer;
    dateienSyncen = false;
    EXPECT_EQ(warnungen(u), "meldung\tWarnung\tDas Hofbuch konnte nicht geschrieben werden:\\r" + buch(u).string() +
                                "\\r\\rEin-/Ausgabefehler.\\r\\rDie Zeilen, die ihm fehlen, gehen mit dem Spielstand "
                                "und werden beim nächsten Start nachgetragen.\n");
    const std::string stand = u.datei();
    const std::size_t nachtrag = stand.find("[Nachtrag]\r\nlaenge=");
    ASSERT_NE(nachtrag, std::string::npos);
    EXPECT_NE(stand.find("\r\nzeile=2001;5;laufend;", nachtrag), std::string::npos);

    // The book lost the running month (the sync was not made): the save
    // file brings its bookings back.
    u.spiel.reset();
    const std::string mitLaufend = dateiInhalt(buch(u));
    {
        std::ofstream f(buch(u), std::ios::binary);
        f << mitLaufend.substr(0, mitLaufend.rfind("2001;5;laufend"));
    }
    u.starten();
    monate(1);
    ASSERT_EQ(u.spiel->hofbuch().zeilen().size(), 3u);
    EXPECT_EQ(wert(u.spiel->hofbuch(), 2, "Düngemittel"), -100);
    EXPECT_EQ(wert(u.spiel->hofbuch(), 2, "Sonstiges"), 0);
    EXPECT_TRUE(u.beenden());
    EXPECT_EQ(u.datei().find("[Nachtrag]"), std::string::npos) << "carried once, not on";
}

// The disk full at the orderly end: the book's last row and the save file
// both fail. "Wiederholen", after the player made room, writes the book's row
// before the save file, and nothing is left to travel with the game.
TEST(Hofbuch, WiederholenSchreibtDasBuch) {
    const auto schreiber = Dateizugriff::schreiber;
    Spielumgebung u;
    u.starten();
    monate(2);
    auto fehlschlaege = std::make_shared<int>(2);
    Dateizugriff::schreiber = [fehlschlaege](int fd, const void* d, std::size_t n) -> ssize_t {
        if (*fehlschlaege > 0) {
            --*fehlschlaege;
            errno = ENOSPC;
            return -1;
        }
        return ::write(fd, d, n);
    };
    u.plattform.antworten = {Antwort::Wiederholen};
    EXPECT_TRUE(u.beenden());
    Dateizugriff::schreiber = schreiber;
    const std::vector<std::string> datei = zeilenVon(dateiInhalt(buch(u)));
    ASSERT_EQ(datei.size(), 4u);
    EXPECT_TRUE(datei[3].starts_with("2001;5;laufend;")) << datei[3];
    EXPECT_EQ(u.datei().find("[Nachtrag]"), std::string::npos);
    EXPECT_NE(warnungen(u).find("Das Hofbuch konnte nicht geschrieben werden"), std::string::npos);
}

namespace {

// The disk under the page cache: what each file held at its last sync. A
// power cut keeps that and drops every byte written since; a file never
// synced is gone. (The names the renames gave stay: the game syncs the
// directory after each.)
class Seitencache {
public:
    explicit Seitencache(std::filesystem::path verzeichnis)
        : verzeichnis_(std::move(verzeichnis)), syncer_(Dateizugriff::syncer) {
        dateienSyncen = true;
        Dateizugriff::syncer = [this](int fd) {
            struct stat st {};
            // The writers' descriptors are write-only: read through a new one.
            if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
                std::string inhalt = dateiInhalt("/proc/self/fd/" + std::to_string(fd));
                EXPECT_EQ(static_cast<off_t>(inhalt.size()), st.st_size);
                platte_[st.st_ino] = std::move(inhalt);
            }
            return 0;
        };
    }
    ~Seitencache() {
        Dateizugriff::syncer = syncer_;
        dateienSyncen = false;
    }
    Seitencache(const Seitencache&) = delete;
    Seitencache& operator=(const Seitencache&) = delete;

    // The directory as the disk holds it, copied into ziel.
    void stromausfall(const std::filesystem::path& ziel) const {
        for (const auto& e : std::filesystem::directory_iterator(verzeichnis_)) {
            struct stat st {};
            if (::lstat(e.path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
            const auto p = platte_.find(st.st_ino);
            if (p == platte_.end()) continue;
            std::ofstream f(ziel / e.path().filename(), std::ios::binary);
            f << p->second;
        }
    }

private:
    std::filesystem::path verzeichnis_;
    std::function<int(int)> syncer_;
    std::map<ino_t, std::string> platte_;
};

std::vector<std::string> monatsListe(const Hofbuch& b) {
    std::vector<std::string> m;
    for (const HofbuchZeile& z : b.zeilen()) m.push_back(std::to_string(z.jahr) + "-" + std::to_string(z.monat));
    return m;
}

}  // namespace

// The power cut after each month of a run that follows an orderly end: the
// rows since the book's last sync ride in the recovery point, so the start
// after the cut has every month and tells that it mended the book; the book
// is synced once a year of rows, after which a cut finds them in it.
TEST(Hofbuch, StromausfallVerliertKeineZeile) {
    struct Schnitt {
        std::unique_ptr<Spielumgebung> bild;
        std::vector<std::string> gespielt;
    };
    std::vector<Schnitt> schnitte;
    {
        Spielumgebung u;
        const Seitencache cache(u.verzeichnis);
        u.starten();
        monate(2);
        ASSERT_TRUE(u.beenden());
        u.spiel.reset();
        u.starten();
        for (int monat = 1; monat <= 15; ++monat) {
            monate(1);
            schnitte.push_back({std::make_unique<Spielumgebung>(), monatsListe(u.spiel->hofbuch())});
            dateienSyncen = true;  // a new environment switches syncs off
            cache.stromausfall(schnitte.back().bild->verzeichnis);
        }
    }
    int imBuch = 0;
    int behalten = 0;
    int geschrieben = 0;
    int gemeldet = 0;
    for (Schnitt& s : schnitte) {
        Spielumgebung& nachher = *s.bild;
        SCOPED_TRACE(s.gespielt.back());
        // The finished months the book on the disk holds before the start.
        int fertig = 0;
        for (const std::string& z : zeilenVon(dateiInhalt(buch(nachher)))) fertig += z.find(";abgeschlossen;") != std::string::npos;
        nachher.plattform.antworten.push_back(Antwort::Ja);
        nachher.starten();
        EXPECT_EQ(monatsListe(nachher.spiel->hofbuch()), s.gespielt);
        const std::vector<std::string> protokoll = nachher.plattform.leeren();
        const bool mended = std::any_of(protokoll.begin(), protokoll.end(), [](const std::string& z) {
            return z.find("aus dem Wiederherstellungspunkt nachgetragen") != std::string::npos;
        });
        EXPECT_EQ(mended, fertig < static_cast<int>(s.gespielt.size())) << fertig;
        gemeldet += mended;
        imBuch += fertig;
        behalten += static_cast<int>(nachher.spiel->hofbuch().zeilen().size());
        geschrieben += static_cast<int>(s.gespielt.size());
        // The game goes on from the cut and ends in order.
        monate(1);
        EXPECT_TRUE(nachher.beenden());
        EXPECT_EQ(nachher.spiel->hofbuch().zeilen().size(), s.gespielt.size() + 1);
        nachher.spiel.reset();
    }
    // The twelfth row synced the book: the later cuts lack only the rows
    // after it.
    EXPECT_EQ(gemeldet, 14);
    EXPECT_EQ(behalten, geschrieben);
    RecordProperty("zeilen_geschrieben", geschrieben);
    RecordProperty("zeilen_im_buch_nach_dem_schnitt", imBuch);
    RecordProperty("zeilen_nach_dem_start", behalten);
}

// Another program changes the book while the game runs. A spreadsheet that
// saved it with a column more is noticed before the next row: its file is
// put aside whole and told, and the book goes on with the months the game
// knows. Edits that keep the book's form (a figure changed in place, the
// last row deleted, two byte-order marks in front) are read anew and kept,
// and the next row goes after them.
TEST(Hofbuch, GeaendertesBuchWirdNeuGelesen) {
    const auto spalteMehr = [](const std::string& t) {
        std::string r;
        for (const std::string& z : zeilenVon(t)) r += z.substr(0, z.size() - 1) + ";Notiz\r\n";
        return r;
    };
    const auto zahlGeaendert = [](const std::string& t) {
        std::string r = t;
        const std::size_t p = r.find(";-", r.find("\r\n"));
        r[p + 2] = r[p + 2] == '9' ? '8' : '9';
        return r;
    };
    const auto letzteWeg = [](const std::string& t) {
        return t.substr(0, t.rfind("\r\n", t.size() - 3) + 2);
    };
    const auto zweiBoms = [](const std::string& t) { return "\xEF\xBB\xBF" + t; };
    struct Fall {
        std::function<std::string(const std::string&)> aendern;
        bool beiseite;
        std::size_t zeilen;
        bool anOrt = false;
    };
    for (const Fall& fall : {Fall{spalteMehr, true, 4}, Fall{zahlGeaendert, false, 4, true},
                             Fall{letzteWeg, false, 3}, Fall{zweiBoms, false, 4}}) {
        Spielumgebung u;
        u.starten();
        monate(3);
        const std::string vorher = dateiInhalt(buch(u));
        const std::string bearbeitet = fall.aendern(vorher);
        // Saved as a spreadsheet saves, a new file renamed over the old one,
        // or as an editor writes in place.
        {
            std::ofstream f(fall.anOrt ? buch(u) : u.verzeichnis / "neu.csv", std::ios::binary);
            f << bearbeitet;
        }
        if (!fall.anOrt) std::filesystem::rename(u.verzeichnis / "neu.csv", buch(u));
        monate(1);
        const std::string w = warnungen(u);
        const std::string jetzt = dateiInhalt(buch(u));
        const std::vector<std::string> z = zeilenVon(jetzt);
        ASSERT_EQ(z.size(), fall.zeilen + 1) << jetzt;
        EXPECT_TRUE(z.back().starts_with("2001;6;abgeschlossen;")) << z.back();
        if (fall.beiseite) {
            EXPECT_NE(w.find("wurde während des Spiels von einem anderen Programm geändert"), std::string::npos) << w;
            EXPECT_NE(w.find("Die Kopfzeile ist nicht die eines Hofbuchs"), std::string::npos) << w;
            EXPECT_EQ(dateiInhalt(u.verzeichnis / "TrevoHofbuch-geaendert.csv"), bearbeitet);
            EXPECT_EQ(jetzt.substr(0, vorher.size()), vorher) << "the months the game knows";
        } else {
            EXPECT_TRUE(w.empty()) << w;
            EXPECT_EQ(jetzt.substr(0, bearbeitet.size()), bearbeitet) << "the player's edit stays";
        }
        ASSERT_TRUE(u.beenden());
        u.spiel.reset();
        u.starten();
        EXPECT_TRUE(warnungen(u).empty());
        EXPECT_EQ(u.spiel->hofbuch().zeilen().size(), fall.zeilen);
    }
}

// The export for spreadsheets of any language: every cell that is no word is
// a number with a point, the money of each row adds up in C's own reading
// of numbers (as an English spreadsheet reads them), the headers name their
// units, and a field's crop is a word.
TEST(Hofbuch, TabelleFuerJedeSprache) {
    Spielumgebung u;
    u.starten();
    FelderForm->felder[1]->was = nichtGepachtet;
    FelderForm->felder[2]->was = gerste;
    FelderForm->felder[2]->wachs = 150;
    KontrollForm->buchen(-12345, "Düngemittel", {BuchungsArt::duengemittel});
    monate(3);
    const Hofbuch& b = u.spiel->hofbuch();
    const std::vector<std::string> zeilen = zeilenVon(b.tabelle());
    ASSERT_EQ(zeilen.size(), 4u);
    const auto felder = [](std::string z) {
        z.pop_back();  // '\r'
        std::vector<std::string> f;
        std::size_t a = 0;
        for (std::size_t i = 0; i <= z.size(); ++i) {
            if (i < z.size() && z[i] == '"') i = z.find('"', i + 1);
            if (i == z.size() || z[i] == ',') {
                f.push_back(z.substr(a, i - a));
                a = i + 1;
            }
        }
        return f;
    };
    const std::vector<std::string> kopf = felder(zeilen[0]);
    ASSERT_EQ(kopf.size(), b.spalten().size() + 2);
    EXPECT_EQ(kopf[2], "\"Guthaben am Monatsanfang (EUR)\"");
    for (const char* k : {"\"Preis Getreide (EUR je DZentner)\"", "\"Diesel Bestand (Liter)\"", "\"Kühe Tiere (Stück)\"",
                          "\"Kühe Gewicht kg\"", "\"Thomasbach Frucht\"", "\"Thomasbach Wachstum (Punkte)\""})
        EXPECT_NE(std::find(kopf.begin(), kopf.end(), k), kopf.end()) << k;
    const auto frucht = static_cast<std::size_t>(b.spalte(HofbuchSpalte::Art::frucht, 1)) + 2;
    const auto gesaet = static_cast<std::size_t>(b.spalte(HofbuchSpalte::Art::frucht, 2)) + 2;
    for (std::size_t n = 1; n < zeilen.size(); ++n) {
        const std::vector<std::string> f = felder(zeilen[n]);
        ASSERT_EQ(f.size(), kopf.size()) << zeilen[n];
        EXPECT_EQ(f[frucht], "\"nicht gepachtet\"");
        // Grown, or killed by a frost.
        EXPECT_TRUE(f[gesaet] == "\"Gerste\"" || f[gesaet] == "\"kein\"") << f[gesaet];
        double summe = 0;
        for (std::size_t i = 0; i < f.size(); ++i) {
            if (f[i].starts_with('"')) continue;
            char* ende = nullptr;
            const double w = std::strtod(f[i].c_str(), &ende);
            EXPECT_TRUE(*ende == '\0' && !f[i].empty()) << kopf[i] << ": " << f[i];
            const HofbuchSpalte::Art art = i < 2 ? HofbuchSpalte::Art::frucht : b.spalten()[i - 2].art;
            if (art == HofbuchSpalte::Art::anfang || art == HofbuchSpalte::Art::buchung) summe += w;
            if (art == HofbuchSpalte::Art::ende) {
                EXPECT_NEAR(summe, w, 0.005) << zeilen[n];
            }
        }
    }
    EXPECT_NE(zeilen[1].find(",-123.45,"), std::string::npos) << zeilen[1];
}

// The logbook beside the save file: it follows the game the start chooses
// after a crash, however far back, a new game keeps the old book, a foreign
// or damaged book is put aside with one warning, an older one is continued;
// the book only grows, and neither a killed write, a full disk nor a failed
// sync loses a month. (Whole games and their sums: tests/games/hofbuch.trevo and
// hofbuch_pruefen.sh.)
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "hofbuch/hofbuch.h"
#include "geld/kontrollform.h"
#include "rahmen/mainform.h"
#include "spielstand/spielstand.h"
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

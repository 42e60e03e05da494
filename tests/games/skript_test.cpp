// The script reader of trevo-sim, and the driver fed with damaged scripts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "sim/aktionen.h"
#include "sim/lauf.h"
#include "sim/trevosim.h"
#include "sim/skript.h"

namespace {

std::vector<Wort> woerter(std::string_view zeile) {
    std::vector<Wort> w;
    const auto f = zerlegen(zeile, w);
    EXPECT_FALSE(f) << *f;
    return w;
}

std::string fehlerVon(std::string_view zeile) {
    std::vector<Wort> w;
    return zerlegen(zeile, w).value_or("");
}

}  // namespace

TEST(SkriptZerlegen, WoerterUndZitierteTexte) {
    const auto w = woerter("  kaufen\tFutterForm \"1 2\" \"\" \"sag \\\"ja\\\" \\\\ \" abbruch  ");
    ASSERT_EQ(w.size(), 6u);
    EXPECT_EQ(w[0].text, "kaufen");
    EXPECT_FALSE(w[0].zitiert);
    EXPECT_EQ(w[1].text, "FutterForm");
    EXPECT_EQ(w[2].text, "1 2");
    EXPECT_TRUE(w[2].zitiert);
    EXPECT_EQ(w[3].text, "");
    EXPECT_TRUE(w[3].zitiert);
    EXPECT_EQ(w[4].text, "sag \"ja\" \\ ");
    EXPECT_EQ(w[5].text, "abbruch");
    EXPECT_FALSE(w[5].zitiert);
    // A backslash outside quotes is an ordinary character.
    EXPECT_EQ(woerter("a\\b").front().text, "a\\b");
}

TEST(SkriptZerlegen, FehlerhafteZitate) {
    EXPECT_EQ(fehlerVon("kaufen FutterForm \"12"), "unterminated quote");
    EXPECT_EQ(fehlerVon("kaufen FutterForm \"12\\"), "unterminated quote");
    EXPECT_EQ(fehlerVon("kaufen FutterForm \"1\\n\""), "unknown escape \"\\n\" in quotes (only \\\" and \\\\)");
    EXPECT_EQ(fehlerVon("kaufen FutterForm 1\"2\""), "a quote may only begin a word");
    EXPECT_EQ(fehlerVon("kaufen FutterForm \"1\"2"), "a blank must follow the closing quote");
}

TEST(SkriptLesen, ZeilenKommentareUndZeilennummern) {
    const Skript s = skriptLesen("# Kopf\r\n\r\n   # eingerückt\nweiter\r\n\t\nneues-spiel nein\nfenster KontoForm -20 7 0 99 1");
    ASSERT_FALSE(s.fehler) << s.fehler->meldung();
    ASSERT_EQ(s.befehle.size(), 3u);
    EXPECT_EQ(s.befehle[0].zeile, 4);
    EXPECT_EQ(s.befehle[0].aktion->wort, "weiter");
    EXPECT_EQ(s.befehle[1].zeile, 6);
    EXPECT_EQ(s.befehle[1].wahl(0), 1);
    const Befehl& f = s.befehle[2];
    EXPECT_EQ(f.zeile, 7);
    EXPECT_EQ(f.fenster, "KontoForm");
    EXPECT_EQ(f.zahlen, (std::vector<int32_t>{-20, 7, 0, 99, 1}));
}

TEST(SkriptLesen, TexteUndAbbruch) {
    const Skript s = skriptLesen(
        "kaufen FutterForm 12a \"12 \" 5\n"
        "verkaufen DieselForm abbruch\n"
        "kaufen FutterForm \"abbruch\" 3\n"
        "kaufen FutterForm x abbruch\n");
    ASSERT_FALSE(s.fehler) << s.fehler->meldung();
    ASSERT_EQ(s.befehle.size(), 4u);
    EXPECT_EQ(s.befehle[0].texte, (std::vector<std::string>{"12a", "12 ", "5"}));
    EXPECT_FALSE(s.befehle[0].abbruch);
    EXPECT_TRUE(s.befehle[1].texte.empty());
    EXPECT_TRUE(s.befehle[1].abbruch);
    // In quotes it is only a text that the dialog refuses.
    EXPECT_EQ(s.befehle[2].texte, (std::vector<std::string>{"abbruch", "3"}));
    EXPECT_FALSE(s.befehle[2].abbruch);
    EXPECT_EQ(s.befehle[3].texte, (std::vector<std::string>{"x"}));
    EXPECT_TRUE(s.befehle[3].abbruch);
}

TEST(SkriptLesen, ErsterFehlerHaeltAnUndBehaeltDieZeilenDavor) {
    const Skript s = skriptLesen("weiter\n\npreis 3\npreis -1\nweiter\nkaufn\n");
    ASSERT_TRUE(s.fehler);
    EXPECT_EQ(s.fehler->meldung(), "line 4: preis: ROW must be a whole number from 0 to 1000000, not \"-1\"");
    EXPECT_EQ(s.befehle.size(), 2u);
}

TEST(SkriptLesen, ArgumentFehler) {
    auto fehler = [](const char* zeile) {
        const Skript s = skriptLesen(zeile);
        return s.fehler ? s.fehler->meldung() : std::string("kein Fehler");
    };
    EXPECT_EQ(fehler("Weiter"), "line 1: unknown action \"Weiter\"");
    EXPECT_EQ(fehler("\"weiter\""), "line 1: unknown action \"weiter\"");
    EXPECT_EQ(fehler("weiter 2"), "line 1: weiter: unexpected \"2\" (usage: weiter)");
    EXPECT_EQ(fehler("kaufen FutterForm"),
              "line 1: kaufen: TEXT... is missing (usage: kaufen NAME TEXT...|abbruch)");
    EXPECT_EQ(fehler("kaufen FutterForm abbruch 5"), "line 1: kaufen: nothing may follow abbruch, found \"5\"");
    EXPECT_EQ(fehler("neues-spiel vielleicht"), "line 1: neues-spiel: expected ja or nein, not \"vielleicht\"");
    EXPECT_EQ(fehler("fenster KontoForm 1 2 3 4 3"),
              "line 1: fenster: Z must be a whole number from 0 to 2, not \"3\"");
    EXPECT_EQ(fehler("fenster KontoForm 1 2 -3 4 0"),
              "line 1: fenster: W must be a whole number from 0 to 2147483647, not \"-3\"");
    EXPECT_EQ(fehler("fenster KontoForm 2147483648 2 3 4 0"),
              "line 1: fenster: X must be a whole number from -2147483648 to 2147483647, not \"2147483648\"");
    EXPECT_EQ(fehler("preis 1x"), "line 1: preis: ROW must be a whole number from 0 to 1000000, not \"1x\"");
    EXPECT_EQ(fehler("preis 99999999999999999999"),
              "line 1: preis: ROW must be a whole number from 0 to 1000000, not \"99999999999999999999\"");
    EXPECT_EQ(fehler("arbeit 1 2 0"), "line 1: arbeit: a seed S is chosen only for work 3 (Drillen)");
    EXPECT_EQ(fehler("arbeit 1 3 2"), "kein Fehler");
    EXPECT_EQ(fehler("arbeit 1 4"), "kein Fehler");
    EXPECT_EQ(fehler("haken KueheForm Mehren ein"), "line 1: haken: expected an or aus, not \"ein\"");
    EXPECT_EQ(fehler("zeige \"a\tb\""), "kein Fehler");
    EXPECT_EQ(fehler("oeffnen ../Versuch.hof"), "line 1: oeffnen: one game's file, NAME.hof or TrevoSpielstand.bin");
    EXPECT_EQ(fehler("speichern-unter TrevoHofbuch.csv"),
              "line 1: speichern-unter: one game's file, NAME.hof or TrevoSpielstand.bin");
    EXPECT_EQ(fehler("aktion\x01"), "line 1: unknown action \"aktion\\x01\"");
}

TEST(SkriptLesen, JedeAktionNenntIhreArgumente) {
    // The usage lines are what docs/trevo-sim.md shows.
    std::vector<std::string> g;
    for (const Aktion& a : alleAktionen()) g.push_back(a.gebrauch());
    EXPECT_EQ(g, (std::vector<std::string>{
                     "weiter", "neues-spiel ja|nein", "anordnen", "musik", "aktiviere NAME",
                     "fenster NAME X Y W H Z", "neustart", "speichern-unter NAME|abbruch", "oeffnen NAME|abbruch",
                     "zurueck", "wiederholen", "wiederherstellen ja|nein", "beim-ende wiederholen|ohne-speichern",
                     "anderswo-speichern DATEI|abbruch", "zeige NAME", "ausblick", "preis ROW",
                     "kaufen NAME TEXT...|abbruch",
                     "verkaufen NAME TEXT...|abbruch", "rechtsklick NAME kaufen|verkaufen", "maximum NAME ja|nein",
                     "groesse NAME", "tierkauf NAME K [N]", "tierverkauf NAME", "haken NAME Mehren|Geben an|aus",
                     "tier NAME N", "pfeil NAME hoch|runter", "feld N ja|nein", "arbeit N W [S]", "kuendigen N ja|nein"}));
}

namespace {

// Plays a script on a fresh directory holding start as its save file (none
// when empty); returns the transcript followed by the save file.
std::string gespielt(const std::string& skript, const std::string& start = {}) {
    char muster[] = "/tmp/trevo-gleich-XXXXXX";
    const std::filesystem::path dir = mkdtemp(muster);
    if (!start.empty()) std::ofstream(dir / "TrevoSpielstand.bin", std::ios::binary) << start;
    std::istringstream ein(skript);
    std::ostringstream aus;
    std::ostringstream fehler;
    const int status = trevoSim({"--dir", dir.string()}, ein, aus, fehler);
    EXPECT_EQ(status, 0) << fehler.str();
    std::ifstream f(dir / "TrevoSpielstand.bin", std::ios::binary);
    const std::string stand((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    std::filesystem::remove_all(dir);
    return aus.str() + "\n--- save file ---\n" + stand;
}

std::string mal(int n, const std::string& zeile) {
    std::string s;
    for (int i = 0; i < n; ++i) s += zeile + "\n";
    return s;
}

}  // namespace

// What the herd's dialog and list do in one step is what the single steps
// do: N animals bought at once are N purchases (each its own draw, booking
// and lines, up to the first refused one), and an animal chosen in the list
// is the one the arrows reach.
TEST(SimHerde, AnzahlUndListeSindDieEinzelnenSchritte) {
    // Twelve hens into a stable of ten: the eleventh is drawn and refused,
    // the twelfth never tried; then three pigs.
    EXPECT_EQ(gespielt("tierkauf HuenerForm 3 12\ntierkauf SchweineForm 1 3\nweiter\n"),
              gespielt(mal(11, "tierkauf HuenerForm 3") + mal(3, "tierkauf SchweineForm 1") + "weiter\n"));
    // Just above the lowest balance the account takes: the purchases end
    // with the first one the account refuses, as the single lines would.
    const std::string knapp = "[Kontrolle]\r\ngeld=-9223372036854775000\r\n";
    std::string einzeln;
    for (int k = 1; k <= 5; ++k) {
        einzeln = gespielt(mal(k, "tierkauf HuenerForm 2"), knapp);
        if (einzeln.find("meldung") != std::string::npos) break;
    }
    EXPECT_EQ(gespielt("tierkauf HuenerForm 2 5\n", knapp), einzeln);
    // Hen 7 of ten, chosen in the list or three arrows up from the last one
    // bought, is the one sold; a number beyond the herd changes nothing.
    const std::string zehn = "tierkauf HuenerForm 2 10\n";
    EXPECT_EQ(gespielt(zehn + "tier HuenerForm 7\ntier HuenerForm 11\ntierverkauf HuenerForm\n"),
              gespielt(zehn + mal(3, "pfeil HuenerForm hoch") + "tierverkauf HuenerForm\n"));
    EXPECT_NE(gespielt(zehn + "tier HuenerForm 7\ntierverkauf HuenerForm\n"),
              gespielt(zehn + "tierverkauf HuenerForm\n")) << "the choice made no difference";
}

// Damaged scripts never crash the driver: each run either plays the game or
// is refused with one "line N: …" and leaves the save file alone.
TEST(SimFuzz, BeschaedigteSkripteWerdenGespieltOderAbgewiesen) {
    const std::string vorlage =
        "weiter\n"
        "kaufen FutterForm 12a \" 7\" 480\n"
        "verkaufen DieselForm \"-5\" abbruch\n"
        "rechtsklick GetreideForm kaufen\n"
        "maximum RuebenForm ja\n"
        "groesse FutterForm\n"
        "preis 5\n"
        "fenster KontoForm -20 7 300 100 1\n"
        "aktiviere PreiseForm\n"
        "neues-spiel nein\n"
        "zeige FutterForm\n"
        "neustart\n"
        "weiter\n";
    const std::string zeichen = "\"\\ \t\n#-0123456789abcdefghijklmnopqrstuvwxyzFKR$\x01\xff";

    char muster[] = "/tmp/trevo-fuzz-XXXXXX";
    const std::filesystem::path dir = mkdtemp(muster);
    const std::filesystem::path datei = dir / "TrevoSpielstand.bin";
    const std::string start = "[Kontrolle]\r\nmonat=11\r\njahr=2003\r\ngeld=-5\r\n";

    std::mt19937 zufall(20010301);
    int gespielt = 0;
    int abgewiesen = 0;
    for (int runde = 0; runde < 400; ++runde) {
        std::string s = vorlage;
        const int eingriffe = 1 + static_cast<int>(zufall() % 2);
        for (int e = 0; e < eingriffe && !s.empty(); ++e) {
            const std::size_t p = zufall() % s.size();
            switch (zufall() % 3) {
                case 0: s.erase(p, 1); break;
                case 1: s.insert(p, 1, zeichen[zufall() % zeichen.size()]); break;
                default: s[p] = zeichen[zufall() % zeichen.size()];
            }
        }
        {
            std::ofstream f(datei, std::ios::binary | std::ios::trunc);
            f << start;
        }
        std::istringstream ein(s);
        std::ostringstream aus;
        std::ostringstream fehler;
        const int status = trevoSim({"--dir", dir.string()}, ein, aus, fehler);
        std::ifstream f(datei, std::ios::binary);
        const std::string nachher((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        const std::string meldung = fehler.str();
        if (status == 2) {
            ++abgewiesen;
            EXPECT_EQ(meldung.rfind("line ", 0), 0u) << meldung << "\nscript:\n" << s;
            EXPECT_EQ(std::count(meldung.begin(), meldung.end(), '\n'), 1) << meldung;
            EXPECT_EQ(aus.str(), "") << s;
            EXPECT_EQ(nachher, start) << "refused script wrote the save file:\n" << s;
        } else {
            ++gespielt;
            ASSERT_EQ(status, 0) << meldung << "\nscript:\n" << s;
            EXPECT_NE(nachher, start);
            EXPECT_EQ(meldung, "");
        }
    }
    // Both outcomes must have come up, or the mutations test nothing.
    EXPECT_GT(gespielt, 5) << abgewiesen;
    EXPECT_GT(abgewiesen, 50) << gespielt;
    std::filesystem::remove_all(dir);
}

// The windows' descriptions against docs/savefile.md, and the strict reading
// of a recovery point along them.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "rahmen/beschreibung.h"
#include "spielstand/inidatei.h"
#include "geld/kontrollform.h"
#include "spielumgebung.h"

namespace {

using Schluesselmenge = std::set<std::pair<std::string, std::string>>;

std::string ohneZeichen(std::string s) {
    std::string aus;
    for (char c : s)
        if (c != '`') aus += c;
    while (!aus.empty() && aus.front() == ' ') aus.erase(aus.begin());
    while (!aus.empty() && aus.back() == ' ') aus.pop_back();
    return aus;
}

std::vector<std::string> zellen(const std::string& zeile) {
    std::vector<std::string> z;
    std::stringstream s(zeile.substr(1));
    for (std::string c; std::getline(s, c, '|');) z.push_back(c);
    return z;
}

// The sections a cell names: each name in backquotes, or a numbered run
// "`Fld1` … `Fld5`" as one.
std::vector<std::string> sektionen(const std::string& zelle) {
    if (zelle.find("…") != std::string::npos) return {ohneZeichen(zelle)};
    std::vector<std::string> s;
    static const std::regex name("`([^`]+)`");
    for (std::sregex_iterator i(zelle.begin(), zelle.end(), name), e; i != e; ++i) s.push_back((*i)[1]);
    return s;
}

// The key map of docs/savefile.md: the common keys of every window named
// before their table, then the table of section, key, meaning.
Schluesselmenge dokumentiert() {
    std::ifstream f(std::string(TREVO_SPIELE) + "/../../docs/savefile.md");
    Schluesselmenge m;
    std::vector<std::string> fenster;
    std::vector<std::string> aktuelle;
    bool karte = false;
    std::string absatz;
    for (std::string z; std::getline(f, z);) {
        if (z.rfind("## ", 0) == 0) karte = z == "## Key map";
        if (!karte) continue;
        if (z.rfind("| ", 0) != 0) {
            absatz += z + " ";
            if (absatz.find("Common keys") != std::string::npos && z.empty()) {
                fenster = sektionen(absatz.substr(0, absatz.find("described by")));
                absatz.clear();
            } else if (z.empty()) {
                absatz.clear();
            }
            continue;
        }
        const auto c = zellen(z);
        if (c.size() < 3 || c[0].find("---") != std::string::npos || ohneZeichen(c[0]) == "key" ||
            ohneZeichen(c[0]) == "section")
            continue;
        if (c.size() == 3) {  // key | meaning | default: the common keys
            for (const auto& w : fenster) m.insert({w, ohneZeichen(c[0])});
            continue;
        }
        if (!ohneZeichen(c[0]).empty()) aktuelle = sektionen(c[0]);
        for (const auto& s : aktuelle) m.insert({s, ohneZeichen(c[1])});
    }
    return m;
}

}  // namespace

TEST(Beschreibung, DieDokumentationNenntJedenGespeichertenSchluessel) {
    Spielumgebung u;
    u.starten();
    Schluesselmenge beschrieben;
    for (TkindForm* f : u.spiel->fenster())
        for (const Ort& o : gespeicherteSchluessel(*f)) beschrieben.insert({o.sektion, o.schluessel});
    const Schluesselmenge doku = dokumentiert();
    ASSERT_FALSE(doku.empty());
    for (const auto& [s, k] : beschrieben) EXPECT_TRUE(doku.count({s, k})) << "not in docs/savefile.md: [" << s << "] " << k;
    for (const auto& [s, k] : doku) EXPECT_TRUE(beschrieben.count({s, k})) << "no window keeps: [" << s << "] " << k;
}

TEST(Beschreibung, EinPunktWirdStrengNachDerBeschreibungGelesen) {
    const auto lesen = [](const std::string& text) {
        TKontrollForm k;
        const bool gut = strengLesen(k, IniDatei(text), kontrollSektion);
        return gut ? std::to_string(k.monat) + "/" + std::to_string(k.jahr) + "/" + std::to_string(k.geld) : "-";
    };
    EXPECT_EQ(lesen("[Kontrolle]\r\nmonat=12\r\njahr=-3\r\ngeld=-9223372036854775808\r\n"),
              "12/-3/-9223372036854775808");
    // What a hand or a cut disk leaves: a missing key, a month no calendar
    // knows, a value beyond its type, a sign alone, text after the digits.
    for (const char* falsch : {"monat=5\r\njahr=2001\r\n", "monat=13\r\njahr=2001\r\ngeld=0\r\n",
                               "monat=5\r\njahr=2147483648\r\ngeld=0\r\n", "monat=-\r\njahr=1\r\ngeld=0\r\n",
                               "monat=5x\r\njahr=1\r\ngeld=0\r\n", "monat=5\r\njahr=1\r\ngeld=9223372036854775808\r\n"})
        EXPECT_EQ(lesen(std::string("[Kontrolle]\r\n") + falsch), "-") << falsch;
}

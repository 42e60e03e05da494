// A seeded random player: it plays script lines of every kind through the
// same action table as trevo-sim and checks after every line what must hold
// whatever the player does. A failure leaves the script of that game in a
// file, so that trevo-sim replays it line by line.
//
// TREVO_ZUFALL_MONATE (months per seed) and TREVO_ZUFALL_SAATEN (how many
// seeds) make the run longer than the one ./check runs; TREVO_ZUFALL_SKRIPT
// names a file for the script of the last game.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "rahmen/beschreibung.h"
#include "geld/geldtext.h"
#include "spielstand/spielstand.h"
#include "geld/kontoform.h"
#include "geld/kontrollform.h"
#include "ausblickpruefer.h"
#include "fields/feld.h"
#include "fields/felderform.h"
#include "goods/siloform.h"
#include "livestock/tierform.h"
#include "market/preiseform.h"
#include "sim/aktionen.h"
#include "sim/lauf.h"
#include "spiel.h"

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> lager = {"FutterForm", "DieselForm", "GetreideForm", "RuebenForm"};
const std::vector<std::string> herden = {"KueheForm", "SchweineForm", "HuenerForm", "SchafForm"};
const std::vector<std::string> andere = {"PreiseForm", "KontrollForm", "KontoForm", "FelderForm"};

// Texts a player may type into the quantity dialog: plain, signed, hex, far
// beyond 32 bits, with blanks, and some that are no number at all.
const std::vector<std::string> seltsameTexte = {
    "",           " ",          "0",          "-0",          "+7",          " 12",        "12 ",
    "12a",        "$1F",        "$",          "$FFFFFFFF",   "$7FFFFFFF",   "$80000000",  "2147483647",
    "-2147483648", "2147483648", "99999999999", "-99999999999", "--3",       "1e3",        "ä",
    "\\",         "\"",         "0x10",       "-$10",        "  -5",        "000000000000000000042"};

int64_t umgebungsZahl(const char* name, int64_t vorgabe) {
    const char* w = std::getenv(name);
    return w && *w ? std::strtoll(w, nullptr, 10) : vorgabe;
}

// A text as the script language writes it: in quotes, \" and \\ escaped.
std::string zitiert(const std::string& t) {
    std::string s = "\"";
    for (char c : t) {
        if (c == '"' || c == '\\') s += '\\';
        s += c;
    }
    return s + "\"";
}

class Zufallsspieler {
public:
    // mitZurueck: now and then steps are taken back and done again, and the
    // game must end as the same game played without the steps left undone.
    explicit Zufallsspieler(uint32_t saat, bool mitZurueck = false)
        : rng_(saat), saat_(saat), mitZurueck_(mitZurueck) {
        char muster[] = "/tmp/trevo-zufall-XXXXXX";
        verzeichnis_ = mkdtemp(muster);
        dezimalTrenner = ",";
        dateienSyncen = false;
        // Every third game starts near the upper, every third near the lower
        // end of the balance, where bookings are refused or held.
        if (saat % 3 != 0) {
            start_ = std::string("[Kontrolle]\r\ngeld=") + (saat % 3 == 1 ? "2147400000" : "-2147400000") + "\r\n";
            std::ofstream(verzeichnis_ / "TrevoSpielstand.bin", std::ios::binary) << start_;
        }
        lauf_ = std::make_unique<Lauf>(verzeichnis_.string() + "/", aus_);
        // Without steps taken back the history's snapshots are spared.
        lauf_->mitVerlauf(mitZurueck_);
        pruefen("Start");
    }
    ~Zufallsspieler() {
        lauf_.reset();
        std::error_code ec;
        fs::remove_all(verzeichnis_, ec);
    }
    Zufallsspieler(const Zufallsspieler&) = delete;
    Zufallsspieler& operator=(const Zufallsspieler&) = delete;

    // Plays until `monate` months have ended; stops at the first broken rule.
    void spielen(int64_t monate) {
        while (monateGespielt < monate && !::testing::Test::HasFailure()) {
            const int zahl = wuerfel(0, 9);
            for (int i = 0; i < zahl && !::testing::Test::HasFailure(); ++i) {
                zeileSpielen(zufallsZeile());
                if (mitZurueck_ && wuerfel(0, 4) == 0) zurueckUndWieder();
                // A plan is played out before the month ends.
                while (!geplant_.empty() && !::testing::Test::HasFailure()) {
                    const std::string z = geplant_.front();
                    geplant_.erase(geplant_.begin());
                    zeileSpielen(z);
                }
            }
            if (wuerfel(0, 59) == 0) hinUndZurueck();
            if (!::testing::Test::HasFailure() && !mitZurueck_) ratBefolgen();
            zeileSpielen("weiter");
            if (mitZurueck_ && wuerfel(0, 3) == 0) zurueckUndWieder();
        }
        if (mitZurueck_ && !::testing::Test::HasFailure()) wieOhneDieSchritte();
        if (::testing::Test::HasFailure()) skriptAblegen();
        // To look at what the player did: the script of the last game.
        if (const char* datei = std::getenv("TREVO_ZUFALL_SKRIPT")) {
            std::ofstream f(datei);
            for (const std::string& z : skript_) f << z << '\n';
        }
    }

    int64_t monateGespielt = 0;
    int64_t aktionenGespielt = 0;
    int64_t zurueckGenommen = 0;
    int64_t monateZurueck = 0;
    int64_t wiederholt = 0;
    // Every month's outlook against what the month did.
    AusblickPruefer ausblick;

private:
    int wuerfel(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(rng_); }
    template <class T>
    const T& eins(const std::vector<T>& v) {
        return v[static_cast<std::size_t>(wuerfel(0, static_cast<int>(v.size()) - 1))];
    }
    std::string menge() {
        switch (wuerfel(0, 5)) {
            case 0: return eins(seltsameTexte);
            case 1: return std::to_string(wuerfel(-50, 50));
            case 2: return std::to_string(wuerfel(0, 2000));
            default: return std::to_string(wuerfel(0, 120));
        }
    }
    std::string zahlText(int64_t von, int64_t bis) {
        return std::to_string(std::uniform_int_distribution<int64_t>(von, bis)(rng_));
    }

    std::string zufallsZeile() {
        const std::string jaNein = wuerfel(0, 1) ? "ja" : "nein";
        switch (wuerfel(0, 28)) {
            case 27:
                return "rechtsklick FutterForm kaufen";
            case 28: {
                // A field worked as a farmer would: sown in spring, harvested
                // from summer on, with diesel bought first. Random lines
                // alone seldom bring in a harvest.
                const std::string n = std::to_string(wuerfel(1, 5));
                const int32_t m = KontrollForm->monat;
                geplant_ = {"feld " + n + " ja"};
                if (m >= 3 && m <= 5)
                    for (const char* w : {" 0", " 1", " 2", " 3 "})
                        geplant_.push_back("arbeit " + n + w + (w[1] == '3' ? std::to_string(wuerfel(0, 3)) : ""));
                else if (m >= 7 && m <= 10)
                    geplant_.push_back("arbeit " + n + " 4");
                return "rechtsklick DieselForm kaufen";
            }
            case 0:
            case 1:
            case 2: {
                std::string z = std::string(wuerfel(0, 1) ? "kaufen " : "verkaufen ") + eins(lager);
                const int texte = wuerfel(1, 3);
                for (int i = 0; i < texte; ++i) z += " " + zitiert(menge());
                if (wuerfel(0, 3) == 0) z += " abbruch";
                return z;
            }
            case 3: return "rechtsklick " + eins(lager) + (wuerfel(0, 1) ? " kaufen" : " verkaufen");
            case 4: return "maximum " + (wuerfel(0, 1) ? eins(lager) : eins(herden)) + " " + jaNein;
            case 5: return "groesse " + (wuerfel(0, 1) ? eins(lager) : eins(herden));
            case 6:
            case 7:
            case 8: {
                // Now and then several at once, up to more than a stable holds.
                std::string z = "tierkauf " + eins(herden) + " " + std::to_string(wuerfel(0, 3));
                if (wuerfel(0, 2) == 0) z += " " + std::to_string(wuerfel(1, 20));
                return z;
            }
            case 9:
            case 10: return "tierverkauf " + eins(herden);
            case 11:
                return "haken " + eins(herden) + (wuerfel(0, 1) ? " Mehren" : " Geben") +
                       (wuerfel(0, 2) ? " an" : " aus");
            case 12:
                if (wuerfel(0, 2) == 0) return "tier " + eins(herden) + " " + std::to_string(wuerfel(1, 30));
                return "pfeil " + eins(herden) + (wuerfel(0, 1) ? " hoch" : " runter");
            case 13: return "feld " + std::to_string(wuerfel(1, 5)) + " " + jaNein;
            case 14:
            case 15:
            case 16: {
                const int w = wuerfel(0, 4);
                std::string z = "arbeit " + std::to_string(wuerfel(1, 5)) + " " + std::to_string(w);
                if (w == 3 && wuerfel(0, 3) != 0) z += " " + std::to_string(wuerfel(0, 3));
                return z;
            }
            case 17: return "kuendigen " + std::to_string(wuerfel(1, 5)) + " " + jaNein;
            case 18: return "preis " + std::to_string(wuerfel(0, 14));
            case 19: return "aktiviere " + alleFenster();
            case 20: {
                // Mostly where a player drags, now and then far off.
                const bool weit = wuerfel(0, 4) == 0;
                return "fenster " + alleFenster() + " " + (weit ? zahlText(INT32_MIN, INT32_MAX) : zahlText(-300, 900)) +
                       " " + (weit ? zahlText(INT32_MIN, INT32_MAX) : zahlText(-300, 700)) + " " +
                       (weit ? zahlText(0, INT32_MAX) : zahlText(0, 600)) + " " +
                       (weit ? zahlText(0, INT32_MAX) : zahlText(0, 400)) + " " + std::to_string(wuerfel(0, 2));
            }
            case 21: return wuerfel(0, 1) ? "anordnen" : "musik";
            case 22: return "zeige " + alleFenster();
            case 23: return wuerfel(0, 9) == 0 ? "neues-spiel ja" : "neues-spiel nein";
            case 24: return wuerfel(0, 5) == 0 ? "neustart" : "aktiviere " + alleFenster();
            default: return "weiter";
        }
    }
    std::string alleFenster() {
        switch (wuerfel(0, 2)) {
            case 0: return eins(lager);
            case 1: return eins(herden);
            default: return eins(andere);
        }
    }

    void zeileSpielen(const std::string& zeile) {
        skript_.push_back(zeile);
        const Skript s = skriptLesen(zeile + "\n");
        ASSERT_FALSE(s.fehler) << zeile << ": " << s.fehler->meldung();
        ASSERT_EQ(s.befehle.size(), 1u) << zeile;
        ASSERT_EQ(fensterPruefen(s.befehle[0], *lauf_), "") << zeile;

        const int64_t geldVorher = KontrollForm->geld;
        const int32_t monatVorher = KontrollForm->monat;
        const int32_t jahrVorher = KontrollForm->jahr;
        const std::string& wort = s.befehle[0].aktion->wort;
        const bool zurueck = wort == "zurueck" || wort == "wiederholen";
        if (!mitZurueck_) ausblick.vorher(zeile);
        const Werte vorher = mitZurueck_ && !zurueck ? gezeigtesSpiel() : Werte{};
        const uint64_t schritteVorher = lauf_->spiel().verlauf().aufgenommen();
        lauf_->ausfuehren(s.befehle[0]);
        ++aktionenGespielt;
        if (wort == "weiter") ++monateGespielt;
        if (mitZurueck_ && !zurueck) {
            // The clean game: every line but the steps left undone.
            if (wort == "neustart" || zeile == "neues-spiel ja") wiederholbar_.clear();
            const bool schritt = wort != "neustart" && lauf_->spiel().verlauf().aufgenommen() != schritteVorher;
            if (schritt) wiederholbar_.clear();
            sauber_.push_back({zeile, schritt, vorher});
        }

        // What the player was told: every booking, and never an error box
        // (but the one the music switch shows where there is no music).
        if (!mitZurueck_) ausblick.nachher(aus_.str(), "Saat " + std::to_string(saat_) + ", Monat " + std::to_string(monateGespielt) +
                                         ", \"" + zeile + "\"");
        std::istringstream protokoll(aus_.str());
        aus_.str("");
        int64_t gebucht = 0;
        std::string letzteBuchung;
        for (std::string z; std::getline(protokoll, z);) {
            const bool fehlerBox = z.rfind("meldung\tFehler", 0) == 0;
            EXPECT_TRUE(!fehlerBox || z == "meldung\tFehler\tKein MCI-Gerät geöffnet.") << zeile << ": " << z;
            if (z.rfind("buchung\t", 0) != 0) continue;
            const std::string rest = z.substr(8);
            const int64_t betrag = std::stoll(rest.substr(0, rest.find('\t')));
            gebucht += betrag;
            letzteBuchung = geldText(betrag);
        }

        if (zurueck) {
            // Not booked: given back.
        } else if (zeile == "neues-spiel ja") {
            EXPECT_EQ(KontrollForm->geld, 1000000) << zeile;
            EXPECT_EQ(KontoForm->letzteZeile, 0) << zeile;
        } else if (wort == "neustart") {
            EXPECT_EQ(KontrollForm->geld, geldVorher) << zeile;
            EXPECT_EQ(KontrollForm->monat, monatVorher) << zeile;
            EXPECT_EQ(KontrollForm->jahr, jahrVorher) << zeile;
        } else {
            EXPECT_EQ(int64_t{KontrollForm->geld} - geldVorher, gebucht) << zeile;
            if (!letzteBuchung.empty()) {
                const std::string zelle = KontoForm->StringGrid1.cell(1, KontoForm->letzteZeile);
                EXPECT_EQ(zelle.substr(zelle.find_first_not_of(' ')), letzteBuchung) << zeile;
            }
        }
        pruefen(zeile);
    }

    // Where the outlook asks for K kg of feed, the player buys K or K-1 kg
    // now and then (from a generator of its own, so that the lines of the
    // game stay those of its seed): the checker then holds the month to it.
    void ratBefolgen() {
        // Only a shortage the silo shows at all is worth the outlook's look.
        if (FutterForm->menge > 2000 || std::uniform_int_distribution<int>(0, 2)(ratRng_) == 0) return;
        const int64_t k = AusblickPruefer::geratenerKauf(monatsausblick());
        if (k <= 0) return;
        const int64_t n = std::uniform_int_distribution<int>(0, 1)(ratRng_) ? k : k - 1;
        const int64_t vorher = FutterForm->menge;
        zeileSpielen("kaufen FutterForm " + zitiert(std::to_string(n)));
        // A balance at its lower limit buys nothing: no advice was followed.
        if (FutterForm->menge - vorher == n) ausblick.futterGekauft(n, k);
    }

    // What holds after every action.
    void pruefen(const std::string& zeile) {
        const std::string wo = "Saat " + std::to_string(saat_) + ", Monat " + std::to_string(monateGespielt) +
                               ", nach \"" + zeile + "\"";
        for (const std::string& n : lager) {
            const auto& s = dynamic_cast<const TSiloForm&>(*lauf_->spiel().fenster(n));
            EXPECT_GE(s.menge, 0) << wo << ": " << n;
            EXPECT_LE(s.menge, s.maxmenge) << wo << ": " << n;
        }
        for (const std::string& n : herden) {
            const auto& h = dynamic_cast<const TtierForm&>(*lauf_->spiel().fenster(n));
            const int32_t anzahl = h.tierAnzahl();
            EXPECT_EQ(h.menge, anzahl) << wo << ": " << n;
            EXPECT_LE(anzahl, h.maxmenge) << wo << ": " << n;
            for (int32_t i = 1; i <= anzahl; ++i) EXPECT_GT(h.gewicht[static_cast<std::size_t>(i)], 0) << wo << ": " << n;
            for (std::size_t i = static_cast<std::size_t>(anzahl) + 1; i < h.gewicht.size(); ++i)
                EXPECT_EQ(h.gewicht[i], 0) << wo << ": " << n << " Eintrag " << i;
            if (anzahl == 0) {
                EXPECT_EQ(h.StringGrid1.cell(0, 1), "keine") << wo << ": " << n;
            } else {
                EXPECT_GE(h.aktuell, 1) << wo << ": " << n;
                EXPECT_LE(h.aktuell, anzahl) << wo << ": " << n;
                EXPECT_EQ(h.StringGrid1.cell(0, 1), std::to_string(h.aktuell)) << wo << ": " << n;
            }
        }
        for (std::size_t i = 0; i < anzahlGueter; ++i) {
            EXPECT_GE(PreiseForm->preis[i], PreiseForm->minPreis[i]) << wo << ": Gut " << i;
            EXPECT_LE(PreiseForm->preis[i], PreiseForm->maxPreis[i]) << wo << ": Gut " << i;
        }
        for (std::size_t i = 1; i <= 5; ++i) {
            EXPECT_GE(FelderForm->felder[i]->was, -1) << wo << ": Feld " << i;
            EXPECT_LE(FelderForm->felder[i]->was, 4) << wo << ": Feld " << i;
        }
        EXPECT_EQ(KontoForm->StringGrid1.rowCount(), 10) << wo;
        EXPECT_GE(KontoForm->letzteZeile, 0) << wo;
        EXPECT_LE(KontoForm->letzteZeile, 9) << wo;
        EXPECT_GE(KontrollForm->monat, 1) << wo;
        EXPECT_LE(KontrollForm->monat, 12) << wo;
    }

    // Save, load, save: the same bytes, but for one key. A goods window
    // always opens collapsed, so the width it was saved with comes back as
    // the collapsed width; from there on the file stays as it is.
    void hinUndZurueck() {
        // Every value the file keeps comes back, field by field, as it was.
        const Werte vorher = gespeichertesSpiel();
        zeileSpielen("neustart");
        for (const std::string& u : unterschiede(vorher, gespeichertesSpiel()))
            ADD_FAILURE() << "Saat " << saat_ << ", Monat " << monateGespielt << ": " << u;
        const std::string erste = datei();
        zeileSpielen("neustart");
        const std::string zweite = datei();
        EXPECT_EQ(ohneGueterBreite(zweite), ohneGueterBreite(erste)) << "Saat " << saat_ << ", Monat " << monateGespielt;
        zeileSpielen("neustart");
        EXPECT_EQ(datei(), zweite) << "Saat " << saat_ << ", Monat " << monateGespielt;
    }
    // Takes back one to three of the steps just played (never a line that
    // was no step: the places and the order of the windows a step back
    // leaves alone), then does some of them again. Every step back gives
    // every window as it was before the step, to the letter of its dump.
    void zurueckUndWieder() {
        int n = 0;
        for (int bis = wuerfel(1, 3); n < bis && !sauber_.empty() && sauber_.back().schritt; ++n) {
            Gespielt g = sauber_.back();
            sauber_.pop_back();
            zeileSpielen("zurueck");
            ++zurueckGenommen;
            if (g.zeile == "weiter") ++monateZurueck;
            const auto u = unterschiede(g.vorher, gezeigtesSpiel());
            for (const std::string& x : u)
                ADD_FAILURE() << "Saat " << saat_ << ", zurück vor \"" << g.zeile << "\": " << x;
            wiederholbar_.push_back(std::move(g));
            if (!u.empty()) return;
        }
        for (int w = wuerfel(0, n); w > 0 && !wiederholbar_.empty(); --w) {
            sauber_.push_back(std::move(wiederholbar_.back()));
            wiederholbar_.pop_back();
            zeileSpielen("wiederholen");
            ++wiederholt;
        }
    }
    // Ends the game and plays the clean script from the same start: the save
    // file, the logbook and the next draw are the same to the byte.
    void wieOhneDieSchritte() {
        const uint32_t zufall = randSeed;
        lauf_->beenden();
        const std::string spielstand = datei();
        const std::string buch = datei("TrevoHofbuch.csv");
        lauf_.reset();
        for (const char* n : {"TrevoSpielstand.bin", "TrevoHofbuch.csv", "TrevoSpielstand.wiederherstellen"})
            fs::remove(verzeichnis_ / n);
        if (!start_.empty()) std::ofstream(verzeichnis_ / "TrevoSpielstand.bin", std::ios::binary) << start_;
        std::ostringstream aus;
        {
            Lauf sauber(verzeichnis_.string() + "/", aus);
            for (const Gespielt& g : sauber_) {
                const Skript s = skriptLesen(g.zeile + "\n");
                sauber.ausfuehren(s.befehle[0]);
            }
            EXPECT_EQ(randSeed, zufall) << "Saat " << saat_;
            sauber.beenden();
        }
        EXPECT_EQ(datei(), spielstand) << "Saat " << saat_;
        EXPECT_EQ(datei("TrevoHofbuch.csv"), buch) << "Saat " << saat_;
        EXPECT_GT(spielstand.size(), 0u);
        lauf_ = std::make_unique<Lauf>(verzeichnis_.string() + "/", aus_);
    }
    // What trevo-sim's dump shows of every window, but the places and where
    // the mouse points on the map.
    Werte gezeigtesSpiel() {
        static const std::set<std::string> lage = {"left", "top", "clientWidth", "clientHeight", "windowState"};
        Werte alle;
        for (const TkindForm* f : lauf_->spiel().fenster())
            for (auto& [n, w] : gezeigteWerte(*f))
                if (!lage.contains(n) && n.rfind("PaintFelder.", 0) != 0) alle.emplace_back(f->name() + "." + n, w);
        return alle;
    }

    // The saved values of every window, but the width a goods window always
    // opens without.
    Werte gespeichertesSpiel() {
        Werte alle;
        for (const TkindForm* f : lauf_->spiel().fenster())
            for (auto& [n, w] : gespeicherteWerte(*f))
                if (!(n == "clientWidth" && dynamic_cast<const TgutForm*>(f))) alle.emplace_back(f->name() + "." + n, w);
        return alle;
    }
    static std::string ohneGueterBreite(const std::string& text) {
        std::istringstream ein(text);
        std::string aus;
        bool gut = false;
        for (std::string z; std::getline(ein, z);) {
            if (z.rfind('[', 0) == 0) {
                const std::string name = z.substr(1, z.find(']') - 1);
                gut = std::count(lager.begin(), lager.end(), name) + std::count(herden.begin(), herden.end(), name) > 0;
            } else if (gut && z.rfind("w=", 0) == 0) {
                z = "w=?";
            }
            aus += z + '\n';
        }
        return aus;
    }
    std::string datei(const char* name = "TrevoSpielstand.bin") const {
        std::ifstream f(verzeichnis_ / name, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }

    // The game so far as a script for trevo-sim.
    void skriptAblegen() const {
        const fs::path p = fs::temp_directory_path() / ("trevo-zufall-" + std::to_string(saat_) + ".trevo");
        std::ofstream f(p);
        f << "# Random player, seed " << saat_ << "; the last line broke a rule.\n";
        for (const std::string& z : skript_) f << z << '\n';
        std::string start;
        if (!start_.empty()) {
            fs::path s = p;
            s.replace_extension(".start");
            std::ofstream(s, std::ios::binary) << start_;
            start = ", with " + s.string() + " as TrevoSpielstand.bin in it";
        }
        ADD_FAILURE() << "Replay: trevo-sim --dir EIN_VERZEICHNIS " << p.string() << start;
    }

    std::mt19937 rng_;
    std::mt19937 ratRng_{12345};
    uint32_t saat_;
    fs::path verzeichnis_;
    std::ostringstream aus_;
    std::unique_ptr<Lauf> lauf_;
    std::vector<std::string> skript_;
    std::vector<std::string> geplant_;
    std::string start_;  // the save file the game started from, if any
    bool mitZurueck_;
    struct Gespielt {
        std::string zeile;
        bool schritt;
        Werte vorher;  // the dump before the line
    };
    std::vector<Gespielt> sauber_;
    std::vector<Gespielt> wiederholbar_;
};

}  // namespace

TEST(Zufallsspieler, HaeltJedeRegelNachJederAktion) {
    const int64_t monate = umgebungsZahl("TREVO_ZUFALL_MONATE", 600);
    const int64_t saaten = umgebungsZahl("TREVO_ZUFALL_SAATEN", 5);
    const auto ersteSaat = static_cast<uint32_t>(umgebungsZahl("TREVO_ZUFALL_SAAT", 1));
    int64_t alleMonate = 0;
    int64_t alleAktionen = 0;
    int64_t ausblickMonate = 0;
    int64_t ausblickErnten = 0;
    int64_t ausblickVergleiche = 0;
    int64_t mangel = 0, kGekauft = 0, kReichte = 0, kMinusEins = 0, kMinusEinsNicht = 0;
    for (uint32_t saat = ersteSaat; saat < ersteSaat + saaten && !HasFailure(); ++saat) {
        Zufallsspieler spieler(saat);
        spieler.spielen(monate);
        alleMonate += spieler.monateGespielt;
        alleAktionen += spieler.aktionenGespielt;
        ausblickMonate += spieler.ausblick.monate;
        ausblickErnten += spieler.ausblick.ernten;
        ausblickVergleiche += spieler.ausblick.exakteVergleiche + spieler.ausblick.spannenVergleiche;
        mangel += spieler.ausblick.mangelMonate;
        kGekauft += spieler.ausblick.kGekauft;
        kReichte += spieler.ausblick.kReichte;
        kMinusEins += spieler.ausblick.kMinusEinsGekauft;
        kMinusEinsNicht += spieler.ausblick.kMinusEinsReichteNicht;
    }
    // The advice was followed often enough to have been tried both ways.
    if (monate * saaten >= 3000) {
        EXPECT_GT(kGekauft, 0);
        EXPECT_GT(kMinusEins, 0);
    }
    EXPECT_GE(alleMonate, monate * saaten);
    RecordProperty("Monate", std::to_string(alleMonate));
    RecordProperty("Aktionen", std::to_string(alleAktionen));
    EXPECT_EQ(ausblickMonate, alleMonate);
    std::cout << "Zufallsspieler: " << alleMonate << " Monate, " << alleAktionen << " Aktionen; Ausblick: "
              << ausblickErnten << " Ernten, " << ausblickVergleiche << " Vergleiche; Futtermangel in " << mangel
              << " Monaten, K gekauft " << kGekauft << " (reichte " << kReichte << "), K-1 gekauft " << kMinusEins
              << " (reichte nicht " << kMinusEinsNicht << ")\n";
}

// Steps taken back and done again, a month's end among them, leave the same
// game, logbook and draws as the game played without the steps left undone.
TEST(Zufallsspieler, ZurueckUndWiederholenWieOhneDieSchritte) {
    const int64_t monate = umgebungsZahl("TREVO_ZUFALL_MONATE", 600) / 4;
    const int64_t saaten = umgebungsZahl("TREVO_ZUFALL_SAATEN", 5) - 2;
    const auto ersteSaat = static_cast<uint32_t>(umgebungsZahl("TREVO_ZUFALL_SAAT", 1)) + 100;
    int64_t zurueck = 0, monateZurueck = 0, wiederholt = 0;
    for (uint32_t saat = ersteSaat; saat < ersteSaat + saaten && !HasFailure(); ++saat) {
        Zufallsspieler spieler(saat, true);
        spieler.spielen(monate);
        zurueck += spieler.zurueckGenommen;
        monateZurueck += spieler.monateZurueck;
        wiederholt += spieler.wiederholt;
    }
    EXPECT_GT(monateZurueck, 0);
    EXPECT_GT(wiederholt, 0);
    std::cout << "Zufallsspieler: " << zurueck << " Schritte zurückgenommen, davon " << monateZurueck
              << " Monate; " << wiederholt << " wiederholt\n";
}

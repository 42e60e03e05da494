// Holds the outlook to what the month then did: taken before "weiter" (or a
// harvest), compared with the transcript of that line and the game after it.
// Every exact line must equal what happened, every span contain it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "geld/kontrollform.h"
#include "ausblick.h"
#include "fields/feldaktionform.h"
#include "fields/felderform.h"
#include "goods/stores.h"
#include "livestock/tierform.h"

class AusblickPruefer {
public:
    // What was measured, over every month checked.
    int64_t monate = 0;
    int64_t monateMitSeuche = 0;   // feed lines then hold for the month without it
    int64_t exakteVergleiche = 0;  // exact lines compared
    int64_t spannenVergleiche = 0; // amounts compared with their span
    int64_t ernten = 0;            // harvests whose loss was foretold
    // The advice to buy feed, followed: months whose outlook told a
    // shortage, and of the months the player then bought exactly K or K-1
    // kg, those where K saved every herd and K-1 did not.
    int64_t mangelMonate = 0;
    int64_t letzteGelegenheiten = 0;  // crops told their last chance
    int64_t kGekauft = 0;
    int64_t kReichte = 0;
    int64_t kMinusEinsGekauft = 0;
    int64_t kMinusEinsReichteNicht = 0;

    // The player is about to follow the line "mindestens K kg Futter
    // kaufen" (or buy one kg less): the K it names, read from its text, so
    // that the line itself is held to what the month then does. 0 when the
    // outlook has no such line.
    static int64_t geratenerKauf(const Monatsausblick& m) {
        const std::string anfang = "mindestens ";
        for (const AusblickZeile& z : m.zeilen)
            if (z.aufgabe && z.art == AusblickZeile::Art::futter && z.text.rfind(anfang, 0) == 0)
                return std::stoll(z.text.substr(anfang.size()));
        return 0;
    }
    // Bought `gekauft` kg of the K the outlook asked for, just before "weiter".
    void futterGekauft(int64_t gekauft, int64_t k) {
        gekauft_ = gekauft;
        geraten_ = k;
    }

    // Before a line of the script.
    void vorher(const std::string& zeile) {
        zeile_ = zeile;
        istWeiter_ = zeile == "weiter";
        ernteFeld_ = 0;
        if (istWeiter_) {
            m_ = monatsausblick();
            if (m_.futterMangel || (geraten_ > 0 && gekauft_ >= geraten_)) ++mangelMonate;
            tiere_.clear();
            for (const auto& h : m_.herden) tiere_[h.herde] = h.herde->tierAnzahl();
            was_.clear();
            for (const auto& f : m_.felder) was_.push_back(f.feld->was);
        }
        // "arbeit N 4": a harvest of field N.
        std::istringstream w(zeile);
        std::string wort;
        int n = 0;
        int arbeit = -1;
        if (w >> wort >> n >> arbeit && wort == "arbeit" && arbeit == static_cast<int>(Arbeit::ernten) && n >= 1 &&
            n <= 5) {
            const TFeld& f = *FelderForm->felder[static_cast<std::size_t>(n)];
            if (f.was >= 0 && TFeldAktionForm::wirdGetan(Arbeit::ernten, f)) {
                ernteFeld_ = n;
                verlust_ = monatsausblick().felder.at(static_cast<std::size_t>(n - 1)).verlust;
            }
        }
    }

    // After it, with the transcript the line wrote.
    void nachher(const std::string& protokoll, const std::string& wo) {
        std::vector<std::pair<int64_t, std::string>> buchungen;
        std::vector<std::string> meldungen;
        std::istringstream ein(protokoll);
        for (std::string z; std::getline(ein, z);) {
            if (z.rfind("buchung\t", 0) == 0) {
                const std::string rest = z.substr(8);
                buchungen.emplace_back(std::stoll(rest.substr(0, rest.find('\t'))), rest.substr(rest.find('\t') + 1));
            } else if (z.rfind("meldung\t", 0) == 0) {
                meldungen.push_back(z.substr(z.find('\t', 8) + 1));
            }
        }
        if (ernteFeld_ != 0) ernteVergleichen(meldungen, wo);
        if (istWeiter_) monatVergleichen(buchungen, meldungen, wo);
    }

private:
    void ernteVergleichen(const std::vector<std::string>& meldungen, const std::string& wo) {
        ++ernten;
        const std::string anfang = "Wegen begrenzter Lagermöglichkeiten sind ";
        int64_t gesehen = 0;
        for (const std::string& t : meldungen)
            if (t.rfind(anfang, 0) == 0) gesehen = std::stoll(t.substr(anfang.size()));
        EXPECT_EQ(gesehen, verlust_) << wo << ": Ernteverlust von Feld " << ernteFeld_;
        ++exakteVergleiche;
    }

    void monatVergleichen(const std::vector<std::pair<int64_t, std::string>>& buchungen,
                          const std::vector<std::string>& meldungen, const std::string& wo) {
        ++monate;
        // What was booked, at the balance's limits too (where less is
        // booked than the rule asks).
        bool pacht = false;
        for (const auto& [betrag, bemerkung] : buchungen) {
            if (bemerkung == "Sonstige Kosten") {
                EXPECT_TRUE(m_.sonstigeKostenGebucht.enthaelt(betrag)) << wo << ": " << betrag;
                ++spannenVergleiche;
            } else if (bemerkung == "Pacht für Felder") {
                pacht = true;
                EXPECT_TRUE(m_.pachtGebucht.enthaelt(betrag)) << wo << ": Pacht " << betrag;
                ++(m_.pachtGebucht.exakt() ? exakteVergleiche : spannenVergleiche);
            } else {
                for (const auto& h : m_.herden) {
                    if (!h.a.produkt || bemerkung.rfind(h.herde->GebenCB.caption + " ", 0) != 0) continue;
                    EXPECT_TRUE(h.erloesGebucht.enthaelt(betrag))
                        << wo << ": " << bemerkung << " " << betrag << " nicht in " << h.erloesGebucht.von << ".."
                        << h.erloesGebucht.bis;
                    ++spannenVergleiche;
                }
            }
        }
        EXPECT_EQ(pacht, m_.pacht != 0) << wo;
        EXPECT_TRUE(m_.guthaben.enthaelt(KontrollForm->geld))
            << wo << ": Guthaben " << KontrollForm->geld << " nicht in " << m_.guthaben.von << ".." << m_.guthaben.bis;
        ++spannenVergleiche;

        // The next month's temperature, which the last chance of a crop
        // is told with.
        EXPECT_TRUE(m_.naechsteTemperatur.enthaelt(KontrollForm->temperatur))
            << wo << ": " << KontrollForm->temperatur << " °C";
        ++spannenVergleiche;
        for (const auto& f : m_.felder)
            if (f.letzteGelegenheit) {
                ++letzteGelegenheiten;
                // "zu kalt zum Ernten": the month now begun refuses it.
                if (m_.naechsteTemperatur.bis < TFeldAktionForm::mindestTemperatur) {
                    EXPECT_FALSE(TFeldAktionForm::wirdGetan(Arbeit::ernten, *f.feld)) << wo << ": " << f.feld->name;
                }
            }

        // Frost and over-ripeness, field by field.
        std::set<std::pair<std::string, int32_t>> eingegangen;
        for (const std::string& t : meldungen)
            for (const auto& f : m_.felder)
                for (int32_t grund = 1; grund <= 2; ++grund) {
                    std::string text = eingehMeldungen[static_cast<std::size_t>(grund)];
                    text.replace(text.find("%s"), 2, f.feld->name);
                    if (t == text) eingegangen.insert({f.feld->name, grund});
                }
        std::set<std::pair<std::string, int32_t>> erwartet;
        for (std::size_t i = 0; i < m_.felder.size(); ++i) {
            const auto& f = m_.felder[i];
            if (f.a.grund != 0) erwartet.insert({f.feld->name, f.a.grund});
            EXPECT_TRUE(f.a.wachs.enthaelt(f.feld->wachs)) << wo << ": " << f.feld->name << " Wert " << f.feld->wachs;
            EXPECT_EQ(f.feld->was, f.a.grund != 0 ? kahl : was_[i]) << wo << ": " << f.feld->name;
            ++spannenVergleiche;
        }
        EXPECT_EQ(eingegangen, erwartet) << wo;
        ++exakteVergleiche;

        // The feed, herd by herd, in the walk's order. A disease changes who
        // eats: the herds after it are then not held to the feed lines.
        bool seuche = false;
        const bool mangel = std::find(meldungen.begin(), meldungen.end(),
                                      "Wegen Futtermangel sind einige Tiere gestorben!") != meldungen.end();
        for (const auto& h : m_.herden) {
            const bool getroffen =
                !h.herde->seucheText.empty() &&
                std::find(meldungen.begin(), meldungen.end(), h.herde->seucheText) != meldungen.end();
            if (getroffen) {
                seuche = true;
                EXPECT_EQ(h.herde->tierAnzahl(), 0) << wo << ": " << h.herde->caption;
                continue;
            }
            if (seuche) continue;
            const int32_t vor = tiere_[h.herde];
            const int32_t nach = h.herde->tierAnzahl();
            using F = TtierForm::Futter;
            const int32_t danach = h.a.futter == F::alleSterben ? 0 : h.a.futter == F::einTierStirbt ? vor - 1 : vor;
            int64_t von = 0;
            int64_t bis = 0;
            if (h.a.futter != F::alleSterben && h.herde->MehrenCB.checked) {
                von = std::min<int64_t>(h.a.geburten.von, h.a.platz);
                bis = std::min<int64_t>(h.a.geburten.bis, h.a.platz);
            }
            EXPECT_GE(nach, danach + von) << wo << ": " << h.herde->caption;
            EXPECT_LE(nach, danach + bis) << wo << ": " << h.herde->caption;
            ++exakteVergleiche;
        }
        // The advice followed to the kg: K saves every herd, K-1 does not
        // (unless a disease took a herd that would have eaten).
        if (geraten_ > 0 && !seuche) {
            if (gekauft_ >= geraten_) {
                ++kGekauft;
                EXPECT_FALSE(mangel) << wo << ": " << geraten_ << " kg gekauft, trotzdem verhungert";
                if (!mangel) ++kReichte;
            } else {
                ++kMinusEinsGekauft;
                EXPECT_TRUE(mangel) << wo << ": " << gekauft_ << " kg statt " << geraten_ << " reichten";
                if (mangel) ++kMinusEinsReichteNicht;
            }
        }
        geraten_ = 0;
        if (seuche) {
            ++monateMitSeuche;
        } else {
            EXPECT_EQ(mangel, m_.futterMangel) << wo;
            EXPECT_EQ(FutterForm->menge, m_.futterDanach) << wo;
            exakteVergleiche += 2;
        }
    }

    std::string zeile_;
    bool istWeiter_ = false;
    Monatsausblick m_;
    std::map<const TtierForm*, int32_t> tiere_;
    std::vector<int32_t> was_;
    int ernteFeld_ = 0;
    int64_t verlust_ = 0;
    int64_t gekauft_ = 0;
    int64_t geraten_ = 0;
};

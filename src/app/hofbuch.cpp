#include "app/hofbuch.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <climits>
#include <cstdio>
#include <numeric>
#include <optional>

#include "app/plattform.h"
#include "app/spielstand.h"
#include "fields/felderform.h"
#include "goods/stores.h"
#include "livestock/arten.h"
#include "market/preiseform.h"

const char* const hofbuchName = "TrevoHofbuch.csv";

std::string hofbuchPfad(const std::string& spielstandPfad) {
    const std::size_t schnitt = spielstandPfad.rfind('/');
    return (schnitt == std::string::npos ? std::string() : spielstandPfad.substr(0, schnitt + 1)) + hofbuchName;
}

namespace {

using Art = HofbuchSpalte::Art;

constexpr const char* abgeschlossenText = "abgeschlossen";
constexpr const char* laufendText = "laufend";
// Excel reads the umlauts of the header only with it; other programs skip it.
constexpr std::string_view bom = "\xEF\xBB\xBF";

std::array<TgutForm*, 4> lager() { return {FutterForm, DieselForm, GetreideForm, RuebenForm}; }
std::array<TtierForm*, 4> herden() { return {KueheForm, SchweineForm, HuenerForm, SchafForm}; }

int64_t zehnHoch(int32_t n) {
    int64_t z = 1;
    for (int32_t i = 0; i < n; ++i) z *= 10;
    return z;
}

// 123456 with two decimals -> "1234,56": the German decimal comma.
std::string zahlText(int64_t wert, int32_t nachkomma) {
    if (nachkomma == 0) return std::to_string(wert);
    const uint64_t betrag = wert < 0 ? 0 - static_cast<uint64_t>(wert) : static_cast<uint64_t>(wert);
    const auto teiler = static_cast<uint64_t>(zehnHoch(nachkomma));
    std::string rest = std::to_string(betrag % teiler);
    rest.insert(0, static_cast<std::size_t>(nachkomma) - rest.size(), '0');
    return (wert < 0 ? "-" : "") + std::to_string(betrag / teiler) + "," + rest;
}

// The reverse, exactly: the decimals the column has, no more, no fewer.
bool zahlLesen(std::string_view t, int32_t nachkomma, int64_t& wert) {
    bool negativ = false;
    if (!t.empty() && t.front() == '-') {
        negativ = true;
        t.remove_prefix(1);
    }
    std::string ziffern;
    const std::size_t komma = t.find(',');
    if (nachkomma == 0) {
        if (komma != std::string_view::npos) return false;
        ziffern = t;
    } else {
        if (komma == std::string_view::npos || t.size() - komma - 1 != static_cast<std::size_t>(nachkomma)) return false;
        ziffern = std::string(t.substr(0, komma)) + std::string(t.substr(komma + 1));
        if (komma == 0) return false;
    }
    if (ziffern.empty() || ziffern.size() > 17) return false;
    if (!std::all_of(ziffern.begin(), ziffern.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    const int64_t v = std::stoll(ziffern);
    wert = negativ ? -v : v;
    return true;
}

std::vector<std::string_view> teilen(std::string_view zeile, char trenner) {
    std::vector<std::string_view> teile;
    std::size_t anfang = 0;
    while (true) {
        const std::size_t ende = zeile.find(trenner, anfang);
        teile.push_back(zeile.substr(anfang, ende == std::string_view::npos ? std::string_view::npos : ende - anfang));
        if (ende == std::string_view::npos) return teile;
        anfang = ende + 1;
    }
}

int64_t datumsZahl(int32_t monat, int32_t jahr) { return int64_t{jahr} * 12 + monat; }

}  // namespace

Hofbuch::Hofbuch(std::string pfad) : pfad_(std::move(pfad)) {
    spaltenAnlegen();
    laufend_.assign(spalten_.size(), 0);
    if (KontrollForm) anfang_ = KontrollForm->geld;
}

void Hofbuch::spaltenAnlegen() {
    const auto gut = [](int32_t nr) { return PreiseForm->gutName[static_cast<std::size_t>(nr)]; };
    const auto buchung = [this](std::string name, std::string praefix) {
        spalten_.push_back({Art::buchung, 0, std::move(name), 2});
        buchungsPraefixe_.push_back(std::move(praefix));
    };
    spalten_.push_back({Art::anfang, 0, "Guthaben am Monatsanfang", 2});
    buchungsPraefixe_.emplace_back();
    buchung("Sonstige Kosten", "Sonstige Kosten");
    buchung("Pacht", "Pacht für Felder");
    buchung("Düngemittel", "Düngemittel");
    buchung("Saatgut", "Saatgut");
    // The remarks the windows book with: "Futter-Kauf 100 kg", "Kühe Verkauf",
    // "Milchgeben 3200 Liter".
    for (TgutForm* l : lager()) {
        buchung(gut(l->gutNr) + " Kauf", l->caption + "-Kauf ");
        buchung(gut(l->gutNr) + " Verkauf", l->caption + "-Verkauf ");
    }
    for (TtierForm* h : herden()) {
        buchung(gut(h->gutNr) + " Kauf", h->caption + " Kauf");
        buchung(gut(h->gutNr) + " Verkauf", h->caption + " Verkauf");
        if (h->GebenCB.visible) buchung(gut(h->gutNr) + " " + gut(h->produktNr), h->GebenCB.caption + " ");
    }
    buchung("Vergrößerung", "Vergrößerung");
    sonstiges_ = static_cast<int32_t>(spalten_.size());
    buchung("Sonstiges", "");
    spalten_.push_back({Art::ende, 0, "Guthaben am Monatsende", 2});
    for (int32_t i = 0; i < anzahlGueter; ++i) spalten_.push_back({Art::preis, i, "Preis " + gut(i), 2});
    int32_t nr = 0;
    for (TgutForm* l : lager()) {
        spalten_.push_back({Art::bestand, nr, gut(l->gutNr) + " Bestand", 0});
        spalten_.push_back({Art::kapazitaet, nr, gut(l->gutNr) + " Kapazität", 0});
        ++nr;
    }
    nr = 0;
    for (TtierForm* h : herden()) {
        spalten_.push_back({Art::tiere, nr, gut(h->gutNr) + " Tiere", 0});
        spalten_.push_back({Art::gewicht, nr, gut(h->gutNr) + " Gewicht kg", 1});
        ++nr;
    }
    for (int32_t i = 1; i < static_cast<int32_t>(FelderForm->felder.size()); ++i) {
        const TFeld* f = FelderForm->felder[static_cast<std::size_t>(i)].get();
        if (!f) continue;
        spalten_.push_back({Art::frucht, i, f->name + " Frucht", 0});
        spalten_.push_back({Art::wachs, i, f->name + " Wachstum", 0});
    }
}

int32_t Hofbuch::spalte(Art art, int32_t nr) const {
    for (std::size_t i = 0; i < spalten_.size(); ++i)
        if (spalten_[i].art == art && spalten_[i].nr == nr) return static_cast<int32_t>(i);
    return -1;
}

int32_t Hofbuch::buchungsArt(const std::string& bemerkung) const {
    for (std::size_t i = 0; i < buchungsPraefixe_.size(); ++i) {
        const std::string& p = buchungsPraefixe_[i];
        if (!p.empty() && bemerkung.starts_with(p)) return static_cast<int32_t>(i);
    }
    return sonstiges_;
}

void Hofbuch::gebucht(int32_t betrag, const std::string& bemerkung) {
    laufend_[static_cast<std::size_t>(buchungsArt(bemerkung))] += betrag;
}

HofbuchZeile Hofbuch::aktuelleZeile(bool laufend) const {
    HofbuchZeile z;
    z.monat = KontrollForm->monat;
    z.jahr = KontrollForm->jahr;
    z.laufend = laufend;
    z.werte.assign(spalten_.size(), 0);
    for (std::size_t i = 0; i < spalten_.size(); ++i) {
        const HofbuchSpalte& s = spalten_[i];
        const auto n = static_cast<std::size_t>(s.nr);
        int64_t& w = z.werte[i];
        switch (s.art) {
        case Art::anfang: w = anfang_; break;
        case Art::buchung: w = laufend_[i]; break;
        case Art::ende: w = KontrollForm->geld; break;
        case Art::preis: w = PreiseForm->preis[n]; break;
        case Art::bestand: w = lager()[n]->menge; break;
        case Art::kapazitaet: w = lager()[n]->maxmenge; break;
        case Art::tiere: w = herden()[n]->tierAnzahl(); break;
        case Art::gewicht: {
            const TtierForm& h = *herden()[n];
            for (int32_t t = 1; t <= h.tierAnzahl(); ++t) w += h.gewicht[static_cast<std::size_t>(t)];
            break;
        }
        case Art::frucht: w = FelderForm->felder[n] ? FelderForm->felder[n]->was : 0; break;
        case Art::wachs: w = FelderForm->felder[n] ? FelderForm->felder[n]->wachs : 0; break;
        }
    }
    return z;
}

void Hofbuch::monatGebucht() {
    zeilen_.push_back(aktuelleZeile(false));
    beginnen();
    // Before the calendar turns and before the recovery point: a game killed
    // in between starts from the older point, and the row goes again.
    schreiben(false);
    if (geaendert) geaendert();
}

void Hofbuch::beginnen() {
    anfang_ = KontrollForm->geld;
    std::fill(laufend_.begin(), laufend_.end(), 0);
}

void Hofbuch::neuesSpiel() {
    // The old farm's book is kept under its last month. What was booked in
    // the month the player gave up is not: the windows have started anew.
    if (!zeilen_.empty()) {
        char datum[32];
        std::snprintf(datum, sizeof datum, "%04d-%02d", zeilen_.back().jahr, zeilen_.back().monat);
        std::string fehler;
        const std::string ziel = beiseite(datum);
        if (!dateiErsetzen(ziel, text(false), true, fehler) && !schreibfehlerGemeldet_) {
            schreibfehlerGemeldet_ = true;
            plattform().meldung(MeldungsArt::Warnung,
                                "Das alte Hofbuch konnte nicht aufbewahrt werden:\r" + ziel + "\r\r" + fehler,
                                Knoepfe::OK);
        }
    }
    zeilen_.clear();
    vergessen();
    beginnen();
    schreiben(false);
    if (geaendert) geaendert();
}

std::string Hofbuch::beiseite(const std::string& zusatz) const {
    const std::string stamm = pfad_.substr(0, pfad_.size() - 4) + "-" + zusatz;
    std::string name = stamm + ".csv";
    for (int i = 2; std::filesystem::exists(name) && i < 1000; ++i) name = stamm + "-" + std::to_string(i) + ".csv";
    return name;
}

std::string Hofbuch::zeilenText(const HofbuchZeile& z) const {
    std::string t = std::to_string(z.jahr) + ";" + std::to_string(z.monat) + ";" +
                    (z.laufend ? laufendText : abgeschlossenText);
    for (std::size_t i = 0; i < spalten_.size(); ++i) t += ";" + zahlText(z.werte[i], spalten_[i].nachkomma);
    return t + "\r\n";
}

std::string Hofbuch::text(bool mitLaufendem) const {
    std::string t(bom);
    t += "Jahr;Monat;Stand";
    for (const HofbuchSpalte& s : spalten_) t += ";" + s.name;
    t += "\r\n";
    // The rows only grow while the game runs: each is written out once.
    if (zeilenImText_ > zeilen_.size()) {
        zeilenImText_ = 0;
        zeilenText_.clear();
    }
    for (; zeilenImText_ < zeilen_.size(); ++zeilenImText_) zeilenText_ += zeilenText(zeilen_[zeilenImText_]);
    t += zeilenText_;
    if (mitLaufendem) t += zeilenText(aktuelleZeile(true));
    return t;
}

bool Hofbuch::schreiben(bool mitLaufendem) {
    std::string fehler;
    // Synced only at the orderly end: the two syncs of a month would double
    // what the recovery point already waits for. A killed game still finds
    // the book whole; a power cut may find it a few months behind.
    if (dateiErsetzen(pfad_, text(mitLaufendem), true, fehler, mitLaufendem)) return true;
    // Told once a run; the rows stay in memory and go with the next month.
    if (!schreibfehlerGemeldet_) {
        schreibfehlerGemeldet_ = true;
        plattform().meldung(MeldungsArt::Warnung,
                            "Das Hofbuch konnte nicht geschrieben werden:\r" + pfad_ + "\r\r" + fehler +
                                "\r\rDas Spiel geht weiter; das Hofbuch wird nach dem nächsten Monat wieder "
                                "geschrieben.",
                            Knoepfe::OK);
    }
    return false;
}

bool Hofbuch::lesen(const std::string& bytes, std::vector<HofbuchZeile>& zeilen, std::string& grund) const {
    std::string_view rest(bytes);
    if (rest.starts_with(bom)) rest.remove_prefix(bom.size());
    std::vector<std::string_view> liste = teilen(rest, '\n');
    if (!liste.empty() && liste.back().empty()) liste.pop_back();
    for (std::string_view& l : liste)
        if (l.ends_with('\r')) l.remove_suffix(1);
    const std::string kopf = text(false).substr(bom.size());
    if (liste.empty() || liste.front() != std::string_view(kopf).substr(0, kopf.size() - 2)) {
        grund = "Die Kopfzeile ist nicht die eines Hofbuchs dieses Spiels.";
        return false;
    }
    for (std::size_t n = 1; n < liste.size(); ++n) {
        const std::string nr = std::to_string(n + 1);
        const std::vector<std::string_view> felder = teilen(liste[n], ';');
        if (felder.size() != spalten_.size() + 3) {
            grund = "Zeile " + nr + " hat " + std::to_string(felder.size()) + " statt " +
                    std::to_string(spalten_.size() + 3) + " Spalten.";
            return false;
        }
        HofbuchZeile z;
        int64_t jahr = 0;
        int64_t monat = 0;
        if (!zahlLesen(felder[0], 0, jahr) || !zahlLesen(felder[1], 0, monat) || monat < 1 || monat > 12 ||
            jahr < 0 || jahr > INT32_MAX) {
            grund = "Zeile " + nr + " hat kein gültiges Datum.";
            return false;
        }
        z.jahr = static_cast<int32_t>(jahr);
        z.monat = static_cast<int32_t>(monat);
        if (felder[2] != abgeschlossenText && felder[2] != laufendText) {
            grund = "Zeile " + nr + " ist weder abgeschlossen noch laufend.";
            return false;
        }
        z.laufend = felder[2] == laufendText;
        if (!zeilen.empty() && (zeilen.back().laufend ||
                                datumsZahl(z.monat, z.jahr) <= datumsZahl(zeilen.back().monat, zeilen.back().jahr))) {
            grund = "Zeile " + nr + " steht nicht in der Reihenfolge der Monate.";
            return false;
        }
        z.werte.resize(spalten_.size());
        for (std::size_t i = 0; i < spalten_.size(); ++i) {
            if (!zahlLesen(felder[i + 3], spalten_[i].nachkomma, z.werte[i])) {
                grund = "Zeile " + nr + ", Spalte „" + spalten_[i].name + "“: keine Zahl.";
                return false;
            }
        }
        zeilen.push_back(std::move(z));
    }
    return true;
}

void Hofbuch::angleichen(bool neuesSpiel) {
    liegengebliebeneEntfernen(pfad_, true);
    zeilen_.clear();
    vergessen();
    beginnen();
    std::string bytes;
    std::string fehler;
    std::vector<HofbuchZeile> gelesen;
    const bool da = dateiLesen(pfad_, bytes, fehler);
    if (!da && fehler.empty()) return;  // no book yet: it begins with this month
    if (!da || !lesen(bytes, gelesen, fehler)) {
        // Nothing of the player's is lost: the file goes beside under a name
        // of its own, the book starts afresh.
        const std::string ziel = beiseite("unbrauchbar");
        std::error_code ec;
        std::filesystem::rename(pfad_, ziel, ec);
        plattform().meldung(MeldungsArt::Warnung,
                            std::string("Das Hofbuch ") + hofbuchName + " ist unbrauchbar:\r\r" + fehler +
                                "\r\r" + (ec ? std::string() : "Es wurde als " +
                                          std::filesystem::path(ziel).filename().string() + " beiseitegelegt. ") +
                                "Das Hofbuch beginnt neu.",
                            Knoepfe::OK);
        if (!ec) schreiben(false);
        return;
    }
    if (neuesSpiel) {
        zeilen_ = std::move(gelesen);
        vergessen();
        this->neuesSpiel();
        return;
    }
    const int64_t start = datumsZahl(KontrollForm->monat, KontrollForm->jahr);
    const std::size_t vorher = gelesen.size();
    std::optional<HofbuchZeile> offen;
    while (!gelesen.empty() && datumsZahl(gelesen.back().monat, gelesen.back().jahr) >= start) {
        // The month the game goes on with, as the orderly end left it.
        const HofbuchZeile& z = gelesen.back();
        if (z.laufend && datumsZahl(z.monat, z.jahr) == start &&
            z.werte[static_cast<std::size_t>(spalte(Art::ende))] == KontrollForm->geld)
            offen = z;
        gelesen.pop_back();
    }
    zeilen_ = std::move(gelesen);
    vergessen();
    const auto endeSpalte = static_cast<std::size_t>(spalte(Art::ende));
    if (offen) {
        for (std::size_t i = 0; i < spalten_.size(); ++i)
            if (spalten_[i].art == Art::buchung) laufend_[i] = offen->werte[i];
        anfang_ = offen->werte[static_cast<std::size_t>(spalte(Art::anfang))];
    } else if (!zeilen_.empty()) {
        anfang_ = zeilen_.back().werte[endeSpalte];
    }
    // What moved the balance while the book did not watch (a month of a
    // killed game, a hand-edited save file) is kept apart, so that the rows
    // still add up to the balance.
    const int64_t gebucht = std::accumulate(laufend_.begin(), laufend_.end(), int64_t{0});
    laufend_[static_cast<std::size_t>(sonstiges_)] += KontrollForm->geld - anfang_ - gebucht;
    if (zeilen_.size() + (offen ? 1 : 0) != vorher) schreiben(false);
}

void Hofbuch::sichern() { schreiben(true); }

void Hofbuch::vergessen() {
    zeilenImText_ = 0;
    zeilenText_.clear();
}

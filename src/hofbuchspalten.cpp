#include "hofbuchspalten.h"

#include <array>
#include <string>

#include "fields/felderform.h"
#include "goods/stores.h"
#include "livestock/arten.h"
#include "market/preiseform.h"

namespace {

using Art = HofbuchSpalte::Art;

std::array<TgutForm*, 4> lager() { return {FutterForm, DieselForm, GetreideForm, RuebenForm}; }
std::array<TtierForm*, 4> herden() { return {KueheForm, SchweineForm, HuenerForm, SchafForm}; }

std::string ersetzt(std::string text, const std::string& alt, const std::string& neu) {
    for (std::size_t p = text.find(alt); p != std::string::npos; p = text.find(alt, p + neu.size()))
        text.replace(p, alt.size(), neu);
    return text;
}

std::string gut(int32_t nr) { return PreiseForm->gutName[static_cast<std::size_t>(nr)]; }

HofbuchSpalte spalte(Art art, int32_t nr, std::string name, int32_t nachkomma, Buchung buchung = {},
                     std::function<int64_t()> wert = {}) {
    // Books of older versions wrote the hens "Hüner".
    std::string frueher = ersetzt(name, "Hühner", "Hüner");
    if (frueher == name) frueher.clear();
    return {art, nr, std::move(name), nachkomma, buchung, std::move(wert), std::move(frueher)};
}

}  // namespace

std::vector<HofbuchSpalte> hofbuchSpalten() {
    std::vector<HofbuchSpalte> s;
    const auto buchung = [&s](std::string name, Buchung b) { s.push_back(spalte(Art::buchung, 0, std::move(name), 2, b)); };
    s.push_back(spalte(Art::anfang, 0, "Guthaben am Monatsanfang", 2));
    buchung("Sonstige Kosten", {BuchungsArt::sonstigeKosten});
    buchung("Pacht", {BuchungsArt::pacht});
    buchung("Düngemittel", {BuchungsArt::duengemittel});
    buchung("Saatgut", {BuchungsArt::saatgut});
    for (TgutForm* l : lager()) {
        buchung(gut(l->gutNr) + " Kauf", {BuchungsArt::kauf, l->gutNr});
        buchung(gut(l->gutNr) + " Verkauf", {BuchungsArt::verkauf, l->gutNr});
    }
    for (TtierForm* h : herden()) {
        buchung(gut(h->gutNr) + " Kauf", {BuchungsArt::kauf, h->gutNr});
        buchung(gut(h->gutNr) + " Verkauf", {BuchungsArt::verkauf, h->gutNr});
        if (h->GebenCB.visible) buchung(gut(h->gutNr) + " " + gut(h->produktNr), {BuchungsArt::produkt, h->produktNr});
    }
    // Stores and stables alike.
    buchung("Vergrößerung", {BuchungsArt::vergroesserung});
    // What fits no other column, and what moved the balance unseen.
    buchung("Sonstiges", {BuchungsArt::keine});
    s.push_back(spalte(Art::ende, 0, "Guthaben am Monatsende", 2));

    for (int32_t i = 0; i < anzahlGueter; ++i)
        s.push_back(spalte(Art::preis, i, "Preis " + gut(i), 2, {},
                           [i] { return int64_t{PreiseForm->preis[static_cast<std::size_t>(i)]}; }));
    for (int32_t nr = 0; nr < 4; ++nr) {
        const std::string name = gut(lager()[static_cast<std::size_t>(nr)]->gutNr);
        const auto l = static_cast<std::size_t>(nr);
        s.push_back(spalte(Art::bestand, nr, name + " Bestand", 0, {}, [l] { return int64_t{lager()[l]->menge}; }));
        s.push_back(spalte(Art::kapazitaet, nr, name + " Kapazität", 0, {}, [l] { return int64_t{lager()[l]->maxmenge}; }));
    }
    for (int32_t nr = 0; nr < 4; ++nr) {
        const auto h = static_cast<std::size_t>(nr);
        const std::string name = gut(herden()[h]->gutNr);
        s.push_back(spalte(Art::tiere, nr, name + " Tiere", 0, {}, [h] { return int64_t{herden()[h]->tierAnzahl()}; }));
        s.push_back(spalte(Art::gewicht, nr, name + " Gewicht kg", 1, {}, [h] {
            const TtierForm& t = *herden()[h];
            int64_t summe = 0;
            // Counted once: a full stable is a quarter of a million steps otherwise.
            const int32_t anzahl = t.tierAnzahl();
            for (int32_t i = 1; i <= anzahl; ++i) summe += t.gewicht[static_cast<std::size_t>(i)];
            return summe;
        }));
    }
    for (HofbuchSpalte& sp : s) {
        switch (sp.art) {
        case Art::anfang:
        case Art::buchung:
        case Art::ende: sp.einheit = "EUR"; break;
        case Art::preis: sp.einheit = "EUR je " + PreiseForm->einheit[static_cast<std::size_t>(sp.nr)]; break;
        case Art::bestand:
        case Art::kapazitaet:
            sp.einheit = PreiseForm->einheit[static_cast<std::size_t>(lager()[static_cast<std::size_t>(sp.nr)]->gutNr)];
            break;
        case Art::tiere: sp.einheit = "Stück"; break;
        case Art::gewicht: sp.einheit = "kg"; break;
        default: break;
        }
    }
    for (int32_t i = 1; i < static_cast<int32_t>(FelderForm->felder.size()); ++i) {
        const auto n = static_cast<std::size_t>(i);
        const TFeld* f = FelderForm->felder[n].get();
        if (!f) continue;
        s.push_back(spalte(Art::frucht, i, f->name + " Frucht", 0, {}, [n] {
            return int64_t{FelderForm->felder[n] ? FelderForm->felder[n]->was : 0};
        }));
        s.push_back(spalte(Art::wachs, i, f->name + " Wachstum", 0, {}, [n] {
            return int64_t{FelderForm->felder[n] ? FelderForm->felder[n]->wachs : 0};
        }));
        s[s.size() - 2].klartext = [](int64_t was) {
            if (was == nichtGepachtet) return std::string("nicht gepachtet");
            if (was >= 0 && was < static_cast<int64_t>(bewuchsNamen.size()))
                return std::string(bewuchsNamen[static_cast<std::size_t>(was)]);
            return std::to_string(was);
        };
        s.back().einheit = "Punkte";
    }
    return s;
}

#include "ausblick.h"

#include <algorithm>

#include "geld/geldtext.h"
#include "geld/kontrollform.h"
#include "rahmen/mainform.h"
#include "rahmen/plattform.h"
#include "spielstand/spielstand.h"
#include "fields/feldaktionform.h"
#include "fields/felderform.h"
#include "goods/stores.h"
#include "market/preiseform.h"

TAusblickForm* AusblickForm = nullptr;

namespace {

using Art = AusblickZeile::Art;

std::string geld(int64_t cents) { return geldZahl(cents) + " EUR"; }

std::string spanne(const Spanne& s, const std::string& einheit) {
    if (s.exakt()) return std::to_string(s.von) + einheit;
    return std::to_string(s.von) + " bis " + std::to_string(s.bis) + einheit;
}

std::string geldSpanne(const Spanne& s) {
    if (s.exakt()) return geld(s.von);
    return geldZahl(s.von) + " bis " + geld(s.bis);
}

std::string einheit(int32_t gutNr) {
    if (!PreiseForm || gutNr < 0 || gutNr >= anzahlGueter) return {};
    return PreiseForm->einheit[static_cast<std::size_t>(gutNr)];
}

// The whole herd dies: "alle 3 Tiere verhungern", "das Tier verhungert".
std::string alleSterben(int64_t n, const char* wie) {
    return n == 1 ? std::string("das Tier ") + wie + "t"
                  : "alle " + std::to_string(n) + " Tiere " + wie + "n";
}

// The balance after a booking anywhere in the span b, from a balance
// anywhere in g; the limits hold the balance as buchen does, and since that
// only ever moves with both, the ends stay the ends.
Spanne gebucht(const Spanne& g, const Spanne& b) {
    return {gebuchtesGeld(g.von, b.von), gebuchtesGeld(g.bis, b.bis)};
}

// What a booking anywhere in b moves from a balance anywhere in g: all of
// it, but at the limits only what reaches them. It grows with the booking
// and shrinks with the balance, so the ends come from opposite ends.
Spanne bewegt(const Spanne& g, const Spanne& b) {
    return {gebuchtesGeld(g.bis, b.von) - g.bis, gebuchtesGeld(g.von, b.bis) - g.von};
}

class Zeilen {
public:
    explicit Zeilen(std::vector<AusblickZeile>& z) : z_(z) {}
    AusblickZeile& neu(Art art, std::string text, std::string fenster, bool warnung = false, bool aufgabe = false) {
        z_.push_back({art, std::move(text), std::move(fenster), warnung, aufgabe});
        return z_.back();
    }

private:
    std::vector<AusblickZeile>& z_;
};

// The crop's word for how it dies.
std::string stirbt(const TFeld& f, int32_t grund) {
    const std::string crop = f.was >= gerste && f.was <= gras ? bewuchsNamen[static_cast<std::size_t>(f.was)] : "";
    return grund == 1 ? crop + " erfriert" : crop + " wird überreif und geht ein";
}

// The next month's temperature: the month step draws its mean less one
// plus 0, 1 or 2.
Spanne naechsteTemperatur() {
    const int32_t n = KontrollForm->monat % 12 + 1;
    const int32_t mittel = n >= 1 && n <= 12 ? mittelTemperatur[static_cast<std::size_t>(n)] : 0;
    return {mittel - 1, mittel + 1};
}

// Whether this month is the crop's last chance: it can be harvested now and
// lives through the month, and the next month may be too cold for any work
// (then also whether the crop may die in it, at any score the drift leaves
// and any temperature the month can have). A crop that dies in a month
// warm enough to work can still be harvested in it: that month's outlook
// says so.
void naechsterMonat(Monatsausblick::Feld& fa, const Spanne& t) {
    const TFeld& f = *fa.feld;
    if (fa.a.grund != 0 || fa.ernte <= 0 || f.was < gerste || f.was > gras ||
        KontrollForm->temperatur < TFeldAktionForm::mindestTemperatur || t.von >= TFeldAktionForm::mindestTemperatur)
        return;
    fa.naechsterZuKalt = true;
    fa.letzteGelegenheit = true;
    // The drift keeps the score within a few points; a wider span (none
    // the rules give) is not walked.
    if (fa.a.wachs.bis - fa.a.wachs.von > 1000) return;
    for (int64_t w = fa.a.wachs.von; w <= fa.a.wachs.bis && !fa.naechsterEingehen; ++w)
        for (int64_t g = t.von; g <= t.bis; ++g)
            if (wachsNachMonat(f.was, static_cast<int32_t>(w), static_cast<int32_t>(g)) == TFeld::nachDemEingehen)
                fa.naechsterEingehen = true;
}

}  // namespace

Monatsausblick monatsausblick() {
    Monatsausblick m;
    if (!MainForm || !KontrollForm || !FutterForm || !PreiseForm) return m;
    // The month's other costs come first, then every window in the walk's
    // order: from the least recently activated one.
    m.sonstigeKosten = TKontrollForm::sonstigeKostenSpanne();
    Spanne guthaben{KontrollForm->geld, KontrollForm->geld};
    m.sonstigeKostenGebucht = bewegt(guthaben, m.sonstigeKosten);
    guthaben = gebucht(guthaben, m.sonstigeKosten);
    TtierForm::FutterLage lage{FutterForm->menge, false};
    m.futterBestand = FutterForm->menge;
    bool preiseGedriftet = false;
    bool seucheVorher = false;
    const auto& kinder = MainForm->kinder();
    for (auto it = kinder.rbegin(); it != kinder.rend(); ++it) {
        if (dynamic_cast<const TPreiseForm*>(*it)) {
            preiseGedriftet = true;
        } else if (const auto* h = dynamic_cast<const TtierForm*>(*it)) {
            Spanne preis;
            if (h->produktNr >= 0 && h->produktNr < anzahlGueter) {
                const int32_t jetzt = PreiseForm->preis[static_cast<std::size_t>(h->produktNr)];
                preis = preiseGedriftet ? PreiseForm->preisSpanne(h->produktNr) : Spanne{jetzt, jetzt};
            }
            const TtierForm::Herdenausblick a = h->ausblick(lage, preis);
            if (a.tiere == 0) continue;
            // The need counts every herd with animals: one that starves
            // because an earlier herd ate the silo empty eats as much once
            // the player has bought for it.
            m.futterBedarf += a.futter == TtierForm::Futter::alleSterben ? h->monatsBedarf() : a.bedarf;
            // The money: a herd the disease may take sells nothing; one that
            // starves only because an earlier herd ate might be spared when
            // a disease took that one first.
            Spanne erloesGebucht;
            if (a.produkt) {
                erloesGebucht = bewegt(guthaben, a.erloes);
                Spanne e = a.erloes;
                if (a.seuchePromille > 0) e.von = std::min<int64_t>(e.von, 0);
                guthaben = gebucht(guthaben, e);
            } else if (a.futter == TtierForm::Futter::alleSterben && seucheVorher && h->GebenCB.checked) {
                const TtierForm::Herdenausblick ohne = [&] {
                    TtierForm::FutterLage satt{INT32_MAX, false};
                    return h->ausblick(satt, preis);
                }();
                if (ohne.produkt) guthaben = gebucht(guthaben, {0, ohne.erloes.bis});
            }
            if (a.seuchePromille > 0) seucheVorher = true;
            m.herden.push_back({h, a, erloesGebucht});
        } else if (const auto* k = dynamic_cast<const TFelderForm*>(*it)) {
            for (std::size_t i = 1; i < k->felder.size() && k->felder[i]; ++i) {
                const TFeld& f = *k->felder[i];
                Monatsausblick::Feld fa{&f, f.ausblick(KontrollForm->temperatur), 0, 0, false};
                if (f.was >= kahl) {
                    fa.ernte = f.ernteMenge();
                    fa.verlust = fa.ernte > 0 ? std::max<int64_t>(ernteVerlust(f), 0) : 0;
                }
                fa.rettbar = fa.a.grund != 0 && fa.ernte > 0 &&
                             KontrollForm->temperatur >= TFeldAktionForm::mindestTemperatur;
                naechsterMonat(fa, naechsteTemperatur());
                m.felder.push_back(fa);
            }
            m.pacht = k->pacht();
            m.pachtGebucht = bewegt(guthaben, {m.pacht, m.pacht});
            guthaben = gebucht(guthaben, {m.pacht, m.pacht});
        }
    }
    m.guthaben = guthaben;
    m.naechsteTemperatur = naechsteTemperatur();
    m.futterDanach = lage.bestand;
    m.futterMangel = lage.mangel;
    m.seucheMoeglich = seucheVorher;

    // The lines, money first.
    Zeilen z(m.zeilen);
    z.neu(Art::geld, "Sonstige Kosten: " + geldSpanne(m.sonstigeKostenGebucht), "KontrollForm");
    if (m.pacht != 0) z.neu(Art::geld, "Pacht für Felder: " + geldSpanne(m.pachtGebucht), "FelderForm");
    for (const auto& [h, a, gebuchtVon] : m.herden) {
        if (!a.produkt) continue;
        z.neu(Art::geld,
              h->GebenCB.caption + " " + spanne(a.produktMenge, " " + einheit(h->produktNr)) + ": " +
                  geldSpanne(gebuchtVon) + (a.seuchePromille > 0 ? " (ohne Seuche)" : ""),
              h->name());
    }
    z.neu(Art::geld, "Guthaben am Monatsende: " + geldSpanne(m.guthaben), "KontrollForm", m.guthaben.von < 0);

    // The feed.
    if (m.futterBedarf > 0 || std::any_of(m.herden.begin(), m.herden.end(), [](const auto& h) {
            return h.a.futter != TtierForm::Futter::satt;
        })) {
        std::string reicht;
        if (m.futterBedarf > 0) {
            const int64_t monate = m.futterBestand / m.futterBedarf;
            reicht = monate == 1 ? ", reicht 1 Monat" : ", reicht " + std::to_string(monate) + " Monate";
        }
        z.neu(Art::futter,
              "Futter: Bedarf " + std::to_string(m.futterBedarf) + " kg, Bestand " + std::to_string(m.futterBestand) +
                  " kg" + reicht,
              "FutterForm");
    }
    for (const auto& [h, a, gebuchtVon] : m.herden) {
        switch (a.futter) {
            case TtierForm::Futter::satt:
                z.neu(Art::futter, h->caption + " fressen " + std::to_string(a.bedarf) + " kg", h->name());
                break;
            case TtierForm::Futter::einTierStirbt:
                z.neu(Art::futter,
                      h->caption + " fressen " + std::to_string(a.bedarf) + " kg: es fehlen " +
                          std::to_string(a.fehlt) + " kg, ein Tier verhungert",
                      h->name(), true);
                m.vermeidbar.push_back(h->caption + ": ein Tier verhungert");
                break;
            case TtierForm::Futter::alleSterben:
                z.neu(Art::futter, h->caption + ": " + alleSterben(a.tiere, "verhunger"), h->name(), true);
                m.vermeidbar.push_back(h->caption + ": " + alleSterben(a.tiere, "verhunger"));
                break;
        }
    }
    if (m.futterMangel) {
        // Every herd eats in turn from the one silo and none adds to it, so
        // the month starves nobody exactly when the whole need fits in the
        // stock: the difference is the least that saves every herd.
        const int64_t kaufen = m.futterBedarf - m.futterBestand;
        if (kaufen > 0 && m.futterBedarf <= FutterForm->maxmenge) m.futterKaufen = kaufen;
        if (kaufen <= 0)  // a silo above its capacity (an edited save file) takes no stock
            z.neu(Art::futter, "das Futtersilo ist über seinem Maximum: Futter verkaufen", "FutterForm", false, true);
        else if (m.futterBedarf <= FutterForm->maxmenge)
            z.neu(Art::futter, "mindestens " + std::to_string(kaufen) + " kg Futter kaufen", "FutterForm", false, true);
        else
            z.neu(Art::futter,
                  "das Futtersilo fasst nur " + std::to_string(FutterForm->maxmenge) +
                      " kg: Maximum erhöhen und Futter kaufen",
                  "FutterForm", false, true);
    }

    // The fields.
    for (const Monatsausblick::Feld& fa : m.felder) {
        const TFeld& f = *fa.feld;
        if (f.was < gerste || f.was > gras) continue;
        const std::string name = f.name + ": ";
        const std::string crop = bewuchsNamen[static_cast<std::size_t>(f.was)];
        const std::string menge =
            std::to_string(fa.ernte) + (f.was == gras ? " kg Futter" : " DZentner " + crop);
        if (fa.a.grund != 0) {
            z.neu(Art::felder, name + stirbt(f, fa.a.grund) + " (" + std::to_string(KontrollForm->temperatur) + " °C)",
                  "FelderForm", true);
            if (fa.rettbar) {
                z.neu(Art::felder, name + "jetzt ernten rettet " + menge, "FelderForm", false, true);
                m.vermeidbar.push_back(name + stirbt(f, fa.a.grund) + ", jetzt geerntet " + menge);
            }
        } else {
            // Over-ripeness first: a crop can pass ripe and over-ripe in
            // one month.
            const int32_t reif = reifAb[static_cast<std::size_t>(f.was)];
            if (f.was != gras && f.wachs < ueberreifAb && fa.a.wachs.von >= ueberreifAb)
                z.neu(Art::felder, name + crop + " wird überreif und geht im Monat darauf ein", "FelderForm", true);
            else if (f.was != gras && f.wachs < ueberreifAb && fa.a.wachs.bis >= ueberreifAb)
                z.neu(Art::felder, name + crop + " kann überreif werden und geht dann im Monat darauf ein",
                      "FelderForm");
            else if (f.wachs < reif && fa.a.wachs.von >= reif)
                z.neu(Art::felder, name + crop + " wird erntereif", "FelderForm");
            else if (f.wachs < reif && fa.a.wachs.bis >= reif)
                z.neu(Art::felder, name + crop + " kann erntereif werden", "FelderForm");
        }
        // What a harvest would bring or lose, only in a month warm enough
        // for it.
        const bool ernteMoeglich = KontrollForm->temperatur >= TFeldAktionForm::mindestTemperatur;
        if (fa.ernte > 0 && fa.a.grund == 0 && ernteMoeglich)
            z.neu(Art::felder, name + "Ernte jetzt brächte " + menge, "FelderForm");
        if (fa.letzteGelegenheit) {
            const int32_t n = KontrollForm->monat % 12 + 1;
            std::string grund = m.naechsteTemperatur.bis < TFeldAktionForm::mindestTemperatur
                                    ? "zu kalt zum Ernten"
                                    : "vielleicht zu kalt zum Ernten";
            if (fa.naechsterEingehen)
                grund += ", " + crop +
                         (f.was != gras && fa.a.wachs.bis >= ueberreifAb ? " kann eingehen" : " kann erfrieren");
            const std::string text = name + "letzte Gelegenheit: im " + monatsNamen[static_cast<std::size_t>(n)] +
                                     " " + spanne(m.naechsteTemperatur, " °C") + ", " + grund;
            z.neu(Art::felder, text, "FelderForm", true, true);
            m.vermeidbar.push_back(text + ", jetzt geerntet " + menge);
        }
        if (fa.verlust > 0 && ernteMoeglich) {
            const TSiloForm& l = ernteLager(f.was);
            z.neu(Art::felder,
                  name + "im Lager " + l.caption + " ist Platz für " +
                      std::to_string(std::max<int64_t>(int64_t{l.maxmenge} - l.menge, 0)) + " " + einheit(l.gutNr) +
                      ", " + std::to_string(fa.verlust) + " gingen verloren",
                  l.name(), true);
        }
    }

    // The herds.
    for (const auto& [h, a, gebuchtVon] : m.herden) {
        if (a.futter == TtierForm::Futter::alleSterben) continue;
        if (a.seuchePromille > 0) {
            std::string p = std::to_string(a.seuchePromille / 10);
            if (a.seuchePromille % 10 != 0) p += dezimalTrenner + std::to_string(a.seuchePromille % 10);
            z.neu(Art::herden,
                  h->caption + ": Seuche mit " + p + " % Wahrscheinlichkeit, dann " +
                      (a.tiere == 1 ? std::string("stirbt das Tier")
                                    : "sterben alle " + std::to_string(a.tiere) + " Tiere"),
                  h->name());
        }
        if (a.verloreneJunge.bis > 0) {
            z.neu(Art::herden,
                  h->caption + ": " + spanne(a.geburten, " Junge") + ", im Stall Platz für " +
                      std::to_string(a.platz) + ": " + spanne(a.verloreneJunge, "") + " gehen verloren",
                  h->name(), true);
            z.neu(Art::herden, h->caption + ": Maximum erhöhen, damit die Jungen bleiben", h->name(), false, true);
        }
    }
    return m;
}

TAusblickForm::TAusblickForm() : TkindForm("AusblickForm", "Ausblick") { sizeable = true; }

namespace {
// Beside the account statement, above the field map: outer place and size.
constexpr Punkt ausblickOrt{654, 5};
constexpr Punkt ausblickGroesse{144, 187};
}  // namespace

void TAusblickForm::platz() {
    TkindForm::platz();
    left = ausblickOrt.x;
    top = ausblickOrt.y;
    setzeAussenGroesse(ausblickGroesse.x, ausblickGroesse.y);
}

Punkt TAusblickForm::anfangsGroesse() { return ausblickGroesse; }

bool TAusblickForm::amAnfang() const {
    const Punkt r = plattform().rahmen();
    return left == ausblickOrt.x && top == ausblickOrt.y && clientWidth == std::max(0, ausblickGroesse.x - r.x) &&
           clientHeight == std::max(0, ausblickGroesse.y - r.y) && windowState == FensterZustand::normal;
}

void TAusblickForm::speichern() {
    if (amAnfang() && !spielstand().schreibZiel().lesen(name(), "x")) return;
    TkindForm::speichern();
}

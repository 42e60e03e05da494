#include "market/preiseform.h"

#include <algorithm>
#include <cstdint>

#include "rahmen/beschreibung.h"
#include "geld/geldtext.h"
#include "rahmen/plattform.h"
#include "spielstand/spielstand.h"
#include "geld/zufall.h"

int32_t nrKuehe, nrSchweine, nrHuener, nrSchafe, nrFutter, nrMilch, nrEier, nrWolle, nrGetreide, nrRueben,
    nrDiesel;

TPreiseForm* PreiseForm = nullptr;

TPreiseForm::TPreiseForm() : TkindForm("PreiseForm", "Preise") {
    clientWidth = 335;
    clientHeight = 204;
}

void TPreiseForm::gutAnlegen(int32_t& c, int32_t& nr, const char* name, const char* einh, int32_t max,
                             int32_t min) {
    const auto i = static_cast<std::size_t>(c);
    gutName[i] = name;
    einheit[i] = einh;
    maxPreis[i] = max;
    minPreis[i] = min;
    setzePreis(c, min + Random(max - min));
    nr = c;
    ++c;
}

void TPreiseForm::neu() {
    TkindForm::neu();
    StringGrid1.setzeRowCount(12);
    StringGrid1.setCell(0, 0, "Gut");
    StringGrid1.setCell(2, 0, "Preis");
    int32_t c = 0;
    gutAnlegen(c, nrKuehe, "Kühe", "Stück", 189888, 131100);
    gutAnlegen(c, nrSchweine, "Schweine", "Stück", 55000, 31100);
    gutAnlegen(c, nrHuener, "Hühner", "Stück", 531, 489);
    gutAnlegen(c, nrSchafe, "Schafe", "Stück", 7422, 6311);
    gutAnlegen(c, nrFutter, "Futter", "kg", 130, 100);
    gutAnlegen(c, nrMilch, "Milch", "Liter", 31, 16);
    gutAnlegen(c, nrEier, "Eier", "Stück", 8, 6);
    gutAnlegen(c, nrWolle, "Wolle", "kg", 100, 69);
    gutAnlegen(c, nrGetreide, "Getreide", "DZentner", 1020, 860);
    gutAnlegen(c, nrRueben, "Rüben", "DZentner", 980, 520);
    gutAnlegen(c, nrDiesel, "Diesel", "Liter", 70, 50);
    neuZeichnen();
}

void TPreiseForm::platz() {
    TkindForm::platz();
    top = 140;
    left = 5;
    setzeAussenGroesse(340, 232);
}

namespace {
// Every good's price and its bounds, keyed by the good's number: "0",
// "0min", "0max", "1", … in the file, good by good; the dump shows them
// table by table.
class Preistabelle : public EigenerEintrag {
public:
    explicit Preistabelle(TPreiseForm& p) : p_(p) {}
    void laden() override {
        for (int32_t i = 0; i < anzahlGueter; ++i) {
            const auto k = static_cast<std::size_t>(i);
            const std::string n = std::to_string(i);
            int32_t preis = p_.preis[k];
            iniLesen(preisSektion, n, preis);
            p_.setzePreis(i, preis);
            iniLesen(preisSektion, n + "min", p_.minPreis[k]);
            iniLesen(preisSektion, n + "max", p_.maxPreis[k]);
        }
    }
    void speichern() const override {
        for (int32_t i = 0; i < anzahlGueter; ++i) {
            const auto k = static_cast<std::size_t>(i);
            const std::string n = std::to_string(i);
            iniSchreiben(preisSektion, n, p_.preis[k]);
            iniSchreiben(preisSektion, n + "min", p_.minPreis[k]);
            iniSchreiben(preisSektion, n + "max", p_.maxPreis[k]);
        }
    }
    void zeigen(Beschreiber& b) const override {
        b.reihe("preis", p_.preis);
        b.reihe("maxPreis", p_.maxPreis);
        b.reihe("minPreis", p_.minPreis);
    }
    std::vector<Ort> schluessel() const override {
        const std::string letzte = std::to_string(anzahlGueter - 1);
        return {{preisSektion, "0 … " + letzte}, {preisSektion, "0min … " + letzte + "min"},
                {preisSektion, "0max … " + letzte + "max"}};
    }

private:
    TPreiseForm& p_;
};
}  // namespace

void TPreiseForm::beschreiben(Beschreiber& b) {
    TkindForm::beschreiben(b);
    b.gitter("StringGrid1", StringGrid1);
    Preistabelle tabelle(*this);
    b.eigenes(tabelle);
    b.reihe("gutName", gutName);
    b.reihe("einheit", einheit);
}

TPreiseForm::Drift TPreiseForm::drift(int32_t i) const {
    const auto k = static_cast<std::size_t>(i);
    // In 64 bits: bounds from an edited file may lie far apart.
    const int64_t d = int64_t{maxPreis[k]} - minPreis[k];
    return {static_cast<int32_t>(std::clamp<int64_t>(d / 8, INT32_MIN, INT32_MAX - 3)), d / 16};
}

void TPreiseForm::weiter() {
    TkindForm::weiter();
    for (int32_t i = 0; i < anzahlGueter; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const Drift dr = drift(i);
        int64_t n = int64_t{preis[k]} + Random(dr.a + 3) - 1 - dr.b;
        if (n > maxPreis[k]) n = int64_t{preis[k]} - Random(dr.a);
        if (n < minPreis[k]) n = int64_t{preis[k]} + Random(dr.a);
        setzePreis(i, static_cast<int32_t>(std::clamp<int64_t>(n, INT32_MIN, INT32_MAX)));
    }
}

Spanne TPreiseForm::preisSpanne(int32_t i) const {
    const auto k = static_cast<std::size_t>(i);
    const Drift dr = drift(i);
    const int64_t p = preis[k];
    // Random(n) gives 0 .. n-1, and 0 for n <= 0.
    const int64_t hoechstens = std::max<int64_t>(int64_t{dr.a} + 2, 0);
    const int64_t zurueck = std::max<int64_t>(int64_t{dr.a} - 1, 0);
    // The first draw's span, then where it leaves the bounds the second
    // draw's, as weiter takes them.
    const int64_t von = p - 1 - dr.b;
    const int64_t bis = p + hoechstens - 1 - dr.b;
    int64_t lo = std::max<int64_t>(von, minPreis[k]);
    int64_t hi = std::min<int64_t>(bis, maxPreis[k]);
    if (lo > hi) {  // every draw leaves the bounds
        lo = INT64_MAX;
        hi = INT64_MIN;
    }
    if (bis > maxPreis[k]) {
        int64_t zlo = p - zurueck;
        int64_t zhi = p;
        // Back from above and still below the bounds: the third rule.
        if (zlo < minPreis[k]) zhi = std::max(zhi, p + zurueck);
        lo = std::min(lo, zlo);
        hi = std::max(hi, zhi);
    }
    if (von < minPreis[k]) {
        lo = std::min(lo, p);
        hi = std::max(hi, p + zurueck);
    }
    const auto halten = [](int64_t v) { return std::clamp<int64_t>(v, INT32_MIN, INT32_MAX); };
    return {halten(lo), halten(hi)};
}

void TPreiseForm::setzePreis(int32_t i, int32_t p) {
    const auto k = static_cast<std::size_t>(i);
    preis[k] = p;
    StringGrid1.setCell(0, i + 1, gutName[k]);
    StringGrid1.setCell(1, i + 1, einheit[k]);
    StringGrid1.setCell(2, i + 1, rechtsbuendig(geldText(p), 14));
    neuZeichnen();
}

int32_t TPreiseForm::ankaufspreis(int32_t gutNr) const {
    return Round(static_cast<long double>(preis[static_cast<std::size_t>(gutNr)]) * 1.04L);
}

int32_t TPreiseForm::verkaufspreis(int32_t gutNr) const {
    return Round(static_cast<long double>(preis[static_cast<std::size_t>(gutNr)]) * 0.96L);
}

Punkt TPreiseForm::zelleBei(int32_t x, int32_t y) const {
    if (x < 0 || y < 0) return {-1, -1};
    int32_t spalte = -1;
    int32_t rand = 0;
    for (int32_t s = 0; s < StringGrid1.colCount(); ++s) {
        rand += spaltenBreiten[static_cast<std::size_t>(s)] + gitterLinie;
        if (x < rand) {
            spalte = s;
            break;
        }
    }
    const int32_t zeile = y / (zeilenHoehe + gitterLinie);
    // Beyond the last column or row there is no cell at all.
    if (spalte < 0 || zeile >= StringGrid1.rowCount() || x >= clientWidth || y >= clientHeight) return {-1, -1};
    return {spalte, zeile};
}

void TPreiseForm::StringGrid1MouseUp(int32_t x, int32_t y) {
    const Punkt zelle = zelleBei(x, y);
    if (zelle.y < 1) return;
    const int32_t i = zelle.y - 1;
    plattform().meldung(MeldungsArt::Schlicht,
                        "Ankaufspreis: " + geldText(ankaufspreis(i)) + ",\rVerkaufspreis: " +
                            geldText(verkaufspreis(i)),
                        Knoepfe::OK, StringGrid1.cell(0, zelle.y));
}

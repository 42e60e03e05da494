#include "livestock/tierform.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "rahmen/beschreibung.h"
#include "geld/geldtext.h"
#include "geld/kontrollform.h"
#include "rahmen/plattform.h"
#include "spielstand/spielstand.h"
#include "geld/zufall.h"
#include "goods/stores.h"
#include "livestock/tierkaufform.h"
#include "market/preiseform.h"

namespace {
// A weight as the list holds it; anything beyond 16 bits is held at the edge.
int16_t alsGewicht(int64_t v) {
    return static_cast<int16_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

// Nearest whole number, halves to even, without the 32-bit limit of Round:
// a price from an edited price list may leave that range, and the caller
// then refuses the trade instead of booking a clipped amount.
int64_t rund64(long double x) {
    const long double r = std::nearbyintl(x);
    if (!(r > -9.0e18L && r < 9.0e18L)) return r < 0 ? INT64_MIN / 2 : INT64_MAX / 2;
    return static_cast<int64_t>(r);
}

// A purchase's weight before its draw, by weight class 1..3, and the spread
// of that draw in per mille.
int32_t kaufGewicht(int32_t ausgewachsen, int32_t klasse) {
    return Round(static_cast<long double>(ausgewachsen) / (4 - klasse));
}
constexpr int32_t kaufStreuung = 277;

void schlicht(const Nachricht& n) { plattform().melden(MeldungsArt::Schlicht, n, Knoepfe::OK); }
constexpr const char* stallZuKlein =
    TREVO_TEXT("Kern", "Das ist zu viel!\r\rKlicken Sie auf Maximum, um die verfügbare Stallfläche zu erhöhen.");
constexpr const char* keineTiere = TREVO_TEXT("Kern", "Keine Tiere da!");
constexpr const char* maximumAmEnde = TREVO_TEXT("Kern", "Eine weitere Erhöhung der Maximalmenge ist nicht möglich");

// "%4.1f kg" of the weight in tenths, with the player's decimal separator.
std::string gewichtText(int32_t zehntel) {
    const int64_t z = zehntel;
    const int64_t betrag = z < 0 ? -z : z;
    std::string t = (z < 0 ? "-" : "") + std::to_string(betrag / 10) + dezimalTrenner +
                    static_cast<char>('0' + betrag % 10);
    // The width counts characters; the separator may be more than one byte.
    const std::size_t zeichen = t.size() - dezimalTrenner.size() + 1;
    if (zeichen < 4) t.insert(0, 4 - zeichen, ' ');
    return t + " kg";
}
}  // namespace

TtierForm::TtierForm(const Tierart& a) : TgutForm(a.name, a.caption), art(a) {
    // The herd buys with a left click only.
    KaufenButton.showHint = false;
    if (art.produktText) GebenCB.caption = art.produktText;
    else GebenCB.visible = false;
    MehrenCB.caption = "Vermehren";
    GroupBox1.caption = "Einzelnes Tier";
    UpDown1.position = 50;
}

int32_t TtierForm::tierAnzahl() const {
    int32_t i = 1;
    while (gewicht[static_cast<std::size_t>(i)] != 0) {
        ++i;
        if (i == maxTiere + 1) break;
    }
    return i - 1;
}

void TtierForm::zeigeTier(int32_t i) {
    const int32_t n = tierAnzahl();
    if (n == 0) {
        StringGrid1.setCell(0, 1, "keine");
        StringGrid1.setCell(1, 1, "kein");
    } else if (i >= 1 && i <= n) {
        aktuell = i;
        StringGrid1.setCell(0, 1, std::to_string(i));
        StringGrid1.setCell(1, 1, gewichtText(gewicht[static_cast<std::size_t>(i)]));
    }
    neuZeichnen();
}

bool TtierForm::neuesTier(int16_t w) {
    const int32_t n = tierAnzahl();
    // The list cannot count beyond 249, whatever an edited capacity allows:
    // an animal written past that would be paid for and never seen.
    if (n + 1 > maxmenge || n >= maxTiere) return false;
    const int32_t k = n + 1;
    aktuell = k;
    gewicht[static_cast<std::size_t>(k)] = w;
    setzeMenge(0);
    return true;
}

bool TtierForm::entferneTier(int32_t i) {
    const int32_t n = tierAnzahl();
    if (n == 0) return false;
    if (n == 1) {
        gewicht[1] = 0;
    } else {
        if (i < 1 || i > n) return false;
        gewicht[static_cast<std::size_t>(i)] = gewicht[static_cast<std::size_t>(n)];
        gewicht[static_cast<std::size_t>(n)] = 0;
    }
    aktuell = 1;
    setzeMenge(0);
    return true;
}

bool TtierForm::setzeMenge(int32_t /*v*/) {
    const int32_t n = tierAnzahl();
    const bool ok = TgutForm::setzeMenge(n);
    // A herd loaded larger than its stable keeps every animal and is counted
    // all the same; no animal joins it until it is below the capacity.
    if (!ok) {
        menge = n;
        MengeLabel.caption = std::to_string(n) + " " + PreiseForm->einheit[static_cast<std::size_t>(gutNr)];
        neuZeichnen();
    }
    zeigeTier(aktuell);
    return ok;
}

int64_t TtierForm::tierPreis(int16_t w, bool kaufen) const {
    const int32_t preis = kaufen ? PreiseForm->ankaufspreis(gutNr) : PreiseForm->verkaufspreis(gutNr);
    return rund64(static_cast<long double>(preis) * w / ausgewachsen);
}

std::string TtierForm::preisHinweis(bool kaufen) const {
    if (gutNr < 0 || gutNr >= anzahlGueter || ausgewachsen <= 0) return {};
    if (kaufen) return "Ankauf heute: " + geldText(PreiseForm->ankaufspreis(gutNr)) + " je ausgewachsenes Tier";
    const int16_t w =
        aktuell > 0 && aktuell < static_cast<int32_t>(gewicht.size()) ? gewicht[static_cast<std::size_t>(aktuell)] : 0;
    if (w == 0) return "Verkauf heute: " + geldText(PreiseForm->verkaufspreis(gutNr)) + " je ausgewachsenes Tier";
    const int64_t p = tierPreis(w, false);
    return "Verkauf heute: " + geldTextWeit(p) +
           " für dieses Tier";
}

std::array<Kaufangebot, 4> TtierForm::kaufAngebote() const {
    return {Kaufangebot{}, kaufAngebot(1), kaufAngebot(2), kaufAngebot(3)};
}

Kaufangebot TtierForm::kaufAngebot(int32_t klasse) const {
    Kaufangebot a;
    if (klasse < 1 || klasse > 3 || ausgewachsen <= 0) return a;
    const int32_t mitte = kaufGewicht(ausgewachsen, klasse);
    a.gewicht = alsGewicht(mitte);
    a.leichtest = alsGewicht(streuungBei(mitte, kaufStreuung, 0.0L));
    a.schwerst = alsGewicht(streuungBei(mitte, kaufStreuung, groessterZufall));
    a.preis = tierPreis(a.gewicht, true);
    a.preisVon = tierPreis(a.leichtest, true);
    a.preisBis = tierPreis(a.schwerst, true);
    return a;
}

bool TtierForm::einTierKaufen(int32_t k) {
    const int16_t w = alsGewicht(streuung(kaufGewicht(ausgewachsen, k), kaufStreuung));
    if (tierAnzahl() + 1 > maxmenge || tierAnzahl() >= maxTiere) {
        plattform().spieleKlang("BOING");
        schlicht({stallZuKlein});
        return false;
    }
    const int64_t preis = tierPreis(w, true);
    if (!KontrollForm->kannBuchen(-preis)) {
        schlicht({texte::zuViel});
        return false;
    }
    neuesTier(w);
    KontrollForm->buchen(-preis, caption + " Kauf", {BuchungsArt::kauf, gutNr});
    return true;
}

void TtierForm::KVButtonClick(const Button& sender) {
    if (&sender == &KaufenButton) {
        TierKaufForm->angebote = kaufAngebote();
        plattform().zeigeModal(*TierKaufForm);
        TierKaufForm->angebote.reset();
        const int32_t k = TierKaufForm->gewichtsklasse;
        if (k < 1 || k > 3) return;
        // Each animal is a purchase of its own; the first refusal ends them.
        const int32_t stueck = std::clamp(TierKaufForm->anzahl, 1, TTierKaufForm::hoechstAnzahl);
        for (int32_t i = 0; i < stueck; ++i)
            if (!einTierKaufen(k)) break;
        return;
    }
    // Selling the animal in the panel.
    if (tierAnzahl() == 0) {
        plattform().spieleKlang("BOING");
        schlicht({keineTiere});
        return;
    }
    const std::size_t nr = aktuell >= 0 && aktuell < static_cast<int32_t>(gewicht.size())
                               ? static_cast<std::size_t>(aktuell) : 0;
    const int16_t w = gewicht[nr];
    const int64_t preis = tierPreis(w, false);
    if (!KontrollForm->kannBuchen(preis)) {
        schlicht({texte::zuViel});
        return;
    }
    if (!entferneTier(aktuell)) return;
    KontrollForm->buchen(preis, caption + " Verkauf", {BuchungsArt::verkauf, gutNr});
}

void TtierForm::MaxMengeLbClick() {
    const int32_t h = maxmenge / 2;
    if (int64_t{maxmenge} + h < 250) TgutForm::MaxMengeLbClick();
    else schlicht({maximumAmEnde});
}

void TtierForm::FormActivate() {
    if (klang != 0) plattform().spieleKlang(std::to_string(klang));
}

void TtierForm::UpDown1Click(bool hoch) {
    // The control moves its position before it reports the click; the
    // position only has to keep both arrows working.
    UpDown1.position = std::clamp(UpDown1.position + (hoch ? 1 : -1), UpDown1.min, UpDown1.max);
    if (UpDown1.position < 10 || UpDown1.position > 90) UpDown1.position = 50;
    zeigeTier(hoch ? aktuell - 1 : aktuell + 1);
}

void TtierForm::nebenbeiSetzen(const Nebenbei& n) {
    if (n.zahlen.size() != 2) return;
    UpDown1.position = static_cast<int32_t>(n.zahlen[1]);
    aktuell = static_cast<int32_t>(n.zahlen[0]);
    zeigeTier(aktuell);
}

void TtierForm::TierGewaehlt(int32_t i) {
    if (i < 1 || i > tierAnzahl()) return;
    zeigeTier(i);
}

void TtierForm::MehrenCBClick(bool an) {
    MehrenCB.checked = an;
    neuZeichnen();
}

void TtierForm::GebenCBClick(bool an) {
    // A hidden box (the pigs') cannot be ticked.
    if (!GebenCB.visible) return;
    GebenCB.checked = an;
    neuZeichnen();
}

void TtierForm::neu() {
    TgutForm::neu();
    futterFaktor = 0.008f;
    MehrenCB.checked = false;
    GebenCB.checked = false;
    gewicht.fill(0);
    setzeMenge(0);
    zeigeTier(0);
    UpDown1.position = 50;
    // The species' own constants, from its row.
    gutNr = *art.gut;
    if (art.produkt) produktNr = *art.produkt;
    ausgewachsen = art.ausgewachsen;
    zuwachs = art.zuwachs;
    seuchePromille = art.seuchePromille;
    if (art.seucheText) seucheText = art.seucheText;
    klang = art.klang;
    produktProTier = art.produktProTier;
}

void TtierForm::platz() {
    TgutForm::platz();
    breiteGross = 400;
    StringGrid1.setCell(0, 0, "Ordnungs Nr");
    StringGrid1.setCell(1, 0, "Gewicht");
    left = art.left;
    top = art.top;
}

namespace {
// The herd's animals: "menge" counts them, "T1" … "T249" hold their weights.
class Herde : public EigenerEintrag {
public:
    explicit Herde(TtierForm& t) : t_(t) {}
    void laden() override {
        t_.gewicht.fill(0);
        int32_t anzahl = t_.menge;
        iniLesen(t_.name(), "menge", anzahl);
        if (anzahl == 0) {
            // Loaded over a herd (a step taken back), not only after neu.
            t_.setzeMenge(0);
            return;
        }
        // An edited file may claim more animals than the list holds, leave
        // keys out or hold weights beyond 16 bits: the herd is the run of
        // animals up to the first missing or zero key, at most 249 of them.
        // A negative weight is held at the lightest animal, 0.1 kg: it would
        // otherwise cost money to sell and could grow to 0, which would cut
        // the herd in two.
        const int32_t bis = std::min(anzahl, TtierForm::maxTiere);
        for (int32_t i = 1; i <= bis; ++i) {
            int32_t g = 0;
            iniLesen(t_.name(), "T" + std::to_string(i), g);
            if (g == 0) break;
            t_.gewicht[static_cast<std::size_t>(i)] = std::max<int16_t>(alsGewicht(g), 1);
        }
        t_.aktuell = 1;
        t_.setzeMenge(0);
    }
    void speichern() const override {
        for (int32_t i = 1; i <= t_.menge && i <= TtierForm::maxTiere; ++i)
            iniSchreiben(t_.name(), "T" + std::to_string(i), t_.gewicht[static_cast<std::size_t>(i)]);
    }
    void zeigen(Beschreiber& b) const override {
        b.wert("tierAnzahl", t_.tierAnzahl());
        // Entries beyond the herd are empty.
        for (int32_t i = 1; i <= t_.tierAnzahl(); ++i)
            b.wert("gewicht[" + std::to_string(i) + "]", t_.gewicht[static_cast<std::size_t>(i)]);
    }
    std::vector<Ort> schluessel() const override {
        return {{"", "menge"}, {"", "T1 … T" + std::to_string(TtierForm::maxTiere)}};
    }

private:
    TtierForm& t_;
};
}  // namespace

void TtierForm::beschreiben(Beschreiber& b) {
    TgutForm::beschreiben(b);
    b.haken("MehrenCB", MehrenCB, {"", "Mehren"});
    // An edited file cannot give the pigs a product they do not have.
    b.haken("GebenCB", GebenCB, {"", "Geben"}, [this](bool an) { GebenCB.checked = an && GebenCB.visible; });
    b.wert("UpDown1.position", UpDown1.position);
    b.gitter("StringGrid1", StringGrid1);
    b.text("GroupBox1.caption", GroupBox1.caption);
    b.real("futterFaktor", futterFaktor);
    Herde herde(*this);
    b.eigenes(herde);
    b.wert("aktuell", aktuell);
    b.wert("produktNr", produktNr);
    b.wert("ausgewachsen", ausgewachsen);
    b.wert("zuwachs", zuwachs);
    b.wert("seuchePromille", seuchePromille);
    b.wert("klang", klang);
    b.real("produktProTier", produktProTier);
    b.text("seucheText", seucheText);
}

TtierForm::Zensus TtierForm::zensus() const {
    // The herd is counted once: nothing in a pass adds an animal, and only a
    // weight grown to 0 ends the list early.
    Zensus z;
    for (int32_t i = 1, bis = std::min(menge, tierAnzahl()); i <= bis; ++i) {
        const int16_t g = gewicht[static_cast<std::size_t>(i)];
        z.gesamt += g;
        if (g >= ausgewachsen / 2) ++z.erwachsene;
    }
    return z;
}

int32_t TtierForm::futterBedarf(int64_t gesamt) const {
    return Round(static_cast<long double>(gesamt) * static_cast<long double>(futterFaktor));
}

int32_t TtierForm::geburtenBei(int32_t erwachsene, long double r) { return Round((r * 0.4L + 0.15L) * erwachsene); }

long double TtierForm::produktBasis(int32_t erwachsene) const {
    return static_cast<long double>(erwachsene) * static_cast<long double>(produktProTier);
}

int32_t TtierForm::erloes(long double q, int32_t preis) { return Round(q * preis); }

void TtierForm::weiter() {
    TgutForm::weiter();
    if (menge == 0) return;
    // An earlier herd of this month ran short: nothing is left for this one.
    if (futterMangel) {
        for (int32_t i = 1; i <= menge && i <= maxTiere; ++i) gewicht[static_cast<std::size_t>(i)] = 0;
        setzeMenge(0);
        if (menge == 0) return;
    }
    if (Random(1000) < seuchePromille) {
        for (int32_t i = 1; i <= menge && i <= maxTiere; ++i) gewicht[static_cast<std::size_t>(i)] = 0;
        setzeMenge(0);
        schlicht({seucheText.c_str()});
        if (menge == 0) return;
    }

    // Census before growth: an animal that grows up this month neither
    // breeds nor delivers yet.
    const Zensus z = zensus();
    const int32_t erwachsene = z.erwachsene;

    const int32_t bedarf = futterBedarf(z.gesamt);
    if (!FutterForm->setzeMenge(static_cast<int32_t>(
            std::clamp<int64_t>(int64_t{FutterForm->menge} - bedarf, INT32_MIN, INT32_MAX)))) {
        entferneTier(1);
        futterMangel = true;
        FutterForm->setzeMenge(0);
    }

    const auto herde = [this] { return std::min(menge, tierAnzahl()); };
    const int32_t grenze = Round(static_cast<long double>(ausgewachsen) * 0.85L);
    for (int32_t i = 1, bis = herde(); i <= bis; ++i) {
        int16_t& g = gewicht[static_cast<std::size_t>(i)];
        g = g < grenze ? alsGewicht(streuung(g + zuwachs, 111)) : alsGewicht(streuung(ausgewachsen, 111));
        if (g == 0) break;
    }
    zeigeTier(aktuell);

    if (MehrenCB.checked) {
        const int32_t geburten = geburtenBei(erwachsene, Random());
        const int32_t basis = Round(static_cast<long double>(ausgewachsen) * 0.25L);
        // Births beyond the stable are lost without a word, each still drawing
        // its weight; once one is lost, so is every later one.
        bool platz = true;
        for (int32_t i = 0; i < geburten; ++i) {
            const int16_t w = alsGewicht(streuung(basis, 211));
            if (platz) platz = neuesTier(w);
        }
    }

    if (GebenCB.checked && erwachsene > 0) {
        const long double q = streuungReal(produktStreuung, produktBasis(erwachsene));
        const std::size_t p = static_cast<std::size_t>(produktNr);
        KontrollForm->buchen(erloes(q, PreiseForm->preis[p]),
                             GebenCB.caption + " " + std::to_string(Round(q)) + " " + PreiseForm->einheit[p],
                             {BuchungsArt::produkt, produktNr});
    }
}

int32_t TtierForm::stallPlatz(int32_t tiere) const {
    // What neuesTier takes: up to the capacity, and never beyond the list.
    return std::max(0, std::min(maxmenge, maxTiere) - tiere);
}

int32_t TtierForm::monatsBedarf() const { return menge == 0 ? 0 : futterBedarf(zensus().gesamt); }

TtierForm::Herdenausblick TtierForm::ausblick(FutterLage& lage, const Spanne& produktPreis) const {
    Herdenausblick a;
    a.tiere = std::min(menge, tierAnzahl());
    if (menge == 0) return a;
    if (lage.mangel) {
        a.futter = Futter::alleSterben;
        return a;
    }
    a.seuchePromille = std::clamp(seuchePromille, 0, 1000);
    const Zensus z = zensus();
    a.erwachsene = z.erwachsene;
    a.bedarf = futterBedarf(z.gesamt);
    // The silo takes what is left only within its bounds, as in the month.
    const int64_t rest = lage.bestand - a.bedarf;
    int32_t danach = a.tiere;
    if (!FutterForm->fasst(rest)) {
        a.futter = Futter::einTierStirbt;
        a.fehlt = std::max<int64_t>(-rest, 0);
        lage.mangel = true;
        lage.bestand = 0;
        danach = std::max(0, a.tiere - 1);
    } else {
        lage.bestand = rest;
    }
    if (MehrenCB.checked) {
        a.geburten = {geburtenBei(a.erwachsene, 0.0L), geburtenBei(a.erwachsene, groessterZufall)};
        a.platz = stallPlatz(danach);
        a.verloreneJunge = {std::max<int64_t>(a.geburten.von - a.platz, 0),
                            std::max<int64_t>(a.geburten.bis - a.platz, 0)};
    }
    if (GebenCB.checked && a.erwachsene > 0) {
        a.produkt = true;
        const long double basis = produktBasis(a.erwachsene);
        const long double q1 = streuungRealBei(produktStreuung, basis, 0.0L);
        const long double q2 = streuungRealBei(produktStreuung, basis, groessterZufall);
        a.produktMenge = {std::min(Round(q1), Round(q2)), std::max(Round(q1), Round(q2))};
        int64_t lo = INT64_MAX;
        int64_t hi = INT64_MIN;
        for (const long double q : {q1, q2})
            for (const int64_t p : {produktPreis.von, produktPreis.bis}) {
                const int64_t e = erloes(q, static_cast<int32_t>(p));
                lo = std::min(lo, e);
                hi = std::max(hi, e);
            }
        a.erloes = {lo, hi};
    }
    return a;
}

#include "goods/gutform.h"

#include <cstdlib>
#include <limits>

#include "rahmen/anzahlform.h"
#include "rahmen/beschreibung.h"
#include "geld/geldtext.h"
#include "geld/kontrollform.h"
#include "rahmen/plattform.h"
#include "spielstand/spielstand.h"
#include "market/preiseform.h"

namespace {
void zuViel() { plattform().melden(MeldungsArt::Schlicht, {texte::zuViel}, Knoepfe::OK); }
}  // namespace

TgutForm::TgutForm(std::string name, std::string cap) : TkindForm(std::move(name), std::move(cap)) {
    clientWidth = 315;
    clientHeight = 108;
    SizeButton.hint = "Weitere Optionen ein-/ausblenden";
    SizeButton.showHint = true;
    KaufenButton.caption = "Kaufen";
    KaufenButton.hint = "Klick mit Rechts: Kaufe Maximalmenge";
    KaufenButton.showHint = true;
    VKaufenButton.caption = "Verkaufen";
}

void TgutForm::neu() {
    TkindForm::neu();
    setzeMaxMenge(10);
    setzeMenge(6);
}

void TgutForm::platz() {
    TkindForm::platz();
    breiteKlein = 100;
    breiteGross = 310;
    setzeErweitert(false);
}

namespace {
// The stock and its capacity are valid only together: the capacity is read
// first, so that the stock is checked against the loaded one; the dump shows
// the stock first.
class Bestand : public EigenerEintrag {
public:
    explicit Bestand(TgutForm& g) : g_(g) {}
    void laden() override {
        int32_t v = g_.maxmenge;
        iniLesen(g_.name(), "maxmenge", v);
        // A negative capacity is no capacity at all: it counts as missing,
        // and the new-game capacity stays. (Taken as it stood, its
        // enlargement would cost a negative amount and make the store
        // smaller.)
        if (v >= 0) g_.setzeMaxMenge(v);
        v = g_.menge;
        iniLesen(g_.name(), "menge", v);
        g_.setzeMenge(v);
    }
    void speichern() const override {
        iniSchreiben(g_.name(), "maxmenge", g_.maxmenge);
        iniSchreiben(g_.name(), "menge", g_.menge);
    }
    void zeigen(Beschreiber& b) const override {
        b.wert("menge", g_.menge);
        b.wert("maxmenge", g_.maxmenge);
    }
    std::vector<Ort> schluessel() const override { return {{"", "maxmenge"}, {"", "menge"}}; }

private:
    TgutForm& g_;
};
}  // namespace

void TgutForm::beschreiben(Beschreiber& b) {
    TkindForm::beschreiben(b);
    b.beimLaden([this] { setzeErweitert(false); });
    b.label("MengeLabel", MengeLabel);
    b.knopf("SizeButton", SizeButton);
    b.knopf("KaufenButton", KaufenButton);
    b.knopf("VKaufenButton", VKaufenButton);
    b.label("MaxMengeLb", MaxMengeLb);
    b.wert("breiteKlein", breiteKlein);
    b.wert("breiteGross", breiteGross);
    b.wahr("erweitert", erweitert);
    Bestand bestand(*this);
    b.eigenes(bestand);
    b.wert("gutNr", gutNr);
}

bool TgutForm::fasst(int64_t v) const { return v >= 0 && v <= maxmenge; }

bool TgutForm::setzeMenge(int32_t v) {
    if (!fasst(v)) return false;
    menge = v;
    MengeLabel.caption = std::to_string(v) + " " + PreiseForm->einheit[static_cast<std::size_t>(gutNr)];
    neuZeichnen();
    return true;
}

void TgutForm::setzeMaxMenge(int32_t v) {
    maxmenge = v;
    MaxMengeLb.caption = "Maximum:\r" + std::to_string(v) + " " + PreiseForm->einheit[static_cast<std::size_t>(gutNr)];
    neuZeichnen();
}

void TgutForm::setzeErweitert(bool b) {
    erweitert = b;
    clientWidth = b ? breiteGross : breiteKlein;
    SizeButton.caption = b ? "<<" : ">>";
    neuZeichnen();
}

void TgutForm::SizeButtonClick() { setzeErweitert(!erweitert); }

TgutForm::Handel TgutForm::handeln(int64_t n) {
    const int64_t ziel = int64_t{menge} - n;
    if (ziel < 0 || ziel > maxmenge) return Handel::abgelehnt;
    const int64_t betrag = n > 0 ? int64_t{PreiseForm->verkaufspreis(gutNr)} * n
                                 : int64_t{PreiseForm->ankaufspreis(gutNr)} * n;
    if (!KontrollForm->kannBuchen(betrag)) {
        zuViel();
        return Handel::zuTeuer;
    }
    if (!setzeMenge(static_cast<int32_t>(ziel))) return Handel::abgelehnt;
    const std::string art = n > 0 ? "-Verkauf " : "-Kauf ";
    KontrollForm->buchen(betrag,
                         caption + art + std::to_string(std::llabs(n)) + " " +
                             PreiseForm->einheit[static_cast<std::size_t>(gutNr)],
                         {n > 0 ? BuchungsArt::verkauf : BuchungsArt::kauf, gutNr});
    return Handel::gebucht;
}

void TgutForm::KVButtonClick(const Button& sender) {
    const int64_t vorzeichen = &sender == &KaufenButton ? -1 : 1;
    AnzahlForm->haendler = this;
    AnzahlForm->kaufen = vorzeichen < 0;
    const ModalErgebnis ergebnis = plattform().zeigeModal(*AnzahlForm);
    AnzahlForm->haendler = nullptr;
    if (ergebnis != ModalErgebnis::OK) return;
    const int64_t n = int64_t{AnzahlForm->anzahl} * vorzeichen;
    if (handeln(n) == Handel::abgelehnt)
        plattform().melden(MeldungsArt::Schlicht, {n > 0 ? texte::zuViel : texte::zuVielMaximum}, Knoepfe::OK);
}

int64_t TgutForm::vergroesserungsKosten() const {
    return int64_t{PreiseForm->ankaufspreis(gutNr)} * (maxmenge / 2);
}

void TgutForm::MaxMengeLbClick() {
    const int32_t h = maxmenge / 2;
    const int64_t k = vergroesserungsKosten();
    if (!passt32(int64_t{maxmenge} + h) || !KontrollForm->kannBuchen(-k)) {
        zuViel();
        return;
    }
    if (plattform().melden(MeldungsArt::Bestaetigen, {texte::maximumErhoehen, {geldText(k)}}, Knoepfe::JaNein) !=
        Antwort::Ja)
        return;
    KontrollForm->buchen(-k, "Vergrößerung", {BuchungsArt::vergroesserung, gutNr});
    setzeMaxMenge(maxmenge + h);
}

TgutForm::Vorschau TgutForm::handelsVorschau(int64_t n) const {
    Vorschau v;
    if (gutNr < 0 || gutNr >= anzahlGueter) return v;
    v.einheit = PreiseForm->einheit[static_cast<std::size_t>(gutNr)];
    v.einzelpreis = n > 0 ? PreiseForm->verkaufspreis(gutNr) : PreiseForm->ankaufspreis(gutNr);
    v.platz = n > 0 ? int64_t{menge} : int64_t{maxmenge} - menge;
    // As handeln books it: the amount of n units, signed.
    v.betrag = v.einzelpreis * n;
    const int64_t ziel = int64_t{menge} - n;
    v.passt = ziel >= 0 && ziel <= maxmenge;
    return v;
}

std::string TgutForm::preisHinweis(bool kaufen) const {
    if (gutNr < 0 || gutNr >= anzahlGueter) return {};
    const int32_t p = kaufen ? PreiseForm->ankaufspreis(gutNr) : PreiseForm->verkaufspreis(gutNr);
    return std::string(kaufen ? "Ankauf" : "Verkauf") + " heute: " + geldText(p) + " je " +
           PreiseForm->einheit[static_cast<std::size_t>(gutNr)];
}

#include "fields/feldaktionform.h"

#include <limits>

#include "geld/geldtext.h"
#include "geld/kontrollform.h"
#include "rahmen/mainform.h"
#include "rahmen/plattform.h"
#include "goods/stores.h"
#include "market/preiseform.h"

TFeldAktionForm* FeldAktionForm = nullptr;

namespace {

// The verb of a work, for a question: "Trotzdem pflügen?".
const char* verb(Arbeit a) {
    switch (a) {
        case Arbeit::pfluegen: return "pflügen";
        case Arbeit::grubbern: return "grubbern";
        case Arbeit::duengen: return "düngen";
        case Arbeit::drillen: return "drillen";
        case Arbeit::ernten: return "ernten";
    }
    return "";
}

const char* cropName(int32_t was) {
    return was >= kahl && was <= gras ? bewuchsNamen[static_cast<std::size_t>(was)] : "";
}
}  // namespace

TFeldAktionForm::TFeldAktionForm() : TDialog("Feld Bearbeitung") {
    ArbeitRG.caption = "&Arbeit";
    ArbeitRG.items = {"Pflügen", "Grubbern", "Düngen", "Drillen", "Ernten"};
    ArbeitRG.itemIndex = 0;
    SaatgutRG.caption = "&Saatgut";
    SaatgutRG.items = {"Sommergerste", "Winterweizen", "Rüben", "Gras"};
    SaatgutRG.itemIndex = 0;
    SaatgutRG.visible = false;
    BitBtn2.caption = "Abbrechen";
    BearbeitBt.caption = "&Bearbeiten";
    BitBtn3.caption = "&Hilfe";
    PachtBt.caption = "Pachtvertrag &kündigen";
}

TSiloForm& ernteLager(int32_t was) {
    if (was == rueben) return *RuebenForm;
    if (was == gras) return *FutterForm;
    return *GetreideForm;
}

int64_t ernteVerlust(const TFeld& f) {
    const TSiloForm& l = ernteLager(f.was);
    const int64_t y = f.ernteMenge();
    if (l.fasst(int64_t{l.menge} + y)) return 0;
    return y - (int64_t{l.maxmenge} - l.menge);
}

bool TFeldAktionForm::wirdGetan(Arbeit arbeit, const TFeld& f) {
    if (KontrollForm->temperatur < mindestTemperatur) return false;
    const Kosten k = kosten(arbeit, f.flaeche);
    return KontrollForm->kannBuchen(k.betrag) &&
           DieselForm->fasst(int64_t{DieselForm->menge} - k.diesel);
}

std::string TFeldAktionForm::rueckfrage() const {
    if (!feld || ArbeitRG.itemIndex < 0 || ArbeitRG.itemIndex > static_cast<int32_t>(Arbeit::ernten)) return {};
    const auto a = static_cast<Arbeit>(ArbeitRG.itemIndex);
    if (a != Arbeit::pfluegen && a != Arbeit::grubbern && a != Arbeit::drillen) return {};
    const TFeld& f = *feld;
    // A crop that never grows is no loss; nor is a work the weather or the
    // tank refuses.
    if (f.was < gerste || f.was > gras || f.wachs < (f.was == gras ? grasKeimtAb : keimtAb)) return {};
    if (!wirdGetan(a, f)) return {};
    return "Auf " + f.name + " wächst " + SaatgutRG.items[static_cast<std::size_t>(f.was - 1)] + " (" + f.zustand() +
           ", Wert " + std::to_string(f.wachs) + "). Trotzdem " + verb(a) + "?";
}

std::string TFeldAktionForm::hinweis(int32_t arbeit) const {
    if (!feld || arbeit < 0 || arbeit > static_cast<int32_t>(Arbeit::ernten)) return {};
    const TFeld& f = *feld;
    switch (static_cast<Arbeit>(arbeit)) {
        case Arbeit::duengen: {
            TFeld danach = f;
            danach.duengen();
            if (danach.wachs == f.wachs) return "Düngen ändert hier nichts (Wert " + std::to_string(f.wachs) + ")";
            return {};
        }
        case Arbeit::drillen: {
            const int32_t s = SaatgutRG.itemIndex >= 0 && SaatgutRG.itemIndex <= 3 ? SaatgutRG.itemIndex + 1 : gerste;
            TFeld danach = f;
            danach.drillen(s);
            if (danach.zustand() == "wächst nicht")
                return "Saat wächst hier nicht (Wert danach " + std::to_string(danach.wachs) + ", wächst ab " +
                       std::to_string(s == gras ? grasKeimtAb : keimtAb) + ")";
            return {};
        }
        case Arbeit::ernten: {
            const int64_t v = ernteVerlust(f);
            if (v <= 0) return {};
            const TSiloForm& l = ernteLager(f.was);
            return "Lager zu klein: " + std::to_string(v) + " " +
                   PreiseForm->einheit[static_cast<std::size_t>(l.gutNr)] + " gehen verloren";
        }
        default:
            return {};
    }
}

TFeldAktionForm::Kosten TFeldAktionForm::kosten(Arbeit arbeit, int32_t flaeche) {
    Kosten k;
    k.diesel = flaeche;
    if (arbeit == Arbeit::duengen) k.betrag = int64_t{-40} * flaeche;
    if (arbeit == Arbeit::drillen) k.betrag = int64_t{-150} * flaeche;
    return k;
}

std::string TFeldAktionForm::kostenText(int32_t arbeit) const {
    if (!feld || arbeit < 0 || arbeit > static_cast<int32_t>(Arbeit::ernten)) return {};
    const auto a = static_cast<Arbeit>(arbeit);
    const Kosten k = kosten(a, feld->flaeche);
    std::string s = std::to_string(k.diesel) + " l Diesel";
    if (k.betrag != 0)
        s += ", " + geldText(-k.betrag) + (a == Arbeit::duengen ? " Düngemittel" : " Saatgut");
    if (a == Arbeit::ernten) {
        const std::string einheit = feld->was == gras ? " kg Futter" : " DZentner";
        const int64_t y = feld->ernteMenge();
        s += y > 0 ? ", bringt " + std::to_string(y) + einheit : ", bringt nichts";
    }
    return s;
}

std::string TFeldAktionForm::kostenKurz(int32_t arbeit) const {
    if (!feld || arbeit < 0 || arbeit > static_cast<int32_t>(Arbeit::ernten)) return {};
    const auto a = static_cast<Arbeit>(arbeit);
    if (a == Arbeit::ernten) {
        const int64_t y = feld->ernteMenge();
        return y > 0 ? std::to_string(y) + (feld->was == gras ? " kg" : " DZ") : std::string();
    }
    const Kosten k = kosten(a, feld->flaeche);
    return k.betrag != 0 ? geldText(-k.betrag) : std::string();
}

void TFeldAktionForm::FormShow() {
    ArbeitRG.itemIndex = 0;
    SaatgutRG.itemIndex = 0;
    SaatgutRG.visible = false;
}

void TFeldAktionForm::ArbeitRGClick() {
    SaatgutRG.visible = ArbeitRG.itemIndex == static_cast<int32_t>(Arbeit::drillen);
}

void TFeldAktionForm::BearbeitBtClick() {
    // The dialog closes after this handler, also when the work was refused.
    modalResult = ModalErgebnis::OK;
    if (!feld || ArbeitRG.itemIndex < 0 || ArbeitRG.itemIndex > static_cast<int32_t>(Arbeit::ernten)) return;
    TFeld& f = *feld;
    const auto arbeit = static_cast<Arbeit>(ArbeitRG.itemIndex);

    if (KontrollForm->temperatur < mindestTemperatur) {
        plattform().spieleKlang("BOING");
        plattform().melden(MeldungsArt::Warnung, {texte::zuKalt}, Knoepfe::OK);
        return;
    }
    const Kosten k = kosten(arbeit, f.flaeche);
    const int64_t kosten = k.betrag;
    if (!KontrollForm->kannBuchen(kosten)) {
        plattform().melden(MeldungsArt::Schlicht, {texte::zuViel}, Knoepfe::OK);
        return;
    }
    const int64_t diesel = int64_t{DieselForm->menge} - k.diesel;
    if (!passt32(diesel) || !DieselForm->setzeMenge(static_cast<int32_t>(diesel))) {
        plattform().spieleKlang("BOING");
        plattform().melden(MeldungsArt::Warnung, {texte::zuWenigDiesel}, Knoepfe::OK);
        return;
    }
    plattform().spieleKlang("TRAKTOR");

    switch (arbeit) {
        case Arbeit::pfluegen:
            f.pfluegen();
            break;
        case Arbeit::grubbern:
            f.grubbern();
            break;
        case Arbeit::duengen:
            f.duengen();
            KontrollForm->buchen(kosten, "Düngemittel", {BuchungsArt::duengemittel});
            break;
        case Arbeit::drillen: {
            const int32_t s = SaatgutRG.itemIndex;
            f.drillen(s >= 0 && s <= 3 ? s + 1 : gerste);
            KontrollForm->buchen(kosten, "Saatgut", {BuchungsArt::saatgut});
            break;
        }
        case Arbeit::ernten: {
            const int64_t y = f.ernteMenge();
            if (y <= 0) plattform().spieleKlang("BOING");
            const std::string menge = std::to_string(y);
            plattform().melden(MeldungsArt::Information,
                               f.was == gras ? Nachricht{texte::grasGemaeht, {menge}}
                                             : Nachricht{texte::ernteEingebracht, {menge, cropName(f.was)}},
                               Knoepfe::OK);
            TSiloForm& l = ernteLager(f.was);
            const int64_t verlust = ernteVerlust(f);
            const int64_t neu = int64_t{l.menge} + y;
            if (!passt32(neu) || !l.setzeMenge(static_cast<int32_t>(neu))) {
                l.setzeMenge(l.maxmenge);
                plattform().melden(MeldungsArt::Warnung,
                                   {texte::ernteVerloren,
                                    {std::to_string(verlust), PreiseForm->einheit[static_cast<std::size_t>(l.gutNr)]}},
                                   Knoepfe::OK);
            }
            f.ernten();
            break;
        }
    }
}

void TFeldAktionForm::PachtBtClick() {
    if (!feld) return;
    if (plattform().melden(MeldungsArt::Bestaetigen, {texte::pachtKuendigen}, Knoepfe::OKAbbrechen, Vorgabe::zweiter) !=
        Antwort::OK)
        return;
    feld->was = nichtGepachtet;
    modalResult = ModalErgebnis::OK;
}

void TFeldAktionForm::BitBtn3Click() { plattform().hilfeKontext(MainForm->hilfeDatei, hilfeKontext); }

void TFeldAktionForm::beschreiben(Beschreiber& b) const {
    TDialog::beschreiben(b);
    b.wert("clientWidth", clientWidth);
    b.wert("clientHeight", clientHeight);
    b.label("NameLabel", NameLabel);
    b.label("WasLabel", WasLabel);
    b.label("WachsLabel", WachsLabel);
    b.radio("ArbeitRG", ArbeitRG);
    b.radio("SaatgutRG", SaatgutRG);
    b.label("FleacheLabel", FleacheLabel);
    b.knopf("BitBtn2", BitBtn2);
    b.knopf("BearbeitBt", BearbeitBt);
    b.knopf("BitBtn3", BitBtn3);
    b.knopf("PachtBt", PachtBt);
    b.text("feld", feld ? feld->name : "");
}

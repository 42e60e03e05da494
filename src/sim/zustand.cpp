#include "sim/zustand.h"

#include "app/anzahlform.h"
#include "app/beschreibung.h"
#include "app/kindform.h"
#include "app/mainform.h"
#include "fields/feldaktionform.h"
#include "livestock/tierkaufform.h"
#include "sim/platform/scriptedplatform.h"
#include "spiel.h"

namespace {

// Collects "name=value" lines of what a window shows; texts are escaped as
// in the transcript.
class Felder : public Beschreiber {
public:
    explicit Felder(std::vector<std::string>& zeilen) : zeilen_(zeilen) {}
    void text(const std::string& name, const std::string& w) override {
        zeilen_.push_back(name + "=" + ScriptedPlatform::maskieren(w));
    }
    void wert(const std::string& name, int64_t w) override { zeilen_.push_back(name + "=" + std::to_string(w)); }
    // The dialogs and the frame keep nothing in the save file.
    void zahl(Gespeichert<int32_t>) override {}
    void zahl(Gespeichert<int64_t>) override {}
    void haken(const char*, CheckBox&, Ort, std::function<void(bool)>) override {}
    void eigenes(EigenerEintrag&) override {}

private:
    std::vector<std::string>& zeilen_;
};

void rahmen(const TmainForm& m, Felder& a) {
    a.text("caption", m.caption);
    a.wahr("musikAn", m.musikAn);
    std::string kinder;
    for (const TkindForm* k : m.kinder()) kinder += (kinder.empty() ? "" : ",") + k->name();
    a.text("kinder", kinder);
}

void anzahl(const TAnzahlForm& d, Felder& a) {
    a.text("caption", d.caption);
    a.wert("left", d.left);
    a.wert("top", d.top);
    a.text("Edit1.text", d.Edit1.text);
    a.knopf("Button1", d.Button1);
    a.knopf("Button2", d.Button2);
    a.wert("anzahl", d.anzahl);
}

void tierKauf(const TTierKaufForm& d, Felder& a) {
    a.text("caption", d.caption);
    a.wert("left", d.left);
    a.wert("top", d.top);
    a.knopf("BitBtn1", d.BitBtn1);
    a.knopf("BitBtn2", d.BitBtn2);
    a.knopf("BitBtn3", d.BitBtn3);
    a.wert("gewichtsklasse", d.gewichtsklasse);
}

void feldAktion(const TFeldAktionForm& d, Felder& a) {
    a.text("caption", d.caption);
    a.wert("clientWidth", d.clientWidth);
    a.wert("clientHeight", d.clientHeight);
    a.label("NameLabel", d.NameLabel);
    a.label("WasLabel", d.WasLabel);
    a.label("WachsLabel", d.WachsLabel);
    a.radio("ArbeitRG", d.ArbeitRG);
    a.radio("SaatgutRG", d.SaatgutRG);
    a.label("FleacheLabel", d.FleacheLabel);
    a.knopf("BitBtn2", d.BitBtn2);
    a.knopf("BearbeitBt", d.BearbeitBt);
    a.knopf("BitBtn3", d.BitBtn3);
    a.knopf("PachtBt", d.PachtBt);
    a.text("feld", d.feld ? d.feld->name : "");
}

}  // namespace

bool zeigbaresFenster(Spiel& spiel, const std::string& name) {
    return name == "MainForm" || name == "AnzahlForm" || name == "FeldAktionForm" || name == "TierKaufForm" ||
           spiel.fenster(name) != nullptr;
}

std::vector<std::string> zustand(Spiel& spiel, const std::string& name) {
    std::vector<std::string> zeilen{"zustand\t" + name};
    Felder a(zeilen);
    if (name == "MainForm") {
        rahmen(spiel.frame(), a);
    } else if (name == "AnzahlForm") {
        if (AnzahlForm) anzahl(*AnzahlForm, a);
    } else if (name == "FeldAktionForm") {
        if (FeldAktionForm) feldAktion(*FeldAktionForm, a);
    } else if (name == "TierKaufForm") {
        if (TierKaufForm) tierKauf(*TierKaufForm, a);
    } else if (const TkindForm* f = spiel.fenster(name)) {
        for (const auto& [n, w] : gezeigteWerte(*f)) zeilen.push_back(n + "=" + ScriptedPlatform::maskieren(w));
    }
    return zeilen;
}

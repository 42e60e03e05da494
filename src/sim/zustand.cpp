#include "sim/zustand.h"

#include "rahmen/anzahlform.h"
#include "rahmen/beschreibung.h"
#include "rahmen/kindform.h"
#include "rahmen/mainform.h"
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

const TDialog* dialog(const std::string& name) {
    if (name == "AnzahlForm") return AnzahlForm;
    if (name == "FeldAktionForm") return FeldAktionForm;
    if (name == "TierKaufForm") return TierKaufForm;
    return nullptr;
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
    } else if (const TDialog* d = dialog(name)) {
        d->beschreiben(a);
    } else if (const TkindForm* f = spiel.fenster(name)) {
        for (const auto& [n, w] : gezeigteWerte(*f)) zeilen.push_back(n + "=" + ScriptedPlatform::maskieren(w));
    }
    return zeilen;
}

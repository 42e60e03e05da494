#include "rahmen/mainform.h"

#include <algorithm>

#include "rahmen/kindform.h"
#include "rahmen/plattform.h"
#include "spielstand/spielstand.h"

TmainForm* MainForm = nullptr;

namespace {
std::string mitTrenner(std::string verzeichnis) {
    if (!verzeichnis.empty() && verzeichnis.back() != '/') verzeichnis += '/';
    return verzeichnis;
}
}  // namespace

void TmainForm::FormCreate(const std::string& programmVerzeichnis, const std::string& spielstandVerzeichnis,
                           const std::string& dateiName) {
    spielstandDatei = mitTrenner(programmVerzeichnis);
    hilfeDatei = spielstandDatei + "trevo.html";
    musikDatei = spielstandDatei + "trevo.ogg";
    MusikSpieler& m = plattform().musik();
    if (m.oeffnen(musikDatei) && m.spielen()) musikAn = true;
    if (!spielstandVerzeichnis.empty()) spielstandDatei = mitTrenner(spielstandVerzeichnis);
    spielstandDatei += dateiName;
    caption = "Trevo";
    if (const std::string eigener = eigenerSpielname(dateiName); !eigener.empty()) caption += " \u2013 " + eigener;
}

void TmainForm::NeuesSpiel1Click() {
    // Return must not throw the farm away: "Abbrechen" is the default.
    if (plattform().melden(MeldungsArt::Bestaetigen, {texte::vonVorne}, Knoepfe::OKAbbrechen, Vorgabe::zweiter) !=
        Antwort::OK)
        return;
    ++neueSpiele;
    fuerJedesFenster([](TkindForm& k) { k.neu(); });
}

void TmainForm::FensterAnordnen1Click() {
    // Only places and sizes change; platz leaves the window state alone.
    fuerJedesFenster([](TkindForm& k) {
        k.platz();
        k.neuZeichnen();
    });
}

void TmainForm::MusikAnAusClick() {
    MusikSpieler& m = plattform().musik();
    if (!m.geoeffnet()) throw Ausnahme("Kein MCI-Gerät geöffnet.");
    if (m.spielt()) {
        m.stoppen();
        musikAn = false;
    } else {
        if (!m.spielen()) throw Ausnahme("Kein MCI-Gerät geöffnet.");
        musikAn = true;
    }
}

void TmainForm::MediaPlayer1Notify() {
    if (musikAn) plattform().musik().spielen();
}

void TmainForm::hilfeClick() { plattform().hilfeInhalt(hilfeDatei); }

void TmainForm::kindHinzufuegen(TkindForm* kind) { kinder_.push_back(kind); }

void TmainForm::beiwerkHinzufuegen(TkindForm* fenster) { beiwerk_.push_back(fenster); }

void TmainForm::kindEntfernen(TkindForm* kind) {
    std::erase(kinder_, kind);
    std::erase(beiwerk_, kind);
}

void TmainForm::reihenfolgeSetzen(const std::vector<TkindForm*>& kinder) {
    if (kinder.size() != kinder_.size() || !std::is_permutation(kinder.begin(), kinder.end(), kinder_.begin())) return;
    kinder_ = kinder;
    for (TkindForm* b : beiwerk_) b->neuZeichnen();
}

void TmainForm::aktiviert(TkindForm* kind) {
    const auto it = std::find(kinder_.begin(), kinder_.end(), kind);
    if (it == kinder_.end() || it == kinder_.begin()) return;
    std::rotate(kinder_.begin(), it, it + 1);
    // The month's walk has a new order: what reports on it shows it.
    for (TkindForm* b : beiwerk_) b->neuZeichnen();
    kind->FormActivate();
}

void TmainForm::fuerJedesKind(const std::function<void(TkindForm&)>& f) const {
    // A copy: a step may activate windows while the walk runs.
    const std::vector<TkindForm*> liste = kinder_;
    for (auto it = liste.rbegin(); it != liste.rend(); ++it) f(**it);
}

void TmainForm::fuerJedesFenster(const std::function<void(TkindForm&)>& f) const {
    fuerJedesKind(f);
    const std::vector<TkindForm*> liste = beiwerk_;
    for (TkindForm* k : liste) f(*k);
}

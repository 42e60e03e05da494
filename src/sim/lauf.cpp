#include "sim/lauf.h"

#include <iostream>

#include "rahmen/anzahlform.h"
#include "geld/geldtext.h"
#include "rahmen/kindform.h"
#include "rahmen/mainform.h"
#include "spielstand/spielstand.h"
#include "spiel.h"

Lauf::Lauf(std::string verzeichnis, std::ostream& aus, bool anbieten)
    : Lauf(std::move(verzeichnis), aus, anbieten ? Spiel::Start::anbieten : Spiel::Start::ohneAngebot) {}

Lauf::Lauf(std::string verzeichnis, std::ostream& aus, Spiel::Start start, std::optional<Antwort> antwort,
           std::string dateiName)
    : verzeichnis_(std::move(verzeichnis)), dateiName_(std::move(dateiName)), aus_(aus) {
    starten(start, antwort);
}

Lauf::~Lauf() {
    spiel_.reset();
    plattform_.reset();
    setzePlattform(nullptr);
}

void Lauf::starten(Spiel::Start start, std::optional<Antwort> antwort) {
    plattform_ = std::make_unique<ScriptedPlatform>();
    if (antwort) plattform_->antworten.push_back(*antwort);
    spiel_ = std::make_unique<Spiel>(*plattform_, verzeichnis_, verzeichnis_, start, dateiName_);
    // As in the game; each line waits for the month's point (see ausfuehren).
    spiel_->wiederherstellungImHintergrund({});
    // An answer that no offer took (a damaged point) answers nothing else.
    plattform_->antworten.clear();
}

void Lauf::ausgeben() {
    for (const std::string& z : plattform_->leeren()) aus_ << z << '\n';
    aus_.flush();
}

void Lauf::protokollieren(std::string zeile) { plattform_->protokoll.push_back(std::move(zeile)); }

void Lauf::ausfuehren(const Befehl& b) {
    try {
        // Every line is a step of the player's; those that take steps back
        // or start the program anew are not.
        const std::string& w = b.aktion->wort;
        if (!mitVerlauf_ || w == "zurueck" || w == "wiederholen" || w == "neustart" || w == "speichern-unter" ||
            w == "oeffnen")
            b.aktion->ausfuehren(*this, b);
        else spiel_->schritt([&] { b.aktion->ausfuehren(*this, b); });
    } catch (const std::exception& e) {
        // A restart that failed half-way leaves no game to go on with.
        if (!spiel_) throw;
        plattform_->fehlerBox(e.what());
    }
    // The next line starts when the month's point is on the disk, so that a
    // run killed after a line finds it as it would without the thread.
    if (spiel_) {
        spiel_->wiederherstellungAbwarten();
        spiel_->schreibfehlerMelden();
    }
    // Answers that no box asked for do not carry over to the next action.
    plattform_->antworten.clear();
    plattform_->dialogAntworten.clear();
    ausgeben();
}

void Lauf::amEnde(Antwort antwort, std::string ort) {
    endeAntworten_.push_back(antwort);
    if (antwort == Antwort::OhneSpeichern) endeAntworten_.push_back(Antwort::Ja);
    if (antwort == Antwort::Anderswo) endeOrte_.push_back(std::move(ort));
}

void Lauf::endeVorbereiten() {
    plattform_->antworten.assign(endeAntworten_.begin(), endeAntworten_.end());
    plattform_->speicherOrte.assign(endeOrte_.begin(), endeOrte_.end());
    endeAntworten_.clear();
    endeOrte_.clear();
}

bool Lauf::beenden() {
    endeVorbereiten();
    const bool ok = spiel_->beenden();
    ausgeben();
    return ok;
}

void Lauf::neustart() { wechseln(dateiName_, false); }

void Lauf::speichernUnter(const std::string& name) { wechseln(name, true); }

void Lauf::oeffnen(const std::string& name) { wechseln(name, false); }

void Lauf::wechseln(const std::string& name, bool kopieren) {
    // A save file that cannot be written is reported by the game itself; the
    // new start then reads the file as it was, and a copy is not made.
    endeVorbereiten();
    const std::string quelle = spielstand().pfad();
    const bool gesichert = spiel_->beenden();
    ausgeben();
    spiel_.reset();
    if (!kopieren) dateiName_ = name;
    else if (gesichert && Spiel::spielKopieren(quelle, verzeichnisVon(quelle) + "/" + name)) dateiName_ = name;
    starten(Spiel::Start::anbieten);
}

TkindForm& Lauf::fenster(const std::string& name) {
    TkindForm* f = spiel_->fenster(name);
    if (!f) throw std::logic_error("kein Fenster " + name);
    return *f;
}

void Lauf::aktivieren(TkindForm& f) { MainForm->aktiviert(&f); }

void Lauf::tippen(std::vector<std::string> texte) {
    plattform_->dialogAntworten.push_back([texte = std::move(texte)](TDialog& d) {
        auto* a = dynamic_cast<TAnzahlForm*>(&d);
        if (a) {
            for (const std::string& t : texte) {
                a->Edit1.text = t;
                if (a->FormCloseQuery(true)) return ModalErgebnis::OK;
            }
        }
        d.FormCloseQuery(false);
        return ModalErgebnis::Abbruch;
    });
}


#include "sim/lauf.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/anzahlform.h"
#include "app/geldtext.h"
#include "app/kindform.h"
#include "app/mainform.h"
#include "app/spielstand.h"
#include "app/wiederherstellung.h"
#include "sim/aktionen.h"
#include "spiel.h"

Lauf::Lauf(std::string verzeichnis, std::ostream& aus, bool anbieten)
    : verzeichnis_(std::move(verzeichnis)), aus_(aus) {
    starten(anbieten);
}

Lauf::~Lauf() {
    spiel_.reset();
    plattform_.reset();
    setzePlattform(nullptr);
}

void Lauf::starten(bool anbieten, std::optional<Antwort> antwort) {
    plattform_ = std::make_unique<ScriptedPlatform>();
    if (antwort) plattform_->antworten.push_back(*antwort);
    spiel_ = std::make_unique<Spiel>(*plattform_, verzeichnis_, anbieten);
    // As in the game; each line waits for the month's point (see ausfuehren).
    spiel_->wiederherstellungImHintergrund({});
    // An answer that no offer took (a damaged point) answers nothing else.
    plattform_->antworten.clear();
}

void Lauf::wiederherstellungBeantworten(std::optional<Antwort> antwort) {
    std::error_code ec;
    const auto art = std::filesystem::symlink_status(wiederherstellungsPfad(spielstandDatei), ec).type();
    if (art == std::filesystem::file_type::not_found || art == std::filesystem::file_type::none) return;
    spiel_.reset();
    starten(true, antwort);
}

void Lauf::ausgeben() {
    for (const std::string& z : plattform_->leeren()) aus_ << z << '\n';
    aus_.flush();
}

void Lauf::protokollieren(std::string zeile) { plattform_->protokoll.push_back(std::move(zeile)); }

void Lauf::ausfuehren(const Befehl& b) {
    try {
        b.aktion->ausfuehren(*this, b);
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

void Lauf::neustart() {
    // A save file that cannot be written is reported by the game itself; the
    // new start then reads the file as it was.
    endeVorbereiten();
    spiel_->beenden();
    ausgeben();
    spiel_.reset();
    starten(true);
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

namespace {

const char* const gebrauchsText =
    "usage: trevo-sim [--dir DIR] [SCRIPT]\n"
    "Runs the game without a display: starts from the save file in DIR (default: the current\n"
    "directory), carries out the player actions of SCRIPT (default or \"-\": standard input),\n"
    "ends orderly (the save file written into DIR) and prints the transcript.\n"
    "Exit status: 0 done, 1 the save file could not be written, 2 bad command line or script,\n"
    "3 another game runs on the save file in DIR (nothing played, nothing written).\n"
    "The script language is described in docs/trevo-sim.md.\n";

bool skriptHolen(const std::string& datei, std::istream& ein, std::string& text, std::ostream& fehler) {
    std::stringstream puffer;
    if (datei.empty() || datei == "-") {
        puffer << ein.rdbuf();
        text = puffer.str();
        return true;
    }
    std::error_code ec;
    std::ifstream f;
    if (!std::filesystem::is_directory(datei, ec)) f.open(datei, std::ios::binary);
    if (!f.is_open() || !f) {
        fehler << "trevo-sim: cannot read the script " << datei << '\n';
        return false;
    }
    puffer << f.rdbuf();
    if (f.bad()) {
        fehler << "trevo-sim: cannot read the script " << datei << '\n';
        return false;
    }
    text = puffer.str();
    return true;
}

int lauf(const std::vector<std::string>& argumente, std::istream& ein, std::ostream& aus, std::ostream& fehler) {
    std::string verzeichnis = ".";
    std::string datei;
    bool dateiGenannt = false;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        if (a == "--help" || a == "-h") {
            aus << gebrauchsText;
            return 0;
        }
        if (a == "--dir") {
            if (i + 1 == argumente.size()) {
                fehler << "trevo-sim: --dir needs a directory\n" << gebrauchsText;
                return 2;
            }
            verzeichnis = argumente[++i];
        } else if (a.rfind("--dir=", 0) == 0) {
            verzeichnis = a.substr(6);
        } else if (a.size() > 1 && a[0] == '-') {
            fehler << "trevo-sim: unknown option " << a << '\n' << gebrauchsText;
            return 2;
        } else if (dateiGenannt) {
            fehler << "trevo-sim: only one script, not also " << a << '\n' << gebrauchsText;
            return 2;
        } else {
            datei = a;
            dateiGenannt = true;
        }
    }
    std::error_code ec;
    if (verzeichnis.empty() || !std::filesystem::is_directory(verzeichnis, ec)) {
        fehler << "trevo-sim: " << verzeichnis << " is not a directory\n";
        return 2;
    }
    std::string text;
    if (!skriptHolen(datei, ein, text, fehler)) return 2;

    // One game per save file, held until this run has written it.
    const SpielstandSperre sperre(verzeichnis);
    if (sperre.belegt()) {
        fehler << "trevo-sim: Trevo läuft bereits. Another game runs on the save file in " << verzeichnis << '\n';
        return 3;
    }

    dezimalTrenner.assign(1, ',');  // money and weights with the German decimal comma
    const Skript skript = skriptLesen(text);
    // The game is started to check the windows the lines name; a rejected
    // script ends it without saving and without a line of transcript, and
    // leaves a recovery point where it was, unoffered.
    Lauf l(verzeichnis, aus, false);
    for (const Befehl& b : skript.befehle) {
        if (const std::string f = fensterPruefen(b, l); !f.empty()) {
            fehler << SkriptFehler{b.zeile, f}.meldung() << '\n';
            return 2;
        }
    }
    if (skript.fehler) {
        fehler << skript.fehler->meldung() << '\n';
        return 2;
    }
    std::optional<Antwort> antwort;
    if (!skript.befehle.empty() && skript.befehle.front().aktion->wort == "wiederherstellen")
        antwort = skript.befehle.front().wahl(0) == 0 ? Antwort::Ja : Antwort::Nein;
    l.wiederherstellungBeantworten(antwort);
    for (const Befehl& b : skript.befehle) l.ausfuehren(b);
    return l.beenden() ? 0 : 1;
}

}  // namespace

int trevoSim(const std::vector<std::string>& argumente, std::istream& ein, std::ostream& aus,
             std::ostream& fehler) {
    try {
        return lauf(argumente, ein, aus, fehler);
    } catch (const std::exception& e) {
        aus.flush();
        fehler << "trevo-sim: the run was abandoned: " << e.what() << '\n';
        return 1;
    }
}

#include "sim/trevosim.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "geld/geldtext.h"
#include "rahmen/plattform.h"
#include "spielstand/spielstand.h"
#include "sim/aktionen.h"
#include "sim/lauf.h"
#include "sim/skript.h"

namespace {

const char* const gebrauchsText =
    "usage: trevo-sim [--dir DIR] [--spiel NAME.hof] [SCRIPT]\n"
    "Runs the game without a display: starts from the save file in DIR (default: the current\n"
    "directory; with --spiel the game saved under that name there), carries out the player actions of SCRIPT (default or \"-\": standard input),\n"
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
    std::string spiel = spielstandName;
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
        } else if (a == "--spiel") {
            if (i + 1 == argumente.size() || argumente[i + 1].empty() ||
                argumente[i + 1].find('/') != std::string::npos) {
                fehler << "trevo-sim: --spiel needs the name of a game's file in DIR\n" << gebrauchsText;
                return 2;
            }
            spiel = argumente[++i];
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
    const SpielstandSperre sperre(verzeichnis, spiel);
    if (sperre.belegt()) {
        fehler << "trevo-sim: Trevo läuft bereits. Another game runs on the save file in " << verzeichnis << '\n';
        return 3;
    }

    dezimalTrenner.assign(1, ',');  // money and weights with the German decimal comma
    const Skript skript = skriptLesen(text);
    // The game is started only to be looked at while the windows the lines
    // name are checked: a rejected script changes no file in the directory
    // (no logbook trimmed, no recovery point touched) and writes no line of
    // transcript.
    {
        std::ostringstream stumm;
        Lauf pruefung(verzeichnis, stumm, Spiel::Start::nurAnsehen, {}, spiel);
        for (const Befehl& b : skript.befehle) {
            if (const std::string f = fensterPruefen(b, pruefung); !f.empty()) {
                fehler << SkriptFehler{b.zeile, f}.meldung() << '\n';
                return 2;
            }
        }
    }
    if (skript.fehler) {
        fehler << skript.fehler->meldung() << '\n';
        return 2;
    }
    // The game starts once, when the script's answer to a recovery point
    // there is known.
    std::optional<Antwort> antwort;
    if (!skript.befehle.empty() && skript.befehle.front().aktion->wort == "wiederherstellen")
        antwort = skript.befehle.front().wahl(0) == 0 ? Antwort::Ja : Antwort::Nein;
    Lauf l(verzeichnis, aus, Spiel::Start::anbieten, antwort, spiel);
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

#include "sim/platform/scriptedplatform.h"

#include <fstream>

#include "rahmen/dialog.h"

bool StilleMusik::oeffnen(const std::string& datei) {
    geoeffnet_ = static_cast<bool>(std::ifstream(datei));
    return geoeffnet_;
}

bool StilleMusik::spielen() {
    if (!geoeffnet_) return false;
    spielt_ = true;
    ++starts;
    return true;
}

const char* ScriptedPlatform::artName(MeldungsArt art) {
    switch (art) {
        case MeldungsArt::Warnung: return "Warnung";
        case MeldungsArt::Fehler: return "Fehler";
        case MeldungsArt::Information: return "Information";
        case MeldungsArt::Bestaetigen: return "Bestätigen";
        case MeldungsArt::Schlicht: return "schlicht";
    }
    return "?";
}

std::string ScriptedPlatform::maskieren(const std::string& text) {
    std::string aus;
    aus.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '\r': aus += "\\r"; break;
            case '\n': aus += "\\n"; break;
            case '\t': aus += "\\t"; break;
            case '\\': aus += "\\\\"; break;
            default: aus += c;
        }
    }
    return aus;
}

Antwort ScriptedPlatform::meldung(MeldungsArt art, const std::string& text, Knoepfe knoepfe, const std::string&,
                                  Vorgabe) {
    protokoll.push_back(std::string("meldung\t") + artName(art) + "\t" + maskieren(text));
    if (knoepfe == Knoepfe::OK) return Antwort::OK;
    Antwort a = knoepfe == Knoepfe::JaNein ? Antwort::Nein : Antwort::Abbrechen;
    if (!antworten.empty()) {
        a = antworten.front();
        antworten.pop_front();
    }
    return a;
}

std::string ScriptedPlatform::speicherOrtWaehlen(const std::string& vorschlag) {
    const auto pos = vorschlag.find_last_of('/');
    protokoll.push_back("dateiwahl\t" + maskieren(pos == std::string::npos ? vorschlag : vorschlag.substr(pos + 1)));
    if (speicherOrte.empty()) return {};
    std::string ort = std::move(speicherOrte.front());
    speicherOrte.pop_front();
    return ort;
}

void ScriptedPlatform::fehlerBox(const std::string& text) {
    protokoll.push_back("meldung\tFehler\t" + maskieren(text));
}

ModalErgebnis ScriptedPlatform::zeigeModal(TDialog& dialog) {
    dialog.modalResult.reset();
    dialog.FormShow();
    dialog.FormActivate();
    if (dialogAntworten.empty()) {
        dialog.FormCloseQuery(false);
        return ModalErgebnis::Abbruch;
    }
    DialogAntwort antwort = std::move(dialogAntworten.front());
    dialogAntworten.pop_front();
    return antwort(dialog);
}

void ScriptedPlatform::spieleKlang(const std::string& name) { protokoll.push_back("klang\t" + name); }

void ScriptedPlatform::hilfeInhalt(const std::string& datei) { hilfeAufrufe.push_back("inhalt " + datei); }

void ScriptedPlatform::hilfeKontext(const std::string& datei, int32_t kontext) {
    hilfeAufrufe.push_back("kontext " + std::to_string(kontext) + " " + datei);
}

void ScriptedPlatform::gebucht(int64_t betrag, const std::string& bemerkung) {
    protokoll.push_back("buchung\t" + std::to_string(betrag) + "\t" + maskieren(bemerkung));
}

std::vector<std::string> ScriptedPlatform::leeren() {
    std::vector<std::string> p;
    p.swap(protokoll);
    return p;
}

// A game on the scripted platform in a directory of its own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "geld/geldtext.h"
#include "spielstand/spielstand.h"
#include "sim/platform/scriptedplatform.h"
#include "spiel.h"

// The bytes of a file, empty when it is not there.
inline std::string dateiInhalt(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

class Spielumgebung {
public:
    Spielumgebung() {
        char muster[] = "/tmp/trevo-test-XXXXXX";
        verzeichnis = mkdtemp(muster);
        dezimalTrenner = ",";
        dateienSyncen = false;
    }
    ~Spielumgebung() {
        spiel.reset();
        std::error_code ec;
        std::filesystem::remove_all(verzeichnis, ec);
    }
    Spielumgebung(const Spielumgebung&) = delete;
    Spielumgebung& operator=(const Spielumgebung&) = delete;

    void starten() { spiel = std::make_unique<Spiel>(plattform, verzeichnis.string() + "/"); }
    bool beenden() { return spiel->beenden(); }
    void neustart() {
        beenden();
        spiel.reset();
        starten();
    }
    std::filesystem::path dateiPfad() const { return verzeichnis / "TrevoSpielstand.bin"; }
    std::string datei() const { return dateiInhalt(dateiPfad()); }
    void schreibeDatei(const std::string& bytes) const {
        std::ofstream f(dateiPfad(), std::ios::binary);
        f << bytes;
    }
    // Types the texts into the next quantity dialog, as trevo-sim does.
    void tippe(std::initializer_list<std::string> texte);

    std::filesystem::path verzeichnis;
    ScriptedPlatform plattform;
    std::unique_ptr<Spiel> spiel;
};

#include "rahmen/anzahlform.h"

inline void Spielumgebung::tippe(std::initializer_list<std::string> texte) {
    std::vector<std::string> liste(texte);
    plattform.dialogAntworten.push_back([liste](TDialog& d) {
        auto& a = dynamic_cast<TAnzahlForm&>(d);
        for (const auto& t : liste) {
            a.Edit1.text = t;
            if (a.FormCloseQuery(true)) return ModalErgebnis::OK;
        }
        a.FormCloseQuery(false);
        return ModalErgebnis::Abbruch;
    });
}

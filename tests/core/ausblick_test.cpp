// The outlook against what the month then did, over every scripted game:
// before each "weiter" and each harvest the outlook is taken, and after it
// every exact line must equal what happened and every span contain it.
// Taken before every line, it changes nothing: transcript, save file and
// logbook are those trevo-sim writes without it. The
// random player (zufallsspieler_test.cpp) holds it to the same over
// thousands of months.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "geld/geldtext.h"
#include "spielstand/spielstand.h"
#include "ausblickpruefer.h"
#include "sim/aktionen.h"
#include "sim/lauf.h"

namespace fs = std::filesystem;

namespace {

std::string lesen(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

}  // namespace

TEST(Ausblick, TrifftInJedemGespieltenSpiel) {
    dezimalTrenner = ",";
    dateienSyncen = false;
    AusblickPruefer pruefer;
    int spiele = 0;
    for (const auto& eintrag : fs::directory_iterator(TREVO_SPIELE)) {
        if (eintrag.path().extension() != ".trevo") continue;
        const fs::path basis = eintrag.path().parent_path() / eintrag.path().stem();
        char muster[] = "/tmp/trevo-ausblick-XXXXXX";
        const fs::path dir = mkdtemp(muster);
        for (const auto& [endung, ziel] : {std::pair{".start", "TrevoSpielstand.bin"},
                                           {".wiederherstellen", "TrevoSpielstand.wiederherstellen"},
                                           {".ogg", "trevo.ogg"}})
            if (fs::exists(basis.string() + endung)) fs::copy_file(basis.string() + endung, dir / ziel);
        const Skript skript = skriptLesen(lesen(eintrag.path()));
        ASSERT_FALSE(skript.fehler) << eintrag.path();
        std::string protokoll;
        {
            std::ostringstream aus;
            std::optional<Antwort> antwort;
            if (!skript.befehle.empty() && skript.befehle.front().aktion->wort == "wiederherstellen")
                antwort = skript.befehle.front().wahl(0) == 0 ? Antwort::Ja : Antwort::Nein;
            Lauf l(dir.string() + "/", aus, Spiel::Start::anbieten, antwort);
            for (const Befehl& b : skript.befehle) {
                // The line as the script has it, for the checker's "arbeit".
                std::string zeile = b.aktion->wort;
                for (const int32_t z : b.zahlen) zeile += " " + std::to_string(z);
                aus.str("");
                // Asked before every line, as a view asks after every change.
                monatsausblick();
                pruefer.vorher(zeile);
                l.ausfuehren(b);
                protokoll += aus.str();
                pruefer.nachher(aus.str(), eintrag.path().filename().string() + " Zeile " + std::to_string(b.zeile));
            }
            aus.str("");
            l.beenden();
            protokoll += aus.str();
        }
        // Asking drew nothing and changed nothing: the game went as trevo-sim
        // plays it without the outlook, to the byte.
        EXPECT_EQ(protokoll, lesen(basis.string() + ".protokoll")) << eintrag.path();
        EXPECT_EQ(lesen(dir / "TrevoSpielstand.bin"), lesen(basis.string() + ".spielstand")) << eintrag.path();
        if (fs::exists(basis.string() + ".hofbuch")) {
            EXPECT_EQ(lesen(dir / "TrevoHofbuch.csv"), lesen(basis.string() + ".hofbuch")) << eintrag.path();
        }
        ++spiele;
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    EXPECT_GT(pruefer.monate, 100);
    EXPECT_GT(pruefer.ernten, 5);
    std::cout << "Ausblick in " << spiele << " Spielen: " << pruefer.monate << " Monate (" << pruefer.monateMitSeuche
              << " mit Seuche), " << pruefer.ernten << " Ernten, " << pruefer.exakteVergleiche << " exakte und "
              << pruefer.spannenVergleiche << " Spannen-Vergleiche\n";
}

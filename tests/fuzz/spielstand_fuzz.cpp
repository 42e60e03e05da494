// Any bytes as the save file: a whole start-up, a month with a few trades and
// the orderly end must never crash, hang or trip a sanitizer, and what the
// game saved must load and save again to the same bytes.
//
// Built with clang and libFuzzer in a build directory of its own
// (./check: build/fuzz); run it on the seed corpus with
//   build/fuzz/tests/fuzz/spielstand_fuzz NEUES_VERZEICHNIS tests/fuzz/korpus
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "geld/geldtext.h"
#include "spielstand/spielstand.h"
#include "sim/aktionen.h"
#include "sim/lauf.h"

namespace {

// A month with a trade of every kind: stores, herds, a field, a price, the
// capacity, and a window dragged off the screen.
const char* const spielzug =
    "kaufen FutterForm 100\n"
    "verkaufen GetreideForm 5 abc \"\"\n"
    "rechtsklick DieselForm kaufen\n"
    "maximum RuebenForm ja\n"
    "maximum KueheForm ja\n"
    "tierkauf KueheForm 2\n"
    "tierkauf HuenerForm 1\n"
    "pfeil SchafForm runter\n"
    "tierverkauf SchafForm\n"
    "haken SchweineForm Mehren an\n"
    "arbeit 1 0\n"
    "arbeit 2 3 1\n"
    "feld 3 ja\n"
    "preis 5\n"
    "fenster KontoForm -40 -40 50 50 1\n"
    "weiter\n"
    "verkaufen FutterForm $10\n"
    "tierverkauf KueheForm\n"
    "arbeit 4 4\n"
    "zurueck\n"
    "zurueck\n"
    "wiederholen\n";
// The last lines of it are steps the history keeps, and some of them are
// taken back and done again; the snapshots of the lines before are spared.
constexpr std::size_t schritteAmEnde = 6;

// A directory of its own for the run, in memory where there is one, removed
// when the fuzzer ends.
struct Verzeichnis {
    Verzeichnis() {
        std::error_code ec;
        const std::filesystem::path basis =
            std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string muster = (basis / "trevo-fuzz-XXXXXX").string();
        if (!mkdtemp(muster.data())) std::abort();
        pfad = muster + "/";
    }
    ~Verzeichnis() {
        std::error_code ec;
        std::filesystem::remove_all(pfad, ec);
    }
    Verzeichnis(const Verzeichnis&) = delete;
    Verzeichnis& operator=(const Verzeichnis&) = delete;
    std::string pfad;
};

std::string lesen(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// The file without the width keys of the goods windows: they always open
// collapsed, so a width saved expanded comes back as the collapsed one.
std::string ohneGueterBreite(const std::string& text) {
    static const char* const gueter[] = {"FutterForm", "DieselForm", "GetreideForm", "RuebenForm",
                                         "KueheForm",  "SchweineForm", "HuenerForm",  "SchafForm"};
    std::istringstream ein(text);
    std::string aus;
    bool gut = false;
    for (std::string z; std::getline(ein, z);) {
        if (z.rfind('[', 0) == 0) {
            gut = false;
            for (const char* g : gueter)
                if (z.rfind(std::string("[") + g + "]", 0) == 0) gut = true;
        } else if (gut && z.rfind("w=", 0) == 0) {
            z = "w=?";
        }
        aus += z + '\n';
    }
    return aus;
}

// Starts the game from the file in dir, plays skript if given, ends in
// order; false when the file could not be saved.
bool spielen(const std::string& dir, const Skript* skript) {
    std::ostringstream protokoll;
    Lauf lauf(dir, protokoll);
    if (skript) {
        const std::size_t n = skript->befehle.size();
        for (std::size_t i = 0; i < n; ++i) {
            lauf.mitVerlauf(i + schritteAmEnde >= n);
            lauf.ausfuehren(skript->befehle[i]);
        }
    }
    return lauf.beenden();
}

void scheitern(const char* was) {
    std::fprintf(stderr, "spielstand_fuzz: %s\n", was);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    static const Verzeichnis verzeichnis;
    const std::string& dir = verzeichnis.pfad;
    static const Skript skript = skriptLesen(spielzug);
    if (skript.fehler) scheitern("the script of the month does not read");
    dezimalTrenner = ",";
    dateienSyncen = false;
    // Every input starts in an empty directory: no logbook, recovery point or
    // kept old book of an earlier input may change what this one does.
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dir, ec)) std::filesystem::remove_all(e.path(), ec);
    const std::string datei = dir + "TrevoSpielstand.bin";
    {
        std::ofstream f(datei, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(daten), static_cast<std::streamsize>(groesse));
    }
    if (!spielen(dir, &skript)) scheitern("the game could not be saved");
    const std::string erste = lesen(datei);
    if (!spielen(dir, nullptr)) scheitern("the game could not be saved again");
    const std::string zweite = lesen(datei);
    if (zweite == erste) return 0;
    // Only a width may have changed; from there on the file stays. (When
    // nothing changed, the next round would repeat this one exactly.)
    if (ohneGueterBreite(zweite) != ohneGueterBreite(erste)) scheitern("save, load, save: the files differ");
    if (!spielen(dir, nullptr)) scheitern("the game could not be saved a third time");
    if (lesen(datei) != zweite) scheitern("a loaded game saves to other bytes");
    return 0;
}

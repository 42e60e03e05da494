// How long trevo-sim takes for ten years of play (tests/games/zehn_jahre.trevo):
// the whole program as the command line runs it, start to save file, and the
// play alone without the orderly end (which flushes the save file to disk).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "lauf_melden.h"
#include "sim/aktionen.h"
#include "sim/lauf.h"
#include "sim/trevosim.h"
#include "sim/skript.h"

namespace {

std::string skriptText() {
    std::ifstream f(TREVO_SPIELE "/zehn_jahre.trevo", std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// A directory of its own, emptied before every run so each starts a new game.
class Verzeichnis {
public:
    Verzeichnis() {
        char muster[] = "/tmp/trevo-bench-XXXXXX";
        pfad = mkdtemp(muster);
    }
    ~Verzeichnis() {
        std::error_code ec;
        std::filesystem::remove_all(pfad, ec);
    }
    Verzeichnis(const Verzeichnis&) = delete;
    Verzeichnis& operator=(const Verzeichnis&) = delete;
    void leeren() const {
        std::error_code ec;
        std::filesystem::remove(pfad / "TrevoSpielstand.bin", ec);
    }
    std::filesystem::path pfad;
};


void ZehnJahreGanz(benchmark::State& state) {
    const std::string skript = skriptText();
    const Verzeichnis dir;
    for (auto _ : state) {
        state.PauseTiming();
        dir.leeren();
        std::istringstream ein(skript);
        std::ostringstream aus;
        std::ostringstream err;
        state.ResumeTiming();
        const int status = trevoSim({"--dir", dir.pfad.string()}, ein, aus, err);
        if (status != 0) {
            benchFehler(state, "trevo-sim: " + err.str());
            break;
        }
        benchmark::DoNotOptimize(aus.str().size());
    }
}
BENCHMARK(ZehnJahreGanz)->Unit(benchmark::kMillisecond);

void ZehnJahreSpiel(benchmark::State& state) {
    const Skript s = skriptLesen(skriptText());
    if (s.fehler || s.befehle.size() < 120) {
        benchFehler(state, "zehn_jahre.trevo could not be read");
        return;
    }
    const Verzeichnis dir;
    for (auto _ : state) {
        std::ostringstream aus;
        Lauf lauf(dir.pfad.string(), aus);
        for (const Befehl& b : s.befehle) lauf.ausfuehren(b);
        benchmark::DoNotOptimize(aus.str().size());
    }
}
BENCHMARK(ZehnJahreSpiel)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return benchHauptprogramm(argc, argv); }

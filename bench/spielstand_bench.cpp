// How a large save file costs: trevo-sim starting from a 10 MB file, playing
// one month and writing it back, for three kinds of file. Besides the time
// each prints `MiB`, the peak memory of one such run in a process of its own
// (the game with its 10 MB text in, and the text it writes out).
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "lauf_melden.h"
#include "sim/lauf.h"
#include "sim/trevosim.h"

namespace {

constexpr std::size_t zehnMB = 10 * 1000 * 1000;

// 0: nothing but blank lines; 1: blank lines inside the control panel's
// window section, where the game's keys go; 2: nothing but sections of
// other names.
std::string datei(int art) {
    std::string d;
    d.reserve(zehnMB + 64);
    if (art == 1) d += "[KontrollForm]\r\nx=9\r\n";
    for (int nr = 0; d.size() < zehnMB; ++nr) d += art == 2 ? "[s" + std::to_string(nr) + "]\r\n" : "\r\n";
    return d;
}

int einLauf(const std::filesystem::path& dir, const std::string& bytes) {
    std::ofstream(dir / "TrevoSpielstand.bin", std::ios::binary) << bytes;
    std::istringstream ein("weiter\n");
    std::ostringstream aus;
    std::ostringstream err;
    return trevoSim({"--dir", dir.string()}, ein, aus, err);
}

// Peak resident memory of one run in a child process, in MiB.
double spitzeMiB(const std::filesystem::path& dir, const std::string& bytes) {
    const pid_t kind = ::fork();
    if (kind == 0) ::_exit(einLauf(dir, bytes));
    int status = 0;
    struct rusage r {};
    if (kind < 0 || ::wait4(kind, &status, 0, &r) != kind || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<double>(r.ru_maxrss) / 1024.0;
}

void GrosserSpielstand(benchmark::State& state) {
    const std::string bytes = datei(static_cast<int>(state.range(0)));
    char muster[] = "/tmp/trevo-bench-XXXXXX";
    const std::filesystem::path dir = mkdtemp(muster);
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(dir / "TrevoSpielstand.bin", std::ios::binary | std::ios::trunc) << bytes;
        std::istringstream ein("weiter\n");
        std::ostringstream aus;
        std::ostringstream err;
        state.ResumeTiming();
        if (trevoSim({"--dir", dir.string()}, ein, aus, err) != 0) {
            benchFehler(state, "trevo-sim: " + err.str() + aus.str());
            break;
        }
    }
    state.counters["MiB"] = spitzeMiB(dir, bytes);
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}
BENCHMARK(GrosserSpielstand)->ArgName("art")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return benchHauptprogramm(argc, argv); }

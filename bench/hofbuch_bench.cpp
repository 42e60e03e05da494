// A month step with the logbook window open after ten years of play: the
// step itself with the book written to disk, the window reading the 120 rows
// again, and the charts of the prices (the busiest page) drawn. All of it has
// to stay within one frame (16 ms at 60 Hz).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTabWidget>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/geldtext.h"
#include "app/hofbuch.h"
#include "app/kontrollform.h"
#include "sim/platform/scriptedplatform.h"
#include "spiel.h"
#include "ui/views/hofbuchfenster.h"

namespace {

// Ten years played, the window open on the prices; then mess(spiel, fenster)
// measured again and again.
template <class F>
void zehnJahre(benchmark::State& state, F mess) {
    char muster[] = "/tmp/trevo-bench-XXXXXX";
    const std::filesystem::path verzeichnis = mkdtemp(muster);
    dezimalTrenner = ",";
    {
        ScriptedPlatform plattform;
        Spiel spiel(plattform, verzeichnis.string() + "/", false);
        // The recovery point has a benchmark of its own.
        KontrollForm->monatGeschlossen = nullptr;
        for (int i = 0; i < 120; ++i) KontrollForm->Button1Click();
        HofbuchFenster fenster(spiel.hofbuch());
        fenster.resize(1000, 660);
        fenster.reiter()->setCurrentWidget(fenster.preise());
        for (auto _ : state) mess(fenster);
        state.counters["Zeilen"] = static_cast<double>(spiel.hofbuch().zeilen().size());
    }
    std::error_code ec;
    std::filesystem::remove_all(verzeichnis, ec);
}

QImage preiseZeichnen(HofbuchFenster& f) { return f.preise()->grab().toImage(); }

// The whole of it: the step, the book written, the window reading it, the
// prices drawn.
void MonatMitOffenemHofbuch(benchmark::State& state) {
    zehnJahre(state, [](HofbuchFenster& f) {
        KontrollForm->Button1Click();
        benchmark::DoNotOptimize(preiseZeichnen(f).constBits());
    });
}
// The parts: the step with the book and the window's reading, and the drawing.
void MonatOhneZeichnen(benchmark::State& state) {
    zehnJahre(state, [](HofbuchFenster&) { KontrollForm->Button1Click(); });
}
void PreiseZeichnen(benchmark::State& state) {
    zehnJahre(state, [](HofbuchFenster& f) { benchmark::DoNotOptimize(preiseZeichnen(f).constBits()); });
}
BENCHMARK(MonatMitOffenemHofbuch)->Unit(benchmark::kMicrosecond);
BENCHMARK(MonatOhneZeichnen)->Unit(benchmark::kMicrosecond);
BENCHMARK(PreiseZeichnen)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

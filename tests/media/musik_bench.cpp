// What opening the music costs the UI thread at start-up, and what the
// loader thread then spends on the soundfont.
//
//   build/…/tests/media/trevo_musik_bench
#include "ui/musik/fluidmaschine.h"
#include "ui/musik/fluidmusik.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

const std::string kMusik = std::string(TREVO_PROGRAMM_VERZEICHNIS) + "/trevo.mid";

// As the game does it: PulseAudio, then ALSA. On a machine without any audio
// device this is the whole cost of the failed attempt.
void oeffnenMitGeraet(benchmark::State& state) {
    for (auto _ : state) {
        auto musik = std::make_unique<FluidMusik>();
        benchmark::DoNotOptimize(musik->oeffnen(kMusik));
        state.PauseTiming();
        musik.reset();  // a loader, if a device answered, finishes unmeasured
        state.ResumeTiming();
    }
}
BENCHMARK(oeffnenMitGeraet)->Unit(benchmark::kMillisecond);

// The UI thread's share: the file headers only; the library, the synth and
// the soundfont go to the loader thread.
void oeffnenOhneTreiber(benchmark::State& state) {
    FluidEinstellungen e;
    e.treiber.clear();
    for (auto _ : state) {
        auto musik = std::make_unique<FluidMusik>(std::make_unique<FluidMaschine>(e),
                                                  FluidMusik::Laden::imHintergrund);
        if (!musik->oeffnen(kMusik))
            state.SkipWithError("trevo.mid or soundfont missing");
        state.PauseTiming();
        musik.reset();  // waits for the loader, outside the measurement
        state.ResumeTiming();
    }
}
BENCHMARK(oeffnenOhneTreiber)->Unit(benchmark::kMillisecond);

// The loader thread's work, per soundfont (the library is loaded once, by the first).
void klangbankLaden(benchmark::State& state, std::string bank) {
    FluidEinstellungen e;
    e.treiber.clear();
    e.klangbanken = {bank};
    for (auto _ : state) {
        state.PauseTiming();
        FluidMaschine m(e);
        if (!m.pruefen(kMusik)) {
            state.SkipWithError(("not usable: " + bank).c_str());
            break;
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(m.laden());
    }
}
BENCHMARK_CAPTURE(klangbankLaden, default_gm, std::string("/usr/share/sounds/sf2/default-GM.sf2"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(klangbankLaden, timgm6mb, std::string("/usr/share/sounds/sf2/TimGM6mb.sf2"))
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// One month step ("Weiter") of a full farm: four herds of 249 grown animals
// breeding and giving their product, all five fields leased and growing, the
// feed silo never empty. With the recovery point written to disk at its end
// (the game as it is), without it, and the point alone. The step has to stay
// well within one frame (16 ms at 60 Hz), and so does taking it back; the outlook of that month, which
// the face computes after every action, within a tenth of the step.
#include <benchmark/benchmark.h>

#include <memory>

#include "geld/kontrollform.h"
#include "ausblick.h"
#include "hof.h"
#include "sim/platform/scriptedplatform.h"
#include "spiel.h"

namespace {

class Hof {
public:
    // A new game made into the full farm.
    Spiel& starten(bool mitPunkt) {
        spiel_.reset();
        plattform_ = std::make_unique<ScriptedPlatform>();
        spiel_ = std::make_unique<Spiel>(*plattform_, verzeichnis_.pfad.string() + "/", false);
        if (!mitPunkt) KontrollForm->monatGeschlossen = nullptr;
        hofFuellen();
        return *spiel_;
    }

private:
    BenchVerzeichnis verzeichnis_;  // declared first: the game ends before its directory goes
    std::unique_ptr<ScriptedPlatform> plattform_;
    std::unique_ptr<Spiel> spiel_;
};

void Monat(benchmark::State& state, bool mitPunkt) {
    Hof hof;
    for (auto _ : state) {
        state.PauseTiming();
        hof.starten(mitPunkt);
        state.ResumeTiming();
        KontrollForm->Button1Click();
    }
}

void MonatMitWiederherstellungspunkt(benchmark::State& state) { Monat(state, true); }
void MonatOhneWiederherstellungspunkt(benchmark::State& state) { Monat(state, false); }
BENCHMARK(MonatMitWiederherstellungspunkt)->Unit(benchmark::kMicrosecond);
BENCHMARK(MonatOhneWiederherstellungspunkt)->Unit(benchmark::kMicrosecond);

// The outlook of the full farm's month: what the face computes after every
// action. It has to stay a small part of the month it foretells.
void Ausblick(benchmark::State& state) {
    Hof hof;
    hof.starten(false);
    std::size_t zeilen = 0;
    for (auto _ : state) {
        const Monatsausblick m = monatsausblick();
        zeilen = m.zeilen.size();
        benchmark::DoNotOptimize(m);
    }
    state.counters["Zeilen"] = static_cast<double>(zeilen);
}
BENCHMARK(Ausblick)->Unit(benchmark::kMicrosecond);

// The snapshot of every window and the synced write of the file.
void WiederherstellungspunktAllein(benchmark::State& state) {
    Hof hof;
    Spiel& spiel = hof.starten(true);
    for (auto _ : state)
        if (!spiel.wiederherstellungspunktSetzen()) state.SkipWithError("the point could not be written");
    state.counters["Bytes"] = static_cast<double>(spiel.stand().size());
}
BENCHMARK(WiederherstellungspunktAllein)->Unit(benchmark::kMicrosecond);

// A month taken back and done again on the full farm: the recovery point
// written back and the logbook's row cut off, then both as the month wrote
// them. And the memory a step of the history costs, over thirteen months
// (each month's state kept once, shared by the step before and after it).
void MonatZurueckUndWieder(benchmark::State& state) {
    Hof hof;
    Spiel& spiel = hof.starten(true);
    for (int i = 0; i < 13; ++i) spiel.schritt([] { KontrollForm->Button1Click(); });
    const double jeSchritt = static_cast<double>(spiel.verlauf().speicher()) / static_cast<double>(spiel.verlauf().schritte());
    for (auto _ : state) {
        if (!spiel.zurueck() || !spiel.wiederholen()) state.SkipWithError("the month could not be taken back");
    }
    state.counters["BytesJeSchritt"] = jeSchritt;
    state.counters["Schritte"] = static_cast<double>(spiel.verlauf().schritte());
}
BENCHMARK(MonatZurueckUndWieder)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

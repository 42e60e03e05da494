// A month step with the logbook window open after ten years of play: the
// step itself with the book written to disk, the window adding the month,
// and the charts of the prices (the busiest page) drawn. All of it has to
// stay within one frame (16 ms at 60 Hz). Below, the same after one, fifty
// and a hundred years.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTabWidget>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "hofbuch/hofbuch.h"
#include "geld/kontrollform.h"
#include "hof.h"
#include "sim/platform/scriptedplatform.h"
#include "spiel.h"
#include "ui/views/hofbuchfenster.h"

namespace fs = std::filesystem;

namespace {

// Ten years played, the window open on the prices; then mess(spiel, fenster)
// measured again and again.
template <class F>
void zehnJahre(benchmark::State& state, F mess) {
    const BenchVerzeichnis verzeichnis;
    {
        ScriptedPlatform plattform;
        Spiel spiel(plattform, verzeichnis.pfad.string() + "/", false);
        // The recovery point has a benchmark of its own.
        KontrollForm->monatGeschlossen = nullptr;
        for (int i = 0; i < 120; ++i) KontrollForm->Button1Click();
        HofbuchFenster fenster(spiel.hofbuch());
        fenster.resize(1000, 660);
        fenster.reiter()->setCurrentWidget(fenster.preise());
        for (auto _ : state) mess(fenster);
        state.counters["Zeilen"] = static_cast<double>(spiel.hofbuch().zeilen().size());
    }
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

// The logbook of a full farm (bench/hof.h) after one, fifty and a hundred
// years of play: what a month writes to the book, what a month costs with
// the logbook window closed, open and drawn, and open without drawing, and
// the processor time of a start and an orderly end with that book against
// the same with no book at all. The recovery point is left out (monat_bench
// measures it); so are the months of play that make the farms, which are
// played once and copied.
// The bytes this process has handed to write() so far.
int64_t geschrieben() {
    std::ifstream io("/proc/self/io");
    std::string schluessel;
    int64_t wert = 0;
    while (io >> schluessel >> wert)
        if (schluessel == "wchar:") return wert;
    return 0;
}

double prozessorSekunden() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct Partie {
    ScriptedPlatform plattform;
    std::unique_ptr<Spiel> spiel;
    explicit Partie(const fs::path& verzeichnis) {
        spiel = std::make_unique<Spiel>(plattform, verzeichnis.string() + "/", false);
        KontrollForm->monatGeschlossen = nullptr;
    }
};

// The farms, made once: the directory of a game after so many years.
class Hoefe {
public:
    Hoefe() {
        const fs::path spiel = wurzel_.pfad / "spiel";
        fs::create_directory(spiel);
        int gespielt = 0;
        for (const int jahre : {1, 50, 100}) {
            {
                Partie l(spiel);
                if (gespielt == 0) hofFuellen();
                for (; gespielt < jahre * 12; ++gespielt) KontrollForm->Button1Click();
                l.spiel->beenden();
            }
            fs::copy(spiel, wurzel_.pfad / std::to_string(jahre), fs::copy_options::recursive);
        }
    }

    // A fresh copy of the farm after so many years.
    fs::path kopie(int jahre) {
        const fs::path ziel = wurzel_.pfad / ("lauf" + std::to_string(++laeufe_));
        fs::copy(wurzel_.pfad / std::to_string(jahre), ziel, fs::copy_options::recursive);
        return ziel;
    }

private:
    BenchVerzeichnis wurzel_;
    int laeufe_ = 0;
};

Hoefe& hoefe() {
    static Hoefe h;
    return h;
}

// Months of the farm after state.range(0) years; with state.range(1) the
// window open on the prices, each month ending (1) with the page drawn as
// the screen would show it, or (2) without drawing.
void Monat(benchmark::State& state) {
    const fs::path verzeichnis = hoefe().kopie(static_cast<int>(state.range(0)));
    {
        Partie l(verzeichnis);
        std::unique_ptr<HofbuchFenster> fenster;
        if (state.range(1)) {
            fenster = std::make_unique<HofbuchFenster>(l.spiel->hofbuch());
            fenster->resize(1000, 660);
            fenster->reiter()->setCurrentWidget(fenster->preise());
        }
        const int64_t vorher = geschrieben();
        for (auto _ : state) {
            KontrollForm->Button1Click();
            if (fenster) QApplication::processEvents();
            if (state.range(1) == 1) {
                benchmark::DoNotOptimize(fenster->preise()->grab().toImage().constBits());
            }
        }
        state.counters["Bytes_je_Monat"] =
            static_cast<double>(geschrieben() - vorher) / static_cast<double>(state.iterations());
    }
    std::error_code ec;
    fs::remove_all(verzeichnis, ec);
}
BENCHMARK(Monat)
    ->ArgNames({"Jahre", "Fenster"})
    ->ArgsProduct({{1, 50, 100}, {0, 1, 2}})
    ->Iterations(24)
    ->Repetitions(5)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMicrosecond);

// A start and an orderly end of the farm after state.range(0) years, with
// its book or (state.range(1) == 0) without one: processor time, for the
// end's syncs wait on the disk.
void StartUndEnde(benchmark::State& state) {
    const fs::path verzeichnis = hoefe().kopie(static_cast<int>(state.range(0)));
    const fs::path buch = verzeichnis / "TrevoHofbuch.csv";
    double start = 0;
    double ende = 0;
    for (auto _ : state) {
        if (!state.range(1)) fs::remove(buch);
        const double t0 = prozessorSekunden();
        auto l = std::make_unique<Partie>(verzeichnis);
        const double t1 = prozessorSekunden();
        l->spiel->beenden();
        const double t2 = prozessorSekunden();
        l.reset();
        start += t1 - t0;
        ende += t2 - t1;
        state.SetIterationTime(t2 - t0);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["Start_ms"] = start / n * 1e3;
    state.counters["Ende_ms"] = ende / n * 1e3;
    std::error_code ec;
    fs::remove_all(verzeichnis, ec);
}
BENCHMARK(StartUndEnde)
    ->ArgNames({"Jahre", "Buch"})
    ->ArgsProduct({{100}, {0, 1}})
    ->UseManualTime()
    ->Iterations(30)
    ->Repetitions(5)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMicrosecond);


}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

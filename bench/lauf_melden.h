// The main of a benchmark that must fail its run when a benchmark could not
// do its work, so that a broken game never reports a figure.
#pragma once

#include <benchmark/benchmark.h>

#include <string>

inline bool& benchFehlgeschlagen() {
    static bool f = false;
    return f;
}

// Marks the run failed and skips the benchmark with the reason.
inline void benchFehler(benchmark::State& state, const std::string& was) {
    benchFehlgeschlagen() = true;
    state.SkipWithError(was.c_str());
}

inline int benchHauptprogramm(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return benchFehlgeschlagen() ? 1 : 0;
}

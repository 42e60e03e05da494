#!/usr/bin/env bash
# Builds the release tree for the benchmarks and prints the table of figures
# (README of the numbers: bench/tabelle.py):
#   bench/tabelle.sh [pairs, at least 21] [seconds of the long run, 10]
set -euo pipefail
cd "$(dirname "$0")/.."
baum=build/release-bench
cmake -S . -B "$baum" -DCMAKE_BUILD_TYPE=Release -DTREVO_TESTS=OFF >/dev/null
cmake --build "$baum" --target trevo trevo_beside leer_qt hof_ui_bench -j2 >/dev/null
exec xvfb-run -a -s "-screen 0 1280x1024x24" python3 bench/tabelle.py "$baum" "${1:-21}" "${2:-10}"

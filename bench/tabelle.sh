#!/usr/bin/env bash
# Builds the release tree for the benchmarks and prints the table of figures
# (README of the numbers: bench/tabelle.py):
#   bench/tabelle.sh [pairs, at least 21] [seconds of the long runs, 10] [--nur-musik]
# and then the instructions counted with callgrind (bench/anweisungen.py).
set -euo pipefail
cd "$(dirname "$0")/.."
# The bench's own tools: the X server, the sound server and callgrind.
source tools/einrichten.sh
trevo_pakete_pruefen "${TREVO_TON_PAKETE[@]}" xvfb xauth valgrind
baum=build/release-bench
cmake -S . -B "$baum" -DCMAKE_BUILD_TYPE=Release -DTREVO_TESTS=OFF >/dev/null
cmake --build "$baum" --target trevo trevo_beside leer_qt hof_ui_bench -j2 >/dev/null
# The music plays into a sound server of its own, with a null sink.
source tools/tonserver.sh
ton=$(mktemp -d "${TMPDIR:-/tmp}/trevo-tabelle-ton.XXXXXX")
trap 'tonserver_beenden; rm -rf "$ton"' EXIT
tonserver_starten "$ton"
xvfb-run -a -s "-screen 0 1280x1024x24" python3 bench/tabelle.py "$baum" "$@"
case " $* " in *" --nur-musik "*) ;; *) python3 bench/anweisungen.py "$baum" ;; esac

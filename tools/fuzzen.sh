#!/usr/bin/env bash
# Fuzzes the save file for longer than ./check does, with a fresh seed each
# run: tools/fuzzen.sh [SEKUNDEN] (default an hour). Needs the fuzz build of
# ./check (build/fuzz). New inputs go to build/fuzz/neu/, a crashing file to
# build/fuzz/funde/; a find that is mended goes into tests/fuzz/korpus/, so
# that ./check keeps it.
set -euo pipefail
cd "$(dirname "$0")/.."
programm=build/fuzz/tests/fuzz/spielstand_fuzz
if [ ! -x "$programm" ]; then
  echo "Zuerst ./check ausführen: $programm fehlt." >&2
  exit 1
fi
mkdir -p build/fuzz/neu build/fuzz/funde
exec "$programm" -max_total_time="${1:-3600}" -timeout=10 -print_final_stats=1 \
  -artifact_prefix=build/fuzz/funde/ build/fuzz/neu tests/fuzz/korpus

#!/usr/bin/env bash
# Rewrites the expected transcripts and save files of the scripted games in
# tests/games after an intended change of the game, and shows the change for
# review. Read the diff before committing it: every changed figure must be
# one the rules give.
#
#   tools/spiele-erneuern.sh            every game
#   tools/spiele-erneuern.sh jahr preise   only these games
#
# trevo-sim is built in build/check (as ./check builds it), or taken from
# $TREVO_SIM when that is set. A game whose run fails (exit status not 0, or
# anything on standard error) is reported and its expectations are left
# alone.
set -euo pipefail
cd "$(dirname "$0")/.."
spiele=tests/games

if [ -n "${TREVO_SIM:-}" ]; then
  sim=$TREVO_SIM
else
  source tools/einrichten.sh
  trevo_pakete_pruefen
  cmake -S . -B build/check -DCMAKE_BUILD_TYPE=Debug -DTREVO_WERROR=ON -DTREVO_SANITIZE=ON >/dev/null
  cmake --build build/check --target trevo-sim --parallel "$(nproc)" >/dev/null
  sim=$PWD/build/check/trevo-sim
fi

if [ $# -gt 0 ]; then
  namen=("$@")
else
  namen=()
  for s in "$spiele"/*.trevo; do namen+=("$(basename "$s" .trevo)"); done
fi

arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
fehler=0
for name in "${namen[@]}"; do
  if [ ! -f "$spiele/$name.trevo" ]; then
    echo "$name: there is no $spiele/$name.trevo" >&2
    fehler=1
    continue
  fi
  "$spiele/spielen.sh" "$sim" "$spiele" "$name" "$arbeit/$name"
  if [ "$(cat "$arbeit/$name/status")" != 0 ] || [ -s "$arbeit/$name/fehler" ]; then
    echo "$name: trevo-sim ended with status $(cat "$arbeit/$name/status"), expectations left alone:" >&2
    cat "$arbeit/$name/fehler" >&2
    fehler=1
    continue
  fi
  cp "$arbeit/$name/protokoll" "$spiele/$name.protokoll"
  cp "$arbeit/$name/TrevoSpielstand.bin" "$spiele/$name.spielstand"
  # A logbook is compared only where the game keeps one as an expectation.
  if [ -f "$spiele/$name.hofbuch" ]; then cp "$arbeit/$name/TrevoHofbuch.csv" "$spiele/$name.hofbuch"; fi
done

# What changed, for review; expectations of new games are listed as new.
git --no-pager diff --stat -- "$spiele"
git --no-pager diff --text -- "$spiele/*.protokoll" "$spiele/*.spielstand" "$spiele/*.hofbuch"
git status --short -- "$spiele" | grep '^??' || true
exit $fehler

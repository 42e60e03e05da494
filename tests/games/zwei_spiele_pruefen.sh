#!/usr/bin/env bash
# Two games under names of their own in one directory, played at the same
# time: neither is refused, and each writes only its own files.
#
#   zwei_spiele_pruefen.sh TREVO_SIM ARBEIT
set -uo pipefail
sim=$1 arbeit=$2
rm -rf "$arbeit"
mkdir -p "$arbeit/dir"
dir=$arbeit/dir
fehlschlag=0
for n in $(seq 12); do printf 'rechtsklick FutterForm verkaufen\nweiter\n'; done >"$arbeit/a.trevo"
for n in $(seq 12); do printf 'tierkauf SchafForm 1\nweiter\n'; done >"$arbeit/b.trevo"
"$sim" --dir "$dir" --spiel A.hof "$arbeit/a.trevo" >"$arbeit/a.aus" 2>"$arbeit/a.err" &
a=$!
"$sim" --dir "$dir" --spiel B.hof "$arbeit/b.trevo" >"$arbeit/b.aus" 2>"$arbeit/b.err" &
b=$!
wait $a; sa=$?
wait $b; sb=$?
if [ "$sa" != 0 ] || [ "$sb" != 0 ] || [ -s "$arbeit/a.err" ] || [ -s "$arbeit/b.err" ]; then
  echo "status $sa and $sb"
  cat "$arbeit/a.err" "$arbeit/b.err"
  fehlschlag=1
fi
# Each game's file, logbook and nothing else (the locks are gone with them).
erwartet=$'A-Hofbuch.csv\nA.hof\nB-Hofbuch.csv\nB.hof'
if [ "$(ls -A "$dir")" != "$erwartet" ]; then
  echo "files in the directory:"
  ls -A "$dir"
  fehlschlag=1
fi
# B's farm bought sheep, A's none. Each logbook has its twelve months and
# agrees with its own save file.
schafe() { sed -n '/^\[SchafForm\]/,/^\[/p' "$1" | tr -d '\r' | grep '^menge=' || echo 'menge=0'; }
if [ "$(schafe "$dir/A.hof")" != menge=0 ] || [ "$(schafe "$dir/B.hof")" = menge=0 ]; then
  echo "the games' herds are not their own: A $(schafe "$dir/A.hof"), B $(schafe "$dir/B.hof")"
  fehlschlag=1
fi
for s in A B; do
  zeilen=$(grep -c ';abgeschlossen;' "$dir/$s-Hofbuch.csv")
  if [ "$zeilen" != 12 ] || ! "$(dirname "$0")/hofbuch_pruefen.sh" "$dir/$s-Hofbuch.csv" "$dir/$s.hof"; then
    echo "$s's logbook: $zeilen months"
    fehlschlag=1
  fi
done
if [ $fehlschlag = 0 ]; then echo "two games at once: each kept its own files"; fi
exit $fehlschlag

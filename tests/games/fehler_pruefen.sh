#!/usr/bin/env bash
# Checks that a bad script is refused before anything runs: exit status 2,
# the expected "line N: …" as the only line on standard error, nothing on
# standard output, and the save file in the game directory untouched.
#
#   fehler_pruefen.sh TREVO_SIM SKRIPT STARTDATEI ARBEIT
#
# The script's first line reads "# erwartet: line N: …".
set -uo pipefail
sim=$1 skript=$2 start=$3 arbeit=$4

erwartet=$(head -n 1 "$skript" | sed -n 's/^# erwartet: //p')
if [ -z "$erwartet" ]; then
  echo "$skript: the first line must be \"# erwartet: line N: …\""
  exit 1
fi
rm -rf "$arbeit"
mkdir -p "$arbeit/dir"
cp "$start" "$arbeit/dir/TrevoSpielstand.bin"
touch -d '2001-03-01 12:00:00' "$arbeit/dir/TrevoSpielstand.bin"
vorher=$(stat -c '%Y %s' "$arbeit/dir/TrevoSpielstand.bin")

status=0
"$sim" --dir "$arbeit/dir" "$skript" >"$arbeit/protokoll" 2>"$arbeit/fehler" || status=$?
fehlschlag=0
if [ "$status" != 2 ]; then
  echo "exit status $status, expected 2"
  fehlschlag=1
fi
if [ "$(cat "$arbeit/fehler")" != "$erwartet" ] || [ "$(wc -l <"$arbeit/fehler")" != 1 ]; then
  echo "standard error:"
  cat "$arbeit/fehler"
  echo "expected:"
  echo "$erwartet"
  fehlschlag=1
fi
if [ -s "$arbeit/protokoll" ]; then
  echo "a transcript was written although the script was refused:"
  head -20 "$arbeit/protokoll"
  fehlschlag=1
fi
if ! cmp -s "$start" "$arbeit/dir/TrevoSpielstand.bin" ||
  [ "$(stat -c '%Y %s' "$arbeit/dir/TrevoSpielstand.bin")" != "$vorher" ]; then
  echo "the save file was touched"
  fehlschlag=1
fi
if [ "$(ls -A "$arbeit/dir")" != "TrevoSpielstand.bin" ]; then
  echo "files left in the game directory:"
  ls -A "$arbeit/dir"
  fehlschlag=1
fi
exit $fehlschlag

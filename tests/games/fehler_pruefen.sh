#!/usr/bin/env bash
# Checks that a bad script is refused before anything runs: exit status 2,
# the expected "line N: …" as the only line on standard error, nothing on
# standard output, and the game directory untouched: the save file, a
# recovery point and a logbook beside it.
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
mkdir -p "$arbeit/dir" "$arbeit/vorher"
# Beside the save file lie what a crashed run leaves: a recovery point three
# months on and the logbook of those months. A rejected script changes none
# of it, byte for byte.
cp "$start" "$arbeit/vorher/TrevoSpielstand.bin"
printf 'weiter\nweiter\nweiter\n' | "$sim" --dir "$arbeit/vorher" >/dev/null 2>&1
cp "$start" "$arbeit/dir/TrevoSpielstand.bin"
cp "$arbeit/vorher/TrevoSpielstand.bin" "$arbeit/dir/TrevoSpielstand.wiederherstellen"
cp "$arbeit/vorher/TrevoHofbuch.csv" "$arbeit/dir/TrevoHofbuch.csv"
touch -d '2001-03-01 12:00:00' "$arbeit/dir/TrevoSpielstand.bin"
touch -d '2001-03-02 12:00:00' "$arbeit/dir/TrevoSpielstand.wiederherstellen" "$arbeit/dir/TrevoHofbuch.csv"
stand() { (cd "$arbeit/dir" && find . -mindepth 1 -printf '%P %s %T@\n' | sort && md5sum -- * | sort); }
vorher=$(stand)

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
if [ "$(stand)" != "$vorher" ]; then
  echo "the game directory changed:"
  diff <(echo "$vorher") <(stand)
  fehlschlag=1
fi
exit $fehlschlag

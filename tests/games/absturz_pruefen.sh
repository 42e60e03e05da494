#!/usr/bin/env bash
# trevo-sim killed (SIGKILL) at a random moment of a scripted game, then
# started again, round after round. The recovery point holds the last month
# whose step had ended (at least the months the transcript shows done, at most
# the one in progress), byte for byte the save file that an orderly end after
# that month writes. The next start offers it by name; accepted (odd rounds),
# the game ends in order with that same file; declined (a script without an
# answer), it goes on from the last orderly save. Nothing is left behind.
#
#   absturz_pruefen.sh TREVO_SIM SKRIPT ARBEIT [RUNDEN]
set -uo pipefail
sim=$1 skript=$2 arbeit=$3 runden=${4:-20}
rm -rf "$arbeit"
mkdir -p "$arbeit/erwartet"
dir=$arbeit/dir punkt=$arbeit/dir/TrevoSpielstand.wiederherstellen
namen=(Januar Februar März April Mai Juni Juli August September Oktober November Dezember)
fehlschlag=0 getoetet=0 wiederhergestellt=0 monate=0 beiseite=0 fehlend=0 doppelt=0
buchpruefung=$(dirname "$0")/hofbuch_pruefen.sh
fehler() {
  echo "round $runde (killed after $pause s): $*"
  fehlschlag=1
}
# The save file of the script played up to its k-th "Weiter" and ended.
erwartet() {
  local z=$arbeit/erwartet/$1
  if [ ! -d "$z" ]; then
    mkdir -p "$z"
    awk -v k="$1" '{ print } $1 == "weiter" && ++n == k { exit }' "$skript" | "$sim" --dir "$z" >/dev/null 2>&1
  fi
  echo "$z/TrevoSpielstand.bin"
}
start=$(date +%s%N)
"$sim" --dir "$arbeit/erwartet" "$skript" >/dev/null 2>&1
dauer=$((($(date +%s%N) - start) / 1000000 + 20))

for runde in $(seq "$runden"); do
  rm -rf "$dir" "$arbeit/ohne"
  mkdir -p "$dir" "$arbeit/ohne"
  pause=$(awk -v ms=$((RANDOM % dauer)) 'BEGIN { printf "%.3f", ms / 1000 }')
  "$sim" --dir "$dir" "$skript" >"$arbeit/protokoll" 2>/dev/null &
  pid=$!
  sleep "$pause"
  kill -KILL $pid 2>/dev/null
  if { wait $pid; } 2>/dev/null; then
    [ -e "$punkt" ] && fehler "an orderly end left its recovery point"
    continue
  fi
  getoetet=$((getoetet + 1))
  fertig=$(grep -c $'\tSonstige Kosten$' "$arbeit/protokoll")
  aelter=
  [ -f "$dir/TrevoSpielstand.bin" ] && cp "$dir/TrevoSpielstand.bin" "$arbeit/ohne/"
  k=
  if [ ! -e "$punkt" ]; then
    # Before the first month's end, or after an orderly end (the script's
    # restart follows a "Weiter") had saved and removed the point.
    if [ "$fertig" != 0 ] && ! cmp -s "$dir/TrevoSpielstand.bin" "$(erwartet "$fertig")"; then
      fehler "$fertig months done, no recovery point, and the save file does not hold them"
    fi
  else
    # The game's text in the point, without what it carries besides.
    laenge=$(grep -a '^laenge=' "$punkt" | tail -1 | tr -dc 0-9)
    head -c "${laenge:-999999999}" "$punkt" >"$arbeit/punkttext"
    if cmp -s "$arbeit/punkttext" "$dir/TrevoSpielstand.bin"; then
      # Killed between the save file and the point's removal: the point is
      # not newer than the save file, whatever the clock says.
      aelter=1
    else
      monat=$(grep -a -m1 '^monat=' "$punkt" | tr -dc 0-9) jahr=$(grep -a -m1 '^jahr=' "$punkt" | tr -dc 0-9)
      k=$(((jahr - 2001) * 12 + monat - 3))
      [ "$k" -ge "$fertig" ] && [ "$k" -le $((fertig + 1)) ] ||
        fehler "the recovery point holds $k months, the transcript shows $fertig done"
      cmp -s "$arbeit/punkttext" "$(erwartet "$k")" || fehler "the point after $k months is not that month's save file"
    fi
  fi

  [ -e "$punkt" ] && cp "$punkt" "$arbeit/punkt.kopie"
  antwort=
  [ $((runde % 2)) = 1 ] && [ -n "$k" ] && antwort='wiederherstellen ja'
  printf '' | "$sim" --dir "$arbeit/ohne" >/dev/null 2>&1
  printf '%s\n' "$antwort" | "$sim" --dir "$dir" >"$arbeit/neu" 2>&1 || fehler "no start after the crash"
  angebot=$(grep -c '^meldung.Bestätigen' "$arbeit/neu")
  if [ -n "$k" ]; then
    text="Ende des Monats ${namen[(k + 1) % 12]} $((2001 + (k + 1) / 12)) erhalten.\\r\\rSoll das Spiel im ${namen[(k + 2) % 12]} $((2001 + (k + 2) / 12)) weitergehen?"
    [ "$angebot" = 1 ] && head -1 "$arbeit/neu" | grep -qF "$text" || fehler "the offer after $k months: $(head -1 "$arbeit/neu")"
  elif [ "$angebot" != 0 ]; then
    fehler "an offer without a recovery point"
  fi
  if [ -n "$aelter" ]; then
    grep -q '^meldung.Information.*ist nicht neuer als der Spielstand' "$arbeit/neu" || fehler "a point not newer than the save file was not told"
    cmp -s "$dir/TrevoSpielstand-aelter.wiederherstellen" "$arbeit/punkt.kopie" || fehler "a point not newer than the save file was not put aside"
    rm -f "$dir/TrevoSpielstand-aelter.wiederherstellen"
    beiseite=$((beiseite + 1))
  fi
  if [ -n "$antwort" ]; then
    # The months the point held beyond the save file.
    gespeichert=0
    if [ -f "$arbeit/ohne/TrevoSpielstand.bin" ]; then
      m=$(grep -a -m1 '^monat=' "$arbeit/ohne/TrevoSpielstand.bin" | tr -dc 0-9)
      j=$(grep -a -m1 '^jahr=' "$arbeit/ohne/TrevoSpielstand.bin" | tr -dc 0-9)
      gespeichert=$(((j - 2001) * 12 + m - 3))
    fi
    wiederhergestellt=$((wiederhergestellt + 1)) monate=$((monate + k - gespeichert))
  fi
  wie=$arbeit/ohne/TrevoSpielstand.bin
  [ -n "$antwort" ] && wie=$(erwartet "$k")
  cmp -s "$dir/TrevoSpielstand.bin" "$wie" || fehler "after the start ($antwort) the save file is not $wie"
  [ "$(ls -A "$dir" | grep -v '^TrevoHofbuch-')" = "$(printf 'TrevoHofbuch.csv\nTrevoSpielstand.bin')" ] || fehler "left behind: $(ls -A "$dir" | tr '\n' ' ')"
  # The logbook holds no month the game it goes on with has not lived, and
  # every month it has lived through exactly once.
  ZAEHLEN=1 "$buchpruefung" "$dir/TrevoHofbuch.csv" "$dir/TrevoSpielstand.bin" 2>"$arbeit/zaehlung" ||
    fehler "the logbook does not agree with the save file"
  read -r f d < <(grep -E '^[0-9]+ [0-9]+$' "$arbeit/zaehlung" || echo 0 0)
  fehlend=$((fehlend + f)) doppelt=$((doppelt + d))
done
echo "$runden rounds: $getoetet killed, $wiederhergestellt recovery points taken ($monate months recovered from" \
  "them), $beiseite not newer than the save file put aside; logbook rows missing: $fehlend, doubled: $doppelt"
[ $fehlschlag = 0 ] && echo "each killed at a random moment, recovered as expected"
exit $fehlschlag

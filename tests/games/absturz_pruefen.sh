#!/usr/bin/env bash
# A game killed (SIGKILL) at a random moment of a scripted game, then started
# again, round after round:
# - the recovery point holds the last month whose step had ended: never less
#   than the months the transcript shows done, at most the one in progress;
# - it is, byte for byte, the save file an orderly end after that month
#   writes (the same script up to that "Weiter", played to its end);
# - the start offers it naming that month; accepted, the game's next orderly
#   end writes that same file; declined (a script that does not answer), the
#   game goes on from the last orderly save, as if the point had never been;
# - either way no recovery point and no temporary file is left.
# The kill moments are printed, so a failing round can be replayed.
#
#   absturz_pruefen.sh TREVO_SIM SKRIPT ARBEIT [RUNDEN]
set -uo pipefail
sim=$1 skript=$2 arbeit=$3 runden=${4:-20}
rm -rf "$arbeit"
mkdir -p "$arbeit/erwartet"
dir=$arbeit/dir
punkt=$dir/TrevoSpielstand.wiederherstellen
namen=(Januar Febuar März April Mai Juni Juli August September Oktober November Dezember)
fehlschlag=0

fehler() {
  echo "round $runde (killed after $pause s): $*"
  fehlschlag=1
}

# The save file after the first k months, ended in order.
erwartet() {
  local k=$1 ziel=$arbeit/erwartet/$1
  if [ ! -f "$ziel/TrevoSpielstand.bin" ]; then
    mkdir -p "$ziel"
    awk -v k="$k" '{ print } $1 == "weiter" && ++n == k { exit }' "$skript" >"$ziel/skript"
    "$sim" --dir "$ziel" "$ziel/skript" >/dev/null 2>&1 || echo "the first $k months do not play" >&2
  fi
  echo "$ziel/TrevoSpielstand.bin"
}

# How long the whole game takes here, so the kills fall all over it.
start=$(date +%s%N)
"$sim" --dir "$arbeit/erwartet" "$skript" >/dev/null 2>&1
dauer=$((($(date +%s%N) - start) / 1000000 + 20))
rm -f "$arbeit/erwartet/TrevoSpielstand.bin"

getoetet=0
for runde in $(seq "$runden"); do
  rm -rf "$dir"
  mkdir -p "$dir"
  pause=$(awk -v ms=$((RANDOM % dauer)) 'BEGIN { printf "%.3f", ms / 1000 }')
  "$sim" --dir "$dir" "$skript" >"$arbeit/protokoll" 2>/dev/null &
  pid=$!
  sleep "$pause"
  kill -KILL $pid 2>/dev/null
  status=0
  { wait $pid || status=$?; } 2>/dev/null
  if [ "$status" = 0 ]; then
    [ -e "$punkt" ] && fehler "a run that ended in order left its recovery point"
    continue
  fi
  getoetet=$((getoetet + 1))
  fertig=$(grep -c $'^buchung\t-[0-9]*\tSonstige Kosten$' "$arbeit/protokoll")
  cp "$dir/TrevoSpielstand.bin" "$arbeit/vorher" 2>/dev/null || rm -f "$arbeit/vorher"

  if [ ! -e "$punkt" ]; then
    # Killed before the first month ended, or while nothing was lost: after
    # an orderly end (the script's restart, or the end itself) had written
    # the save file and removed the point. (The script restarts right after
    # a "Weiter", so that save file is the one of that month.)
    if [ "$fertig" = 0 ]; then
      [ -e "$dir/TrevoSpielstand.bin" ] && fehler "no month done, yet a save file"
    elif ! cmp -s "$dir/TrevoSpielstand.bin" "$(erwartet "$fertig")"; then
      fehler "$fertig months done, no recovery point, and the save file does not hold them"
    fi
    k=
  elif [ "$dir/TrevoSpielstand.bin" -nt "$punkt" ]; then
    # Killed between the save file and the removal of the point: the point
    # is dropped without a word, and the save file holds all of it.
    cmp -s "$punkt" "$dir/TrevoSpielstand.bin" || fehler "a point older than the save file holds another game"
    k=
  else
    monat=$(grep -a '^monat=' "$punkt" | head -1 | tr -d '\r' | cut -d= -f2)
    jahr=$(grep -a '^jahr=' "$punkt" | head -1 | tr -d '\r' | cut -d= -f2)
    k=$(((jahr - 2001) * 12 + monat - 3))
    if [ "$k" -lt "$fertig" ] || [ "$k" -gt $((fertig + 1)) ]; then
      fehler "the recovery point holds $k months, the transcript shows $fertig done"
    fi
    if ! cmp -s "$punkt" "$(erwartet "$k")"; then
      fehler "the recovery point after $k months is not the orderly save file of that month"
      diff -u --strip-trailing-cr "$(erwartet "$k")" "$punkt" | head -40
    fi
  fi

  # The start after the crash: every other round accepts the offer.
  antwort=
  [ $((runde % 2)) = 1 ] && antwort='wiederherstellen ja'
  # What declining gives: the last orderly save (if any), ended in order.
  rm -rf "$arbeit/ohne"
  mkdir -p "$arbeit/ohne"
  [ -f "$arbeit/vorher" ] && cp "$arbeit/vorher" "$arbeit/ohne/TrevoSpielstand.bin"
  printf '' | "$sim" --dir "$arbeit/ohne" >/dev/null 2>&1
  s=0
  printf '%s\n' "$antwort" | "$sim" --dir "$dir" >"$arbeit/neu" 2>&1 || s=$?
  [ "$s" = 0 ] || fehler "the start after the crash ended with status $s: $(cat "$arbeit/neu")"
  if [ -n "$k" ]; then
    m=$(((k + 2) % 12)) j=$((2001 + (k + 2) / 12))
    vm=$(((k + 1) % 12)) vj=$((2001 + (k + 1) / 12))
    zeile=$(head -1 "$arbeit/neu")
    case "$zeile" in
      $'meldung\tBestätigen\tTrevo wurde zuletzt nicht'*"Ende des Monats ${namen[vm]} $vj erhalten"*"im ${namen[m]} $j weitergehen?"*) ;;
      *) fehler "the offer after $k months reads: $zeile" ;;
    esac
    if [ -n "$antwort" ] && ! cmp -s "$dir/TrevoSpielstand.bin" "$(erwartet "$k")"; then
      fehler "the game recovered after $k months and ended in order is not the save file of that month"
    fi
  elif [ -s "$arbeit/neu" ]; then
    fehler "a start without a recovery point told: $(cat "$arbeit/neu")"
  fi
  if { [ -z "$k" ] || [ -z "$antwort" ]; } && ! cmp -s "$dir/TrevoSpielstand.bin" "$arbeit/ohne/TrevoSpielstand.bin"; then
    fehler "declined, the game did not go on from the last orderly save"
  fi
  if [ "$(ls -A "$dir")" != TrevoSpielstand.bin ]; then
    fehler "left behind: $(ls -A "$dir" | tr '\n' ' ')"
  fi
done
if [ $fehlschlag = 0 ]; then echo "$getoetet of $runden runs killed, each recovered as expected"; fi
exit $fehlschlag

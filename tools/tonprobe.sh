#!/usr/bin/env bash
# The game heard through a sound server of its own (ctest musik_im_klangserver):
#
#   tools/tonprobe.sh TREVO TONPROBE
#
# TREVO is the game as built, with its music (trevo.ogg) and its sound module
# beside it; TONPROBE is the same game that switches its music off through
# the menu (tests/media/tonprobe.cpp). With a PulseAudio null sink of its own
# (tools/tonserver.sh), the sink's monitor is recorded while
#   1. the game plays as it starts, music on: the recording must not be
#      silent; the game's processor time during it is printed;
#   2. the music has been switched off from the menu: it must be silent;
#   3. the game plays a piece of 1.5 s in place of its music: it must still
#      sound seconds later (the end of the piece is reported, and the frame
#      starts it again);
#   4. the probe keeps the UI thread busy for a second while a long tone
#      plays: the tone must not break off (the music has a thread of its
#      own).
# Every game runs as a copy in a directory of its own (its save file goes
# there); everything started here is ended here, the directory removed.
set -euo pipefail
trevo=$(realpath "$1")
probe=$(realpath "$2")
bau=$(dirname "$trevo")
sekunden=${TREVO_TONPROBE_SEKUNDEN:-5}
cd "$(dirname "$0")"
source ./tonserver.sh

arbeit=$(mktemp -d "${TMPDIR:-/tmp}/trevo-tonprobe.XXXXXX")
spiel=
aufraeumen() {
  if [ -n "$spiel" ]; then
    kill -KILL "$spiel" 2>/dev/null || true
    wait "$spiel" 2>/dev/null || true
  fi
  tonserver_beenden
  rm -rf "$arbeit"
}
trap aufraeumen EXIT

fehler() {
  echo "tonprobe: $*" >&2
  for log in "$arbeit"/*.log; do
    [ -s "$log" ] && { echo "--- $(basename "$log")"; tail -n 20 "$log"; } >&2
  done
  exit 1
}

# A game directory as the build leaves it: the program (or the probe) with
# the module, the guide (by which the game knows it is not installed) and a
# music file.
einrichten() {
  local ort=$1 programm=$2 musik=$3
  mkdir -p "$ort"
  cp "$programm" "$bau/trevo-klaenge.so" "$bau/trevo.html" "$ort/"
  cp "$musik" "$ort/trevo.ogg"
}

# warten_auf NAME TEXT: until the game has written TEXT to standard error
# (a minute at most).
warten_auf() {
  local i
  for i in $(seq 600); do
    grep -q "$2" "$arbeit/$1.log" && return 0
    kill -0 "$spiel" 2>/dev/null || fehler "$1: das Spiel endete vor \"$2\""
    sleep 0.1
  done
  fehler "$1: \"$2\" kam nicht"
}

# starten NAME PROGRAMM ARGUMENTE…: starts the game offscreen and waits for
# its first picture. Each run keeps its settings in a folder of its own: the
# music switched off in one run must not stay off in the next (the sound
# server's cookie is named, as it lies in the shared home).
starten() {
  local name=$1
  shift
  : >"$arbeit/$name.log"
  mkdir -p "$arbeit/$name.einstellungen"
  QT_QPA_PLATFORM=offscreen TREVO_STARTZEIT=1 XDG_CONFIG_HOME="$arbeit/$name.einstellungen" \
    PULSE_COOKIE="$HOME/.config/pulse/cookie" "$@" 2>"$arbeit/$name.log" &
  spiel=$!
  warten_auf "$name" "erstes Bild"
}

# The game's processor time (user + system) in clock ticks.
ticks() {
  sed 's/.*) //' "/proc/$spiel/stat" | awk '{print $12 + $13}'
}

# The game's orderly end; one that does not come is a fault.
beenden() {
  kill -TERM "$spiel"
  local i
  for i in $(seq 300); do
    kill -0 "$spiel" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$spiel" 2>/dev/null && fehler "das Spiel endet nicht auf SIGTERM"
  wait "$spiel" || fehler "das Spiel endete mit Status $?"
  spiel=
}

laut() { awk -v r="$1" 'BEGIN { exit !(r > 0.003) }'; }
still() { awk -v r="$1" 'BEGIN { exit !(r < 0.0005) }'; }

tonserver_starten "$arbeit/server" || exit 1
[ -s "$bau/trevo.ogg" ] || fehler "$bau/trevo.ogg fehlt"
rms=
# 1. Music on, as the game starts. The stream is loaded after the first
# picture; a second later it plays.
musik_an() {
  einrichten "$arbeit/an" "$trevo" "$bau/trevo.ogg"
  starten an "$arbeit/an/trevo"
  sleep 1.5
  local vorher nachher speicher tick
  vorher=$(ticks)
  tonserver_aufnehmen "$sekunden" "$arbeit/an.raw"
  nachher=$(ticks)
  speicher=$(awk '/^VmRSS/ {print $2}' "/proc/$spiel/status")
  beenden
  rms=$(tonserver_rms "$arbeit/an.raw")
  tick=$(getconf CLK_TCK)
  echo "Musik an: RMS $rms; Rechenzeit $((nachher - vorher)) Ticks zu 1/$tick s in $sekunden s" \
    "($(awk -v t=$((nachher - vorher)) -v s="$sekunden" -v h="$tick" 'BEGIN { printf "%.1f", 100 * t / h / s }') %" \
    "eines Kerns), Speicher $((speicher / 1024)) MiB"
  laut "$rms"
}

# 3. A piece of 1.5 s: four seconds after it began it still sounds.
kurz() {
  einrichten "$arbeit/kurz" "$trevo" "$arbeit/kurz.ogg"
  starten kurz "$arbeit/kurz/trevo"
  sleep 4
  tonserver_aufnehmen 2 "$arbeit/kurz.raw"
  beenden
  rms=$(tonserver_rms "$arbeit/kurz.raw")
  echo "Stück von 1,5 s, 4 s nach dem Start: RMS $rms"
  laut "$rms"
}

# The longest stretch of a recording, in ms, in which not one 10 ms window
# sounds.
laengste_stille() {
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$1" -t dat - | awk '
    /^;/ { next }
    { s += $2 * $2 + $3 * $3; if (++n == 441) { still = sqrt(s / 882) < 0.01; lauf = still ? lauf + 10 : 0;
        if (lauf > max) max = lauf; s = n = 0 } }
    END { print max + 0 }'
}

# 4. The UI thread stands still for a second, and the tone goes on.
stau() {
  einrichten "$arbeit/stau" "$probe" "$arbeit/lang.ogg"
  starten stau "$arbeit/stau/$(basename "$probe")" "$arbeit/stau" haengen
  warten_auf stau "hängt"
  tonserver_aufnehmen 1.5 "$arbeit/stau.raw"
  warten_auf stau "läuft wieder"
  beenden
  stille=$(laengste_stille "$arbeit/stau.raw")
  echo "Eine Sekunde ohne UI-Thread: längste Stille $stille ms"
  [ "$stille" -le 50 ]
}

sox -n -r 44100 -c 2 -b 16 -e signed "$arbeit/kurz.wav" synth 1.5 sine 440 vol 0.3
oggenc -Q -o "$arbeit/kurz.ogg" "$arbeit/kurz.wav"
sox -n -r 44100 -c 2 -b 16 -e signed "$arbeit/lang.wav" synth 10 sine 440 vol 0.3
oggenc -Q -o "$arbeit/lang.ogg" "$arbeit/lang.wav"

musik_an || fehler "mit Musik ist die Aufnahme still (RMS $rms)"

# 2. Switched off from the menu while it plays.
einrichten "$arbeit/aus" "$probe" "$bau/trevo.ogg"
starten aus "$arbeit/aus/$(basename "$probe")" "$arbeit/aus"
warten_auf aus "Musik ausgeschaltet"
sleep 0.5
tonserver_aufnehmen "$sekunden" "$arbeit/aus.raw"
beenden
rms=$(tonserver_rms "$arbeit/aus.raw")
echo "Musik ausgeschaltet: RMS $rms"
still "$rms" || fehler "ausgeschaltet spielt die Musik weiter (RMS $rms)"

kurz || fehler "das kurze Stück beginnt nach seinem Ende nicht von vorn (RMS $rms)"
stille=
stau || fehler "die Musik bricht ab, während der UI-Thread steht (längste Stille $stille ms)"

#!/usr/bin/env bash
# Makes the game's short sound effects from nothing but sox's synthesizer.
# BOING: two falling tones with a quick fade, mono, 16 bit, 11025 Hz, no
# dither, so that the file comes out the same on every run.
set -euo pipefail
cd "$(dirname "$0")/../resources/klaenge"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
sox -D -n -r 11025 -b 16 -c 1 "$tmp/hoch.wav" synth 0.11 sine 880-820 vol 0.7 fade t 0.005 0.11 0.02
sox -D -n -r 11025 -b 16 -c 1 "$tmp/tief.wav" synth 0.30 sine 440-330 vol 0.7 fade t 0.005 0.30 0.22
sox -D "$tmp/hoch.wav" "$tmp/tief.wav" boing.wav

# The herds' sounds, played when a herd window is activated: 8-bit mono at
# the rates and about the lengths of the classic wave resources. Each is
# made loud at 16 bit, normalised to -3 dB and only then cut to its exact
# length and written at 8 bit (-R: sox's random numbers, used by the noise,
# are the same on every run).
klang() {  # klang NAME RATE LENGTH sox-effects-on-$tmp/roh.wav
  local name=$1 rate=$2 laenge=$3
  sox -R -D "$tmp/roh.wav" "$tmp/norm.wav" gain -n -3
  sox -R -D "$tmp/norm.wav" -r "$rate" -b 8 -e unsigned-integer -c 1 "$name.wav" trim 0 "$laenge"
}
roh() {  # roh RATE synth-and-effects…
  local rate=$1
  shift
  sox -R -D -n -r "$rate" -b 16 -c 1 "$tmp/roh.wav" "$@"
}

# 200, cow: a low, buzzing "mmmooo" that rises, holds and sinks again.
roh 11025 synth 1.0 sawtooth 104 vol 0.3 bend 0.04,250,0.25 0.25,-380,0.4 \
  lowpass 600 lowpass 900 tremolo 4.5 15 fade t 0.15 1.0 0.35
klang 200 11025 1.0

# 201, pig: a short rough grunt, a square buzz shaken by noise.
roh 8000 synth 0.38 square 88 brownnoise mix vol 0.3 tremolo 26 85 \
  bend 0,250,0.12 0.04,-400,0.18 lowpass 750 overdrive 8 fade t 0.02 0.38 0.1
klang 201 8000 0.38

# 202, hen: three quick clucks and a higher "aak".
for i in 1 2 3; do
  sox -R -D -n -r 11025 -b 16 -c 1 "$tmp/gack$i.wav" synth 0.055 square $((560 + 20 * i))-430 vol 0.5 \
    lowpass 1800 fade t 0.005 0.055 0.03 pad 0 0.06
done
sox -R -D -n -r 11025 -b 16 -c 1 "$tmp/aak.wav" synth 0.2 sawtooth 950-640 vol 0.5 tremolo 32 40 \
  highpass 400 lowpass 2400 fade t 0.01 0.2 0.1 pad 0 0.14
sox -R -D "$tmp/gack1.wav" "$tmp/gack2.wav" "$tmp/gack3.wav" "$tmp/aak.wav" "$tmp/roh.wav"
klang 202 11025 0.68

# 203, sheep: a trembling "bäää", bright and nasal, falling at the end.
roh 8000 synth 0.58 sawtooth 330 vol 0.3 tremolo 7.5 65 bend 0,150,0.1 0.12,-250,0.28 \
  highpass 250 lowpass 2200 fade t 0.04 0.58 0.2
klang 203 8000 0.58

# TRAKTOR: a diesel engine chugging for 1.6 s: a low rumble (brown noise and a
# 42 Hz square) beaten into eleven strokes a second by an exponential pulse,
# with a little valve clatter on each stroke. sox's noise is made repeatable
# by -R, so this file, too, comes out the same on every run.
sox -R -D -n -r 22050 -b 16 -c 1 "$tmp/rumpf.wav" synth 1.6 brownnoise synth 1.6 square mix 42 vol 0.5 lowpass 500
sox -R -D "$tmp/rumpf.wav" "$tmp/takt.wav" synth 1.6 exp amod 11 0
sox -R -D -n -r 22050 -b 16 -c 1 "$tmp/klappern.wav" synth 1.6 whitenoise vol 0.3 highpass 1500 synth 1.6 exp amod 11 0 vol 0.25
sox -R -D -m -v 1 "$tmp/takt.wav" -v 0.35 "$tmp/rumpf.wav" -v 1 "$tmp/klappern.wav" "$tmp/motor.wav"
sox -R -D "$tmp/motor.wav" traktor.wav lowpass 2500 fade t 0.08 1.6 0.45 norm -3

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

# TRAKTOR: a diesel engine chugging for 1.6 s: a low rumble (brown noise and a
# 42 Hz square) beaten into eleven strokes a second by an exponential pulse,
# with a little valve clatter on each stroke. sox's noise is made repeatable
# by -R, so this file, too, comes out the same on every run.
sox -R -D -n -r 22050 -b 16 -c 1 "$tmp/rumpf.wav" synth 1.6 brownnoise synth 1.6 square mix 42 vol 0.5 lowpass 500
sox -R -D "$tmp/rumpf.wav" "$tmp/takt.wav" synth 1.6 exp amod 11 0
sox -R -D -n -r 22050 -b 16 -c 1 "$tmp/klappern.wav" synth 1.6 whitenoise vol 0.3 highpass 1500 synth 1.6 exp amod 11 0 vol 0.25
sox -R -D -m -v 1 "$tmp/takt.wav" -v 0.35 "$tmp/rumpf.wav" -v 1 "$tmp/klappern.wav" "$tmp/motor.wav"
sox -R -D "$tmp/motor.wav" traktor.wav lowpass 2500 fade t 0.08 1.6 0.45 norm -3

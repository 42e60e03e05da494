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

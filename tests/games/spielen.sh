#!/usr/bin/env bash
# Plays one scripted game in a fresh directory, as the checks and the
# regeneration of the expectations both do.
#
#   spielen.sh TREVO_SIM SPIELE NAME ARBEIT
#
# SPIELE/NAME.trevo is the script. SPIELE/NAME.start, when present, is the
# save file the game starts from; SPIELE/NAME.wiederherstellen, when present,
# the recovery point a crashed run left beside it; SPIELE/NAME.ogg, when
# present, is put beside it as the music file. Afterwards ARBEIT holds the transcript
# (protokoll), standard error (fehler), the exit status (status) and the
# save file the game wrote (TrevoSpielstand.bin) and its logbook (TrevoHofbuch.csv).
set -euo pipefail
sim=$1 spiele=$2 name=$3 arbeit=$4

rm -rf "$arbeit"
mkdir -p "$arbeit/dir"
if [ -f "$spiele/$name.start" ]; then cp "$spiele/$name.start" "$arbeit/dir/TrevoSpielstand.bin"; fi
if [ -f "$spiele/$name.wiederherstellen" ]; then
  cp "$spiele/$name.wiederherstellen" "$arbeit/dir/TrevoSpielstand.wiederherstellen"
fi
if [ -f "$spiele/$name.ogg" ]; then cp "$spiele/$name.ogg" "$arbeit/dir/trevo.ogg"; fi
status=0
"$sim" --dir "$arbeit/dir" "$spiele/$name.trevo" >"$arbeit/protokoll" 2>"$arbeit/fehler" || status=$?
echo "$status" >"$arbeit/status"
if [ -f "$arbeit/dir/TrevoSpielstand.bin" ]; then cp "$arbeit/dir/TrevoSpielstand.bin" "$arbeit/TrevoSpielstand.bin"; fi
if [ -f "$arbeit/dir/TrevoHofbuch.csv" ]; then cp "$arbeit/dir/TrevoHofbuch.csv" "$arbeit/TrevoHofbuch.csv"; fi

#!/usr/bin/env bash
# Checks one scripted game byte for byte: the transcript against NAME.protokoll
# and the save file against NAME.spielstand. Shows the differences on failure.
#
#   spiel_pruefen.sh TREVO_SIM SPIELE NAME ARBEIT
set -uo pipefail
sim=$1 spiele=$2 name=$3 arbeit=$4
hier=$(dirname "$0")

"$hier/spielen.sh" "$sim" "$spiele" "$name" "$arbeit" || exit 1
fehlschlag=0
status=$(cat "$arbeit/status")
if [ "$status" != 0 ]; then
  echo "trevo-sim ended with status $status:"
  cat "$arbeit/fehler"
  fehlschlag=1
elif [ -s "$arbeit/fehler" ]; then
  echo "trevo-sim wrote to standard error:"
  cat "$arbeit/fehler"
  fehlschlag=1
fi
if ! cmp -s "$spiele/$name.protokoll" "$arbeit/protokoll"; then
  echo "transcript differs from $name.protokoll:"
  diff -u "$spiele/$name.protokoll" "$arbeit/protokoll" | head -200
  fehlschlag=1
fi
if ! cmp -s "$spiele/$name.spielstand" "$arbeit/TrevoSpielstand.bin"; then
  echo "save file differs from $name.spielstand:"
  diff -u --strip-trailing-cr "$spiele/$name.spielstand" "$arbeit/TrevoSpielstand.bin" | head -200
  cmp "$spiele/$name.spielstand" "$arbeit/TrevoSpielstand.bin"
  fehlschlag=1
fi
# The logbook adds up and agrees with the save file; where NAME.hofbuch is
# there, byte for byte.
if [ "$status" = 0 ] && [ -f "$arbeit/TrevoHofbuch.csv" ] &&
  ! "$hier/hofbuch_pruefen.sh" "$arbeit/TrevoHofbuch.csv" "$arbeit/TrevoSpielstand.bin"; then
  echo "the logbook does not agree with the save file"
  fehlschlag=1
fi
if [ -f "$spiele/$name.hofbuch" ] && ! cmp -s "$spiele/$name.hofbuch" "$arbeit/TrevoHofbuch.csv"; then
  echo "logbook differs from $name.hofbuch:"
  diff -u "$spiele/$name.hofbuch" "$arbeit/TrevoHofbuch.csv" | head -100
  fehlschlag=1
fi
# An orderly end leaves no recovery point behind.
if [ "$status" = 0 ] && [ -e "$arbeit/dir/TrevoSpielstand.wiederherstellen" ]; then
  echo "the orderly end left TrevoSpielstand.wiederherstellen behind"
  fehlschlag=1
fi
if [ $fehlschlag = 0 ]; then echo "$name: transcript and save file as expected"; fi
exit $fehlschlag

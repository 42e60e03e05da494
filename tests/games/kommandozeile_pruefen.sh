#!/usr/bin/env bash
# The command line of trevo-sim: bad calls end with status 2 and write
# nothing; the script may come from standard input; a save file that cannot
# be read is reported, kept, and ends with status 1.
#
#   kommandozeile_pruefen.sh TREVO_SIM ARBEIT
set -uo pipefail
sim=$1 arbeit=$2
rm -rf "$arbeit"
mkdir -p "$arbeit/dir"
fehlschlag=0

# erwarte STATUS STDERR-ANFANG -- ARGUMENTE…
erwarte() {
  local status=$1 anfang=$2
  shift 3
  local s=0
  "$sim" "$@" </dev/null >"$arbeit/aus" 2>"$arbeit/err" || s=$?
  if [ "$s" != "$status" ] || [ "$(head -c ${#anfang} "$arbeit/err")" != "$anfang" ]; then
    echo "trevo-sim $*: status $s, standard error:"
    cat "$arbeit/err"
    echo "expected status $status and a message beginning \"$anfang\""
    fehlschlag=1
  fi
  if [ "$status" = 2 ] && [ -s "$arbeit/aus" ]; then
    echo "trevo-sim $*: wrote a transcript although refused"
    fehlschlag=1
  fi
}

printf 'weiter\n' >"$arbeit/gut.trevo"
erwarte 2 "trevo-sim: cannot read the script $arbeit/fehlt.trevo" -- --dir "$arbeit/dir" "$arbeit/fehlt.trevo"
erwarte 2 "trevo-sim: cannot read the script $arbeit/dir" -- --dir "$arbeit/dir" "$arbeit/dir"
erwarte 2 "trevo-sim: $arbeit/fehlt is not a directory" -- --dir "$arbeit/fehlt" "$arbeit/gut.trevo"
erwarte 2 "trevo-sim: $arbeit/gut.trevo is not a directory" -- --dir "$arbeit/gut.trevo" "$arbeit/gut.trevo"
erwarte 2 "trevo-sim: --dir needs a directory" -- "$arbeit/gut.trevo" --dir
erwarte 2 "trevo-sim: unknown option --seed" -- --seed 3 "$arbeit/gut.trevo"
erwarte 2 "trevo-sim: only one script" -- --dir "$arbeit/dir" "$arbeit/gut.trevo" "$arbeit/gut.trevo"
if [ -n "$(ls -A "$arbeit/dir")" ]; then
  echo "refused calls left files behind:"
  ls -A "$arbeit/dir"
  fehlschlag=1
fi
erwarte 0 "" -- --help
if ! grep -q '^usage: trevo-sim' "$arbeit/aus"; then
  echo "--help printed no usage"
  fehlschlag=1
fi

# The script from standard input, with and without "-", in the directory
# given as --dir=DIR: both runs book the first month's costs of a new game.
for argument in "" "-"; do
  rm -f "$arbeit/dir/TrevoSpielstand.bin"
  s=0
  "$sim" --dir="$arbeit/dir" $argument <"$arbeit/gut.trevo" >"$arbeit/aus" 2>"$arbeit/err" || s=$?
  if [ "$s" != 0 ] || [ "$(cat "$arbeit/aus")" != "$(printf 'buchung\t-38607\tSonstige Kosten')" ] ||
    ! grep -q '^monat=4' "$arbeit/dir/TrevoSpielstand.bin"; then
    echo "script from standard input (\"$argument\"): status $s, transcript:"
    cat "$arbeit/aus" "$arbeit/err"
    fehlschlag=1
  fi
done

# Without --dir the game plays in the current directory.
rm -f "$arbeit/dir/TrevoSpielstand.bin"
s=0
(cd "$arbeit/dir" && "$sim" "$arbeit/gut.trevo" >"$arbeit/aus" 2>"$arbeit/err") || s=$?
if [ "$s" != 0 ] || ! grep -q '^monat=4' "$arbeit/dir/TrevoSpielstand.bin"; then
  echo "without --dir: status $s, no save file in the current directory"
  fehlschlag=1
fi

# A directory in the save file's place: told at the start, left alone at the
# end, the game kept beside it; the run ends with status 1.
rm -rf "$arbeit/dir" && mkdir -p "$arbeit/dir/TrevoSpielstand.bin"
s=0
"$sim" --dir "$arbeit/dir" "$arbeit/gut.trevo" >"$arbeit/aus" 2>"$arbeit/err" || s=$?
if [ "$s" != 1 ] || ! head -n 1 "$arbeit/aus" | grep -q "^meldung	Fehler	Der Spielstand konnte nicht gelesen werden:" ||
  ! tail -n 1 "$arbeit/aus" | grep -q "^meldung	Fehler	Der Spielstand konnte nicht gespeichert werden:" ||
  [ "$(ls -A "$arbeit/dir" | grep -v '^TrevoHofbuch')" != "$(printf 'TrevoSpielstand-gerettet.bin\nTrevoSpielstand.bin')" ] ||
  ! grep -q '^monat=4' "$arbeit/dir/TrevoSpielstand-gerettet.bin"; then
  echo "unreadable save file: status $s, transcript:"
  cat "$arbeit/aus" "$arbeit/err"
  ls -A "$arbeit/dir"
  fehlschlag=1
fi

# A disk that takes no file of a kilobyte: the recovery point's failure is
# told after the month, the end's choice takes the script's answers in turn
# (the file dialog cancelled, then ending without saving, confirmed), and the
# run ends with status 1 and nothing written.
rm -rf "$arbeit/dir" && mkdir -p "$arbeit/dir"
printf 'weiter\nanderswo-speichern abbruch\nbeim-ende ohne-speichern\n' >"$arbeit/voll.trevo"
# (The transcript goes through a pipe: the limit is the files'.)
(trap '' XFSZ; ulimit -f 1; "$sim" --dir "$arbeit/dir" "$arbeit/voll.trevo" 2>/dev/null; echo $? >"$arbeit/status") |
  cat >"$arbeit/aus"
s=$(cat "$arbeit/status")
: >"$arbeit/err"
if [ "$s" != 1 ] || [ "$(grep -v '^meldung	Warnung	Das Hofbuch' "$arbeit/aus" | cut -f 1-2)" != "$(printf \
  'buchung\t-38607\nmeldung\tWarnung\nmeldung\tFehler\ndateiwahl\tTrevoSpielstand.bin\nmeldung\tFehler\nmeldung\tBestätigen')" ] ||
  ! grep -q "^meldung	Warnung	Der Wiederherstellungspunkt konnte nicht geschrieben werden:" "$arbeit/aus" ||
  [ -n "$(ls -A "$arbeit/dir" | grep -v '^TrevoHofbuch')" ]; then
  echo "full disk: status $s, transcript:"
  cat "$arbeit/aus" "$arbeit/err"
  ls -A "$arbeit/dir"
  fehlschlag=1
fi

[ $fehlschlag = 0 ] && echo "command line as expected"
exit $fehlschlag

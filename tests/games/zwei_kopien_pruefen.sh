#!/usr/bin/env bash
# Two copies of the game on one save file. A copy started while another holds
# the file is refused (status 3, nothing played, nothing written); the lock of
# a copy that was killed blocks nothing; and two copies started at once, again
# and again, never lose the game of a copy that reports success.
#
#   zwei_kopien_pruefen.sh TREVO_SIM ARBEIT
set -uo pipefail
sim=$1 arbeit=$2
rm -rf "$arbeit"
mkdir -p "$arbeit/dir"
dir=$arbeit/dir
sperre=$dir/TrevoSpielstand.bin.sperre
fehlschlag=0
printf 'weiter\n' >"$arbeit/eins.trevo"
printf 'weiter\nweiter\n' >"$arbeit/zwei.trevo"

# Another copy holds the save file.
printf '[Kontrolle]\r\nmonat=7\r\n' >"$dir/TrevoSpielstand.bin"
cp "$dir/TrevoSpielstand.bin" "$arbeit/vorher"
s=0
flock "$sperre" "$sim" --dir "$dir" "$arbeit/eins.trevo" >"$arbeit/aus" 2>"$arbeit/err" || s=$?
if [ "$s" != 3 ] || ! grep -q "^trevo-sim: Trevo läuft bereits\." "$arbeit/err" || [ -s "$arbeit/aus" ] ||
  ! cmp -s "$arbeit/vorher" "$dir/TrevoSpielstand.bin"; then
  echo "second copy while the first runs: status $s"
  cat "$arbeit/aus" "$arbeit/err"
  fehlschlag=1
fi

# A copy killed while it held the lock leaves the lock file, but no lock.
{ (
  exec 9>"$sperre"
  flock 9
  kill -KILL $BASHPID
); } 2>/dev/null
s=0
"$sim" --dir "$dir" "$arbeit/eins.trevo" >"$arbeit/aus" 2>"$arbeit/err" || s=$?
if [ "$s" != 0 ] || ! grep -q '^monat=8' "$dir/TrevoSpielstand.bin" || [ -e "$sperre" ]; then
  echo "after a killed copy: status $s"
  cat "$arbeit/err"
  ls -A "$dir"
  fehlschlag=1
fi

# Both at once from a new game: one month and two months. Either one is
# refused and the file holds the other's game, or they ran one after the
# other and the file holds all three months.
verweigert=0
for runde in $(seq 30); do
  rm -f "$dir/TrevoSpielstand.bin" "$dir"/TrevoHofbuch*.csv
  "$sim" --dir "$dir" "$arbeit/eins.trevo" >"$arbeit/a.aus" 2>"$arbeit/a.err" &
  a=$!
  "$sim" --dir "$dir" "$arbeit/zwei.trevo" >"$arbeit/b.aus" 2>"$arbeit/b.err" &
  b=$!
  sa=0 sb=0
  wait $a || sa=$?
  wait $b || sb=$?
  case "$sa $sb" in
    "0 0") erwartet=monat=6 ;;
    "0 3") erwartet=monat=4 verweigert=$((verweigert + 1)) ;;
    "3 0") erwartet=monat=5 verweigert=$((verweigert + 1)) ;;
    *) erwartet="status $sa $sb" ;;
  esac
  monat=$(grep -a '^monat=' "$dir/TrevoSpielstand.bin" | tr -d '\r')
  if [ "$monat" != "$erwartet" ] || [ "$(ls -A "$dir" | grep -v '^TrevoHofbuch')" != TrevoSpielstand.bin ]; then
    echo "round $runde: status $sa and $sb, the file holds \"$monat\", expected \"$erwartet\""
    cat "$arbeit/a.err" "$arbeit/b.err"
    ls -A "$dir"
    fehlschlag=1
    break
  fi
done
if [ $fehlschlag = 0 ]; then echo "two copies as expected ($verweigert of 30 rounds with one refused)"; fi
exit $fehlschlag

#!/usr/bin/env bash
# Checks a logbook against the save file it belongs to: every row's bookings
# add up to the balance's movement over the month, to the cent; each month
# begins with the balance the one before ended with and follows it, none left
# out and none twice (with ZAEHLEN=1 the rows missing and doubled go to
# standard error as two numbers); no completed month lies
# at or after the month the save file goes on with (a killed game's months
# never happened); and the last row, the month the orderly end left running,
# ends with the save file's balance.
#
#   hofbuch_pruefen.sh BUCH SPIELSTAND
set -uo pipefail
buch=$1 stand=$2
wert() {  # KEY DEFAULT: the value in the save file's [Kontrolle], as the game reads it
  awk -v k="$1" -v d="$2" 'BEGIN { RS = "\r?\n" } /^\[/ { s = tolower($0) }
    s == "[kontrolle]" && index(tolower($0), k "=") == 1 {
      v = substr($0, length(k) + 2); gsub(/^ +| +$/, "", v); if (v ~ /^-?[0-9]+$/) d = v } END { print d }' "$stand"
}
monat=$(wert monat 3) jahr=$(wert jahr 2001) geld=$(wert geld 1000000)
[ "$monat" -ge 1 ] && [ "$monat" -le 12 ] || monat=3
awk -F';' -v zaehlen="${ZAEHLEN:-0}" -v monat="$monat" -v jahr="$jahr" -v geld="$geld" '
  function cent(t) { gsub(",", "", t); return t + 0 }
  { sub(/\r$/, "") }
  NR == 1 {
    for (i = 1; i <= NF; i++) {
      if ($i == "Guthaben am Monatsanfang") a = i
      if ($i == "Guthaben am Monatsende") e = i
    }
    if (!a || !e || e <= a + 1) { print "no balance columns in the header"; bad = 1; exit }
    next
  }
  {
    summe = 0
    for (i = a + 1; i < e; i++) summe += cent($i)
    if (cent($a) + summe != cent($e)) {
      printf "row %d (%s/%s): %s + bookings %.2f != %s\n", NR, $2, $1, $a, summe / 100, $e; bad = 1
    }
    if (NR > 2 && cent($a) != ende) { printf "row %d begins with %s, the month before ended with %.2f\n", NR, $a, ende / 100; bad = 1 }
    # Every month once, in turn: none left out, none twice.
    datum = $1 * 12 + $2
    if (NR > 2 && datum != vorher + 1) {
      printf "row %d: month %s/%s follows %d/%d\n", NR, $2, $1, (vorher - 1) % 12 + 1, int((vorher - 1) / 12); bad = 1
      if (datum <= vorher) doppelt += vorher - datum + 1; else fehlt += datum - vorher - 1
    }
    vorher = datum
    ende = cent($e)
    if ($3 == "abgeschlossen" && $1 * 12 + $2 >= jahr * 12 + monat) {
      printf "row %d: month %s/%s is done, but the save file goes on at %d/%d\n", NR, $2, $1, monat, jahr; bad = 1
    }
    letzte = $0; lm = $2; lj = $1; ls = $3
  }
  END {
    if (zaehlen) printf "%d %d\n", fehlt, doppelt > "/dev/stderr"
    if (bad) exit 1
    if (NR < 2) exit 0
    if (ls != "laufend" || lm != monat || lj != jahr || ende != geld) {
      printf "the last row (%s %s/%s ending with %.2f) is not the running month %d/%d of the save file with %.2f\n",
        ls, lm, lj, ende / 100, monat, jahr, geld / 100
      exit 1
    }
  }' "$buch"

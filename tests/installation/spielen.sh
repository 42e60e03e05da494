#!/usr/bin/env bash
# Plays an installed game with a fresh HOME: asks it for its help and its
# version where there is no display, starts it offscreen, ends it as the
# system would, and checks where it found its files and saved, and that it
# wrote nothing into its installation. Used by installieren_test.sh on a
# scratch prefix and by the package's autopkgtest (debian/tests) on the
# installed system.
#
#   spielen.sh PROGRAMM INSTALLATION…   (the folders the game may not write)
set -euo pipefail
programm=$1
shift
tmp=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }

# Without any display: the answer on standard output, status 0.
ohneAnzeige=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$tmp")
version=$("${ohneAnzeige[@]}" "$programm" --version) || fehler "--version ohne Anzeige: Status $?"
[[ $version =~ ^Trevo\ [0-9]+(\.[0-9]+)+$ ]] || fehler "--version: $version"
"${ohneAnzeige[@]}" "$programm" --help | grep -qE '^(Aufruf|Usage): trevo' || fehler "--help ohne Anzeige"

mkdir -p "$tmp/heim"
vorher=$(find "$@" | sort)
cd "$tmp/heim"
HOME=$tmp/heim XDG_DATA_HOME=$tmp/heim/daten QT_QPA_PLATFORM=offscreen TREVO_STARTZEIT=1 \
  "$programm" 2>"$tmp/fehler.txt" &
pid=$!
for _ in $(seq 600); do
  grep -q "Trevo: Hilfe" "$tmp/fehler.txt" && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -TERM "$pid"
rc=0
wait "$pid" || rc=$?
pid=
cat "$tmp/fehler.txt"
[ "$rc" -eq 0 ] || fehler "Ende mit $rc"
grep -qx "Trevo: Spielstand in $tmp/heim/daten/trevo" "$tmp/fehler.txt" || fehler "Spielstand nicht unter XDG_DATA_HOME"
grep -qx "Trevo: Musik gefunden" "$tmp/fehler.txt" || fehler "Musik nicht gefunden"
grep -qx "Trevo: Hilfe gefunden" "$tmp/fehler.txt" || fehler "Hilfe nicht gefunden"
grep -qx "Trevo: Klänge gefunden" "$tmp/fehler.txt" || fehler "Klangmodul nicht gefunden"
[ -s "$tmp/heim/daten/trevo/TrevoSpielstand.bin" ] || fehler "kein Spielstand geschrieben"
[ "$(find "$@" | sort)" = "$vorher" ] || fehler "das Spiel hat in seine Installation geschrieben"
[ "$(stat -c %a "$tmp/heim/daten/trevo")" = 700 ] || fehler "trevo-Verzeichnis für andere lesbar"
echo "$version: gestartet und in Ordnung beendet"

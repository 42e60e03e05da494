#!/usr/bin/env bash
# The Debian package, as a player gets it: built from a clean copy of the
# tree with dpkg-buildpackage, checked by lintian (no error, no warning),
# installed with apt-get (as root; otherwise unpacked into a scratch root),
# and the installed game played under a headless Wayland compositor with a
# fresh HOME while the source and build trees are hidden from it: a month
# with "Weiter", the quantity dialog that the game places by the pointer, the guide with its pictures, "Programm be&enden", the save
# file in ~/.local/share/trevo and nothing written into the installation.
# The source package is built and linted as well, and where the package is
# installed the installed game passes its autopkgtest (debian/tests).
# Three screenshots of the compositor's screen land in build/paket/.
#
#   tools/paket.sh
set -euo pipefail
cd "$(dirname "$0")/.."
wurzel=$PWD
aus=$wurzel/build/paket
fehler() { echo "Paket: FEHLER: $*" >&2; exit 1; }
uhr=$SECONDS

# 1. Build, from a copy without build directories, so that nothing of a
#    developer's build leaks in and the tree stays clean.
rm -rf "$aus"
mkdir -p "$aus/trevo"
tar -c --exclude=./build --exclude=./.git --exclude='./obj-*' --exclude=./debian/trevo \
  --exclude=./debian/.debhelper . | tar -x -C "$aus/trevo"
#    The source package too, as an archive gets it: lintian reads both.
(cd "$aus/trevo" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" DEB_BUILD_PROFILES=nocheck \
  dpkg-buildpackage -us -uc >"$aus/bau.log" 2>&1) || { tail -n 40 "$aus/bau.log"; fehler "dpkg-buildpackage"; }
ls "$aus"/trevo_*.dsc >/dev/null 2>&1 || fehler "kein Quellpaket"
deb=$(ls "$aus"/trevo_*_*.deb)
echo "Paket: $(basename "$deb") gebaut ($((SECONDS - uhr)) s)"

# 2. lintian on the source and the binary package: errors and warnings
#    fail; what it only tells is shown. Where lintian is wrong, an override
#    in debian/source/lintian-overrides says why.
lintian --fail-on error,warning --display-info --tag-display-limit 0 "$aus"/trevo_*.changes \
  | tee "$aus/lintian.txt" || fehler "lintian"
echo "Paket: lintian ohne Fehler und Warnungen"

# The package's files by folder, for the record.
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' | grep -v '/$' >"$aus/dateien.txt"

# 3. Install.
tmp=$(mktemp -d)
weston_pid=
spiel=
aufraeumen() {
  [ -n "$spiel" ] && kill "$spiel" 2>/dev/null && wait "$spiel" 2>/dev/null
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  [ -n "${entfernen:-}" ] && apt-get purge -y -qq trevo >/dev/null 2>&1
  rm -rf "$tmp"
}
trap aufraeumen EXIT
entfernen=
if [ "$(id -u)" -eq 0 ]; then
  dpkg-query -W -f='${Status}' trevo 2>/dev/null | grep -q 'install ok installed' || entfernen=1
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=300 "$deb" >"$aus/apt.log" 2>&1 \
    || { cat "$aus/apt.log"; fehler "apt-get install"; }
  ziel=
else
  echo "Paket: nicht root, das Paket wird nur ausgepackt"
  dpkg-deb -x "$deb" "$tmp/system"
  ziel=$tmp/system
fi
trevo=$ziel/usr/games/trevo
[ -x "$trevo" ] || fehler "$trevo fehlt"

# 4. The test player, outside every tree the game may not see.
cmake -S tests/installation/testspieler -B build/testspieler >/dev/null
cmake --build build/testspieler >/dev/null
cp build/testspieler/trevo-testspieler.so "$tmp/"

# 5. Weston, headless, drawing with pixman; --debug lets the screenshooter in.
mkdir -m 700 "$tmp/laufzeit" "$tmp/schritte" "$tmp/bilder"
mkdir "$tmp/heim"
XDG_RUNTIME_DIR=$tmp/laufzeit weston --backend=headless-backend.so --use-pixman --width=1280 --height=1024 \
  --socket=trevo-test --idle-time=0 --debug --log="$tmp/weston.log" &
weston_pid=$!
for _ in $(seq 100); do [ -S "$tmp/laufzeit/trevo-test" ] && break; sleep 0.1; done
[ -S "$tmp/laufzeit/trevo-test" ] || { cat "$tmp/weston.log"; fehler "weston startet nicht"; }
schirmbild() {
  (cd "$tmp/bilder" && XDG_RUNTIME_DIR=$tmp/laufzeit WAYLAND_DISPLAY=trevo-test weston-screenshooter) \
    || fehler "weston-screenshooter"
  local b
  b=$(ls -t "$tmp/bilder"/wayland-screenshot-*.png | head -n 1)
  mv "$b" "$aus/$1"
  python3 tools/bild_pruefen.py "$aus/$1"
}
warten() {
  for _ in $(seq 600); do
    grep -q "$1" "$tmp/fehler.txt" && return 0
    kill -0 "$spiel" 2>/dev/null || break
    sleep 0.1
  done
  cat "$tmp/fehler.txt"
  fehler "gewartet auf: $1"
}

# 6. The game as root where root installed it (an installed game writes
#    nowhere in its installation, not even then), with the source and build
#    trees hidden under an empty file system. In German (LANGUAGE=de): the
#    test player finds the commands by their German names.
verdecken=(unshare --mount --propagation private)
[ "$(id -u)" -eq 0 ] || verdecken+=(--map-root-user)
vorher=$(find "$ziel/usr/share/trevo" "$ziel/usr/lib" -path '*trevo*' 2>/dev/null | sort)
env -i PATH=/usr/games:/usr/bin:/bin HOME="$tmp/heim" XDG_RUNTIME_DIR="$tmp/laufzeit" WAYLAND_DISPLAY=trevo-test \
  QT_QPA_PLATFORM=wayland LD_PRELOAD="$tmp/trevo-testspieler.so" TREVO_TESTSPIELER="$tmp/schritte" \
  TREVO_STARTZEIT=1 LANG=C.UTF-8 LANGUAGE=de \
  "${verdecken[@]}" sh -c 'mount -t tmpfs verdeckt "$1" && cd / && exec "$2"' \
  - "$wurzel" "${ziel:+$ziel/usr/games/}trevo" 2>"$tmp/fehler.txt" &
spiel=$!
warten "Testspieler: Monat gespielt"
schirmbild wayland-monat.png
touch "$tmp/schritte/dialog"
warten "Testspieler: Dialog offen"
schirmbild wayland-dialog.png
touch "$tmp/schritte/dialog-zu"
warten "Testspieler: Klangmodul geladen"
touch "$tmp/schritte/hilfe"
warten "Testspieler: Hilfe "
schirmbild wayland-hilfe.png
touch "$tmp/schritte/ende"
rc=0
wait "$spiel" || rc=$?
spiel=
grep -E '^(Testspieler|Trevo):' "$tmp/fehler.txt" | tee "$aus/spiel.txt"
[ "$rc" -eq 0 ] || { cat "$tmp/fehler.txt"; fehler "das Spiel endete mit $rc"; }

# 7. What the game found and where it saved.
grep -q "^Testspieler: Plattform wayland, März 2001" "$tmp/fehler.txt" || fehler "nicht auf Wayland im März 2001 begonnen"
grep -q "^Testspieler: Monat gespielt: April 2001" "$tmp/fehler.txt" || fehler "kein Monat gespielt"
grep -Eq "^Testspieler: Hilfe $ziel/usr/share/trevo/trevo.html, [1-9][0-9]* Bilder, 0 leer" "$tmp/fehler.txt" \
  || fehler "die Anleitung oder ihre Bilder nicht aus /usr/share/trevo"
for teil in Musik Hilfe; do grep -qx "Trevo: $teil gefunden" "$tmp/fehler.txt" || fehler "$teil nicht gefunden"; done
grep -Eqx "Testspieler: Klangmodul geladen: $ziel/usr/lib/[^/]+/trevo/trevo-klaenge.so" "$tmp/fehler.txt" \
  || fehler "Klangmodul nicht aus /usr/lib/…/trevo geladen"
stand=$tmp/heim/.local/share/trevo/TrevoSpielstand.bin
grep -qx "Trevo: Spielstand in $tmp/heim/.local/share/trevo" "$tmp/fehler.txt" || fehler "Spielstand nicht in ~/.local/share/trevo"
[ -s "$stand" ] || fehler "kein Spielstand geschrieben"
tr -d '\r' <"$stand" | grep -A2 -x '\[Kontrolle\]' | tr '\n' ' ' | grep -q 'monat=4 jahr=2001' \
  || fehler "der Spielstand steht nicht im April 2001"
[ "$(stat -c %a "$tmp/heim/.local/share/trevo")" = 700 ] || fehler "~/.local/share/trevo für andere lesbar"
nachher=$(find "$ziel/usr/share/trevo" "$ziel/usr/lib" -path '*trevo*' 2>/dev/null | sort)
[ "$vorher" = "$nachher" ] || fehler "das Spiel hat in seine Installation geschrieben"
[ ! -e "$ziel/usr/games/TrevoSpielstand.bin" ] || fehler "Spielstand neben dem Programm"
if [ -z "$ziel" ]; then dpkg --verify trevo || fehler "installierte Dateien verändert"; fi
echo "Paket: installiert, unter Wayland einen Monat gespielt, gespeichert ($((SECONDS - uhr)) s)"

# 8. The autopkgtest as the archive runs it: from the source tree, against
#    the installed package (unpacked: against the scratch root).
if [ -z "$ziel" ]; then
  (cd "$aus/trevo" && debian/tests/spielen) >"$aus/autopkgtest.log" 2>&1 \
    || { cat "$aus/autopkgtest.log"; fehler "autopkgtest debian/tests/spielen"; }
else
  tests/installation/spielen.sh "$trevo" "$ziel/usr" >"$aus/autopkgtest.log" 2>&1 \
    || { cat "$aus/autopkgtest.log"; fehler "tests/installation/spielen.sh"; }
fi
echo "Paket: autopkgtest: $(tail -n 1 "$aus/autopkgtest.log") ($((SECONDS - uhr)) s)"

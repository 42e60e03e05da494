#!/usr/bin/env bash
# Installs the build tree given into a scratch prefix, starts the installed
# game there (as root too, when run as root: an installed game writes
# nowhere in its installation) and ends it as the system would.
set -euo pipefail
# installieren_test.sh BAUM [BIN [DATEN]]: the build tree, and where its
# program and its data go below the prefix (bin and share/trevo).
baum=$1
bin=${2:-bin}
daten=${3:-share/trevo}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }

cmake --install "$baum" --prefix "$tmp/usr" >/dev/null
p=$tmp/usr
modul=$(find "$p/lib" -name trevo-klaenge.so)
[ -n "$modul" ] && [ "$(dirname "$modul")" = "$(dirname "$(dirname "$modul")")/trevo" ] \
  || fehler "lib/…/trevo/trevo-klaenge.so fehlt"
for f in "$bin/trevo" "$daten/trevo.ogg" "$daten/trevo.html" \
         share/applications/de.trevo.trevo.desktop share/metainfo/de.trevo.trevo.metainfo.xml \
         share/icons/hicolor/scalable/apps/trevo.svg share/icons/hicolor/48x48/apps/trevo.png \
         share/icons/hicolor/256x256/apps/trevo.png share/doc/trevo/LICENSE; do
  [ -e "$p/$f" ] || fehler "$f fehlt"
done
[ -x "$p/$bin/trevo" ] && [ ! -L "$p/$bin/trevo" ] || fehler "$bin/trevo ist kein Programm"
# Every picture the guide names is installed beside it, and so is every
# screenshot the AppStream data names: they are the guide's pictures.
bilder=$(grep -o 'src="bilder/[^"]*"' "$p/$daten/trevo.html" | sed 's/^src="//; s/"$//')
[ -n "$bilder" ] || fehler "die Anleitung zeigt keine Bilder"
for b in $bilder $(grep -o '/bilder/[^<]*</image>' "$p/share/metainfo/de.trevo.trevo.metainfo.xml" | sed 's|^/||; s|</image>$||'); do
  [ -s "$p/$daten/$b" ] || fehler "$b fehlt"
done
desktop-file-validate "$p/share/applications/de.trevo.trevo.desktop"
appstreamcli validate --pedantic --no-net "$p/share/metainfo/de.trevo.trevo.metainfo.xml" >/dev/null

# Started from there and ended as the system would.
"$(dirname "$0")/spielen.sh" "$p/$bin/trevo" "$p"
echo "installiert, gestartet und in Ordnung beendet"

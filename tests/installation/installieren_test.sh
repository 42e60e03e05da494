#!/usr/bin/env bash
# Installs the build tree given into a scratch prefix, starts the installed
# game from a directory it may not write, and ends it as the system would.
set -euo pipefail
baum=$1
tmp=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$tmp"' EXIT
pid=
fehler() { echo "FEHLER: $*" >&2; exit 1; }

cmake --install "$baum" --prefix "$tmp/usr" >/dev/null
p=$tmp/usr
for f in bin/trevo lib/trevo/trevo lib/trevo/trevo.ogg lib/trevo/trevo.html \
         share/applications/de.trevo.Trevo.desktop share/metainfo/de.trevo.Trevo.metainfo.xml \
         share/icons/hicolor/scalable/apps/trevo.svg share/icons/hicolor/48x48/apps/trevo.png \
         share/icons/hicolor/256x256/apps/trevo.png share/doc/trevo/LICENSE; do
  [ -e "$p/$f" ] || fehler "$f fehlt"
done
[ -x "$p/bin/trevo" ] || fehler "bin/trevo startet nicht"
# Every picture the guide names is installed beside it.
bilder=$(grep -o 'src="bilder/[^"]*"' "$p/lib/trevo/trevo.html" | sed 's/^src="//; s/"$//')
[ -n "$bilder" ] || fehler "die Anleitung zeigt keine Bilder"
for b in $bilder; do
  [ -s "$p/lib/trevo/$b" ] || fehler "$b fehlt"
done
desktop-file-validate "$p/share/applications/de.trevo.Trevo.desktop"
appstreamcli validate --no-net "$p/share/metainfo/de.trevo.Trevo.metainfo.xml" >/dev/null

# An installed program's directory is not the player's: as root every
# directory is writable, so the game runs as nobody there.
mkdir -p "$tmp/heim"
chmod a+rx "$tmp"
chmod -R a+rX "$p"
als=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$tmp/heim"
  als=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  chmod a-w "$p/lib/trevo"
fi
cd "$tmp/heim"
HOME=$tmp/heim XDG_DATA_HOME=$tmp/heim/daten QT_QPA_PLATFORM=offscreen TREVO_STARTZEIT=1 \
  "${als[@]}" "$p/bin/trevo" 2>"$tmp/fehler.txt" &
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
[ ! -e "$p/lib/trevo/TrevoSpielstand.bin" ] || fehler "Spielstand neben dem Programm"
[ "$(stat -c %a "$tmp/heim/daten/trevo")" = 700 ] || fehler "trevo-Verzeichnis für andere lesbar"
echo "installiert, gestartet und in Ordnung beendet"

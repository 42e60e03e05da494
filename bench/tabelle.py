#!/usr/bin/env python3
"""Prints the table of the game's figures, each the median of several runs.

Run under one X server (bench/tabelle.sh does), from a release build tree:
the game and the bare Qt program take turns, so that both see the same
machine."""
import os
import re
import signal
import statistics
import subprocess
import sys
import time

baum = sys.argv[1]
runden = int(sys.argv[2]) if len(sys.argv) > 2 else 9
danach = 1.5


def starten(programm):
    """Seconds from the spawn to the first painted frame, the peak memory at
    that frame (as the program reports it) and the peak of the whole run, in
    KiB. Each program lives on for `danach` seconds after its first frame, as
    a game does (the music loads then), and is ended with SIGTERM."""
    umgebung = dict(os.environ, TREVO_STARTZEIT="1")
    t0 = time.perf_counter()
    p = subprocess.Popen(programm, stderr=subprocess.PIPE, stdout=subprocess.DEVNULL, env=umgebung, text=True)
    bild = None
    for zeile in p.stderr:
        treffer = re.search(r"erstes Bild nach \d+ ms, Speicher (\d+) KiB", zeile)
        if treffer and bild is None:
            bild = time.perf_counter() - t0
            beim_bild = int(treffer.group(1))
            time.sleep(danach)
            p.send_signal(signal.SIGTERM)
    _, status, nutzung = os.wait4(p.pid, 0)
    ende = os.waitstatus_to_exitcode(status)
    # The bare frame has no handler: SIGTERM ends it there and then.
    if bild is None or ende not in (0, -signal.SIGTERM):
        sys.exit(f"{programm[0]}: kein erstes Bild (Ende {ende})")
    return bild, beim_bild, nutzung.ru_maxrss


spiel = [os.path.join(baum, "trevo")]
leer = [os.path.join(baum, "bench", "leer_qt")]
spiel_zeit, spiel_bild, spiel_lauf, leer_zeit, leer_bild, leer_lauf = [], [], [], [], [], []
starten(spiel)  # the first start warms the file cache for both
starten(leer)
for _ in range(runden):
    for programm, zeit, bild, lauf in ((spiel, spiel_zeit, spiel_bild, spiel_lauf),
                                       (leer, leer_zeit, leer_bild, leer_lauf)):
        t, b, l = starten(programm)
        zeit.append(t)
        bild.append(b)
        lauf.append(l)

hof = {}
for zeile in subprocess.run([os.path.join(baum, "bench", "hof_ui_bench"), str(runden)], check=True,
                            capture_output=True, text=True).stdout.splitlines():
    name, wert = zeile.split()
    hof[name] = float(wert)

m = statistics.median
print(f"Trevo, Mediane aus {runden} Läufen")
print(f"{'Messung':<44}{'Trevo':>12}{'Qt leer':>12}{'Verhältnis':>12}")
print(f"{'Start bis zum ersten Bild (ms)':<44}{m(spiel_zeit) * 1e3:>12.1f}{m(leer_zeit) * 1e3:>12.1f}"
      f"{m(spiel_zeit) / m(leer_zeit):>11.2f}x")
print(f"{'Speicher beim ersten Bild (MiB)':<44}{m(spiel_bild) / 1024:>12.1f}{m(leer_bild) / 1024:>12.1f}"
      f"{m(spiel_bild) / m(leer_bild):>11.2f}x")
print(f"{'Speicher, Spitze bis 1,5 s danach (MiB)':<44}{m(spiel_lauf) / 1024:>12.1f}{m(leer_lauf) / 1024:>12.1f}"
      f"{m(spiel_lauf) / m(leer_lauf):>11.2f}x")
print(f"{'Monat des vollen Hofs, Kern (µs)':<44}{hof['monat_kern_us']:>12.0f}")
print(f"{'Monat des vollen Hofs, mit Neuzeichnen (ms)':<44}{hof['monat_gesicht_ms']:>12.2f}")
print(f"{'Geordnetes Ende des vollen Hofs (ms)':<44}{hof['ende_ms']:>12.2f}")

#!/usr/bin/env python3
"""Prints the table of the game's figures, each the median of several runs.

Run under one X server (bench/tabelle.sh does), from a release build tree:
the game and the bare Qt program take turns, so that both see the same
machine."""
import os
import signal
import statistics
import subprocess
import sys
import time

baum = sys.argv[1]
runden = int(sys.argv[2]) if len(sys.argv) > 2 else 9


def starten(programm, ende_schicken):
    """Seconds from the spawn to the first painted frame, and the peak RSS in KiB."""
    umgebung = dict(os.environ, TREVO_STARTZEIT="1")
    t0 = time.perf_counter()
    p = subprocess.Popen(programm, stderr=subprocess.PIPE, stdout=subprocess.DEVNULL, env=umgebung, text=True)
    bild = None
    for zeile in p.stderr:
        if "erstes Bild" in zeile and bild is None:
            bild = time.perf_counter() - t0
            if ende_schicken:
                p.send_signal(signal.SIGTERM)
    _, status, nutzung = os.wait4(p.pid, 0)
    p.returncode = os.waitstatus_to_exitcode(status)
    if bild is None or p.returncode != 0:
        sys.exit(f"{programm[0]}: kein erstes Bild (Ende {p.returncode})")
    return bild, nutzung.ru_maxrss


spiel = [os.path.join(baum, "trevo")]
leer = [os.path.join(baum, "bench", "leer_qt")]
spiel_zeit, spiel_mem, leer_zeit, leer_mem = [], [], [], []
starten(spiel, True)  # the first start warms the file cache for both
starten(leer, False)
for _ in range(runden):
    t, m = starten(spiel, True)
    spiel_zeit.append(t)
    spiel_mem.append(m)
    t, m = starten(leer, False)
    leer_zeit.append(t)
    leer_mem.append(m)

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
print(f"{'Speicher, Spitze (MiB)':<44}{m(spiel_mem) / 1024:>12.1f}{m(leer_mem) / 1024:>12.1f}"
      f"{m(spiel_mem) / m(leer_mem):>11.2f}x")
print(f"{'Monat des vollen Hofs, Kern (µs)':<44}{hof['monat_kern_us']:>12.0f}")
print(f"{'Monat des vollen Hofs, mit Neuzeichnen (ms)':<44}{hof['monat_gesicht_ms']:>12.2f}")
print(f"{'Geordnetes Ende des vollen Hofs (ms)':<44}{hof['ende_ms']:>12.2f}")

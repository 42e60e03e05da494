#!/usr/bin/env python3
"""Counts instructions with callgrind, the game beside the bare Qt program.

    anweisungen.py BAUM [RUNDEN]

From a release build tree holding trevo, bench/leer_qt and bench/hof_ui_bench
(bench/tabelle.sh builds it and runs this after its own table). Offscreen, so
that no X server's timing enters the count.

- the start to the first painted frame (TREVO_STARTZEIT=ende ends the
  program right after it): a new game, the saved full farm (four herds of
  249 animals) and the saved farm after fifty years, each beside the bare
  frame (bench/leer_qt), RUNDEN times (3), the median;
- the full farm through the face (hof_ui_bench --zaehlen), the instructions
  of the UI thread in each action, callees included: a month with every
  herd collapsed and with every herd expanded, and a right click that buys
  diesel with the outlook shown and with it minimized.

Every instruction of the process is counted, the dynamic loader's included;
the start's counts are those of all threads. The last column is the goal
each figure is held to (bench/tabelle.py gives the music's wake-ups)."""
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile

baum = sys.argv[1]
runden = int(sys.argv[2]) if len(sys.argv) > 2 else 3
ORT = tempfile.mkdtemp(prefix="trevo-anweisungen-")
DATEIEN = ("trevo", "trevo.ogg", "trevo.mid", "trevo.html", "trevo-klaenge.so")
LEER = os.path.join(baum, "bench", "leer_qt")
HOF = os.path.join(baum, "bench", "hof_ui_bench")
UMGEBUNG = dict(os.environ, QT_QPA_PLATFORM="offscreen", TREVO_STARTZEIT="ende")


def callgrind(programm, ausgabe, cwd=None):
    subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + ausgabe, *programm],
                   env=UMGEBUNG, cwd=cwd, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def summe(ausgabe):
    with open(ausgabe) as f:
        for zeile in f:
            if zeile.startswith(("summary:", "totals:")):
                return int(zeile.split()[1])
    sys.exit(f"{ausgabe}: keine Summe")


def spiel_ordner(spielstand):
    """A directory holding the game and its files, and the saved game's files."""
    ordner = tempfile.mkdtemp(dir=ORT)
    for name in DATEIEN:
        if os.path.exists(os.path.join(baum, name)):
            shutil.copy2(os.path.join(baum, name), ordner)
    if spielstand:
        for name in os.listdir(spielstand):
            shutil.copy2(os.path.join(spielstand, name), ordner)
    return ordner


def start(spielstand):
    """Median instructions to the first frame: the game, the bare frame."""
    spiel, leer = [], []
    for i in range(runden):
        ordner = spiel_ordner(spielstand)
        ausgabe = os.path.join(ORT, f"start-{i}.out")
        callgrind([os.path.join(ordner, "trevo")], ausgabe, cwd=ordner)
        spiel.append(summe(ausgabe))
        shutil.rmtree(ordner)
        callgrind([LEER], ausgabe)
        leer.append(summe(ausgabe))
    return statistics.median(spiel), statistics.median(leer)


def hof():
    """Inclusive instructions of each trevoZaehlen_ function of hof_ui_bench --zaehlen."""
    ausgabe = os.path.join(ORT, "hof.out")
    callgrind([HOF, "--zaehlen"], ausgabe)
    bericht = subprocess.run(["callgrind_annotate", "--inclusive=yes", "--threshold=100", ausgabe],
                             check=True, capture_output=True, text=True).stdout
    werte = {}
    for zeile in bericht.splitlines():
        treffer = re.match(r"\s*([\d,]+)\s.*\btrevoZaehlen_(\w+)", zeile)
        if treffer:
            werte[treffer.group(2)] = int(treffer.group(1).replace(",", ""))
    return werte


def mio(n):
    return f"{n / 1e6:.1f}"


staende = os.path.join(ORT, "staende")
subprocess.run([HOF, "--spielstaende", staende], env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), check=True,
               stdout=subprocess.DEVNULL)
zeilen = []
for name, stand in (("neues Spiel", None), ("voller Hof", os.path.join(staende, "voll")),
                    ("nach 50 Jahren", os.path.join(staende, "fuenfzig"))):
    s, l = start(stand)
    zeilen.append((f"Start bis zum ersten Bild, {name}", mio(s), mio(l), f"{s / l:.2f}x",
                   "≤ 1.00x" if stand is None else "≤ 1.05x"))
h = hof()
for schluessel, name in (("monat_zu", "Monat des vollen Hofs, Herden zu"),
                         ("monat_offen", "Monat des vollen Hofs, Herden offen"),
                         ("kauf_ausblick_gezeigt", "Rechtsklick Kaufen (Diesel), Ausblick gezeigt"),
                         ("kauf_ausblick_verborgen", "Rechtsklick Kaufen (Diesel), Ausblick minimiert")):
    if schluessel not in h:
        sys.exit(f"hof_ui_bench --zaehlen: {schluessel} nicht gezählt")
    zeilen.append((name, mio(h[schluessel]), "", "", "≤ 25" if schluessel == "monat_zu" else ""))
gezeigt, verborgen = h["kauf_ausblick_gezeigt"], h["kauf_ausblick_verborgen"]
zeilen.append(("Rechtsklick, gezeigt zu minimiert", f"{gezeigt / verborgen:.2f}x", "", "", "≤ 1.20x"))

print(f"Anweisungen (Millionen, callgrind, offscreen), Start: Median aus {runden}")
breite = max(len(z[0]) for z in zeilen)
print(f"| {'Messung':<{breite}} | Trevo | Qt leer | Verhältnis | Ziel |")
print(f"|{'-' * (breite + 2)}|---|---|---|---|")
for z in zeilen:
    print(f"| {z[0]:<{breite}} | {z[1]} | {z[2]} | {z[3]} | {z[4]} |")
shutil.rmtree(ORT, ignore_errors=True)

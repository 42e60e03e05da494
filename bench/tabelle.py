#!/usr/bin/env python3
"""Prints the table of the game's figures beside the bare Qt program's.

    tabelle.py BAUM [PAARE] [SEKUNDEN] [--nur-musik]

Run under an X server (bench/tabelle.sh starts one), from a release build
tree holding trevo, bench/leer_qt and bench/hof_ui_bench. Each start of the
game is a new game, from a directory of its own. The game and the
bare program take turns, PAARE times (at least 21), alternating which one goes
first, so that both see the same machine. Every figure is the median with the
interquartile range (first to third quartile) beside it, and the machine's
load average (one minute) while it was taken, because this machine is shared.

- start, offscreen and on the X server: processor time (user + system, all
  threads) and wall time from the spawn to the first painted frame; the
  program is killed the moment it reports that frame, so the processor time
  is that of the start alone;
- memory: the peak when the first frame is painted (each program reads its
  own VmHWM then);
- the music: runs of SEKUNDEN seconds (10), ended with SIGTERM, of the game
  with its music (a sound server answers: bench/tabelle.sh starts one with a
  null sink), of the game without its music file, and of the bare program,
  in turns: the peak memory of the whole run, and the share of a processor
  core (user + system, all threads) from two seconds after the first frame
  to the signal, and how often its threads woke up in that time (a second,
  counted as the voluntary context switches of all threads); and the game's
  orderly end after its run with music, from
  the signal to the end of the process (--nur-musik: only these);
- the full farm (bench/hof_ui_bench): a month in the core, a month through
  the face, and the farm after fifty years: a month with the logbook window
  closed and open, and the orderly end."""
import os
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

nur_musik = "--nur-musik" in sys.argv
argumente = [a for a in sys.argv if a != "--nur-musik"]
baum = argumente[1]
paare = max(21, int(argumente[2])) if len(argumente) > 2 else 21
sekunden = float(argumente[3]) if len(argumente) > 3 else 10.0

# The game runs from a directory of its own, emptied of everything but the
# program and its files before each start: every start is a new game, never
# one held up by what an earlier run left (a save file, a logbook, a lock).
# The game without music has a directory of its own, without the music file.
ORT = tempfile.mkdtemp(prefix="trevo-tabelle-")
DATEIEN = ("trevo", "trevo.ogg", "trevo.mid", "trevo.html", "trevo-klaenge.so")
MUSIK = ("trevo.ogg", "trevo.mid")
for ort, ohne in (("mit", ()), ("ohne", MUSIK)):
    os.mkdir(os.path.join(ORT, ort))
    for name in DATEIEN:
        if name not in ohne and os.path.exists(os.path.join(baum, name)):
            shutil.copy2(os.path.join(baum, name), os.path.join(ORT, ort))
SPIEL = [os.path.join(ORT, "mit", "trevo")]
OHNE_MUSIK = [os.path.join(ORT, "ohne", "trevo")]
LEER = [os.path.join(baum, "bench", "leer_qt")]
TAKT = os.sysconf("SC_CLK_TCK")


def aufraeumen():
    for ort in ("mit", "ohne"):
        for name in os.listdir(os.path.join(ORT, ort)):
            if name not in DATEIEN:
                pfad = os.path.join(ORT, ort, name)
                shutil.rmtree(pfad) if os.path.isdir(pfad) else os.remove(pfad)
ZEILE = re.compile(r"erstes Bild nach \d+ ms, Speicher (\d+) KiB")


def last():
    with open("/proc/loadavg") as f:
        return float(f.read().split()[0])


def rechenzeit(pid):
    """The process's processor time so far (user + system, all threads), in seconds."""
    with open(f"/proc/{pid}/stat") as f:
        felder = f.read().rsplit(")", 1)[1].split()
    return (int(felder[11]) + int(felder[12])) / TAKT


def schlafpausen(pid):
    """How often the process's threads have gone to sleep so far (voluntary
    context switches, all threads): each is followed by a wake-up."""
    n = 0
    for faden in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{faden}/status") as f:
                for zeile in f:
                    if zeile.startswith("voluntary_ctxt_switches:"):
                        n += int(zeile.split()[1])
        except FileNotFoundError:
            pass
    return n


def lauf(programm, plattform, danach):
    """One run. danach None: killed at the first frame. Otherwise ended with
    SIGTERM that many seconds after it. Returns (seconds to the first frame,
    processor seconds, VmHWM at the frame in KiB, peak RSS of the run in KiB,
    seconds from SIGTERM to the end, share of a core from two seconds after
    the first frame to SIGTERM, wake-ups a second in that time)."""
    aufraeumen()
    umgebung = dict(os.environ, TREVO_STARTZEIT="1")
    if plattform:
        umgebung["QT_QPA_PLATFORM"] = plattform
    t0 = time.perf_counter()
    p = subprocess.Popen(programm, stderr=subprocess.PIPE, stdout=subprocess.DEVNULL, env=umgebung, text=True)
    bild = beim_bild = None
    ende_gesendet = None
    anteil = wecker = 0.0
    for zeile in p.stderr:
        treffer = ZEILE.search(zeile)
        if treffer and bild is None:
            bild = time.perf_counter() - t0
            beim_bild = int(treffer.group(1))
            if danach is None:
                p.kill()
                break
            time.sleep(2)
            von, schlaf, t1 = rechenzeit(p.pid), schlafpausen(p.pid), time.perf_counter()
            time.sleep(max(0.0, danach - 2))
            bis, schlaf2, t2 = rechenzeit(p.pid), schlafpausen(p.pid), time.perf_counter()
            anteil = (bis - von) / (t2 - t1)
            wecker = (schlaf2 - schlaf) / (t2 - t1)
            ende_gesendet = time.perf_counter()
            p.send_signal(signal.SIGTERM)
    _, status, nutzung = os.wait4(p.pid, 0)
    ende = time.perf_counter() - ende_gesendet if ende_gesendet else 0.0
    p.stderr.close()
    code = os.waitstatus_to_exitcode(status)
    # The bare frame has no handler: SIGTERM ends it there and then.
    if bild is None or code not in (0, -signal.SIGTERM, -signal.SIGKILL):
        sys.exit(f"{programm[0]}: kein erstes Bild (Ende {code})")
    return bild, nutzung.ru_utime + nutzung.ru_stime, beim_bild, nutzung.ru_maxrss, ende, anteil, wecker


def paarweise(plattform, danach, programme=(SPIEL, LEER)):
    """PAARE rounds of the programs in turn, each round starting with the
    next; returns each program's runs and the load averages seen."""
    laeufe, lasten = [[] for _ in programme], []
    for i in range(paare):
        lasten.append(last())
        for j in range(len(programme)):
            k = (i + j) % len(programme)
            laeufe[k].append(lauf(programme[k], plattform, danach))
    lasten.append(last())
    return (*laeufe, lasten)


def q(werte):
    return statistics.median(werte), *statistics.quantiles(werte, n=4, method="inclusive")[::2]


def zahl(wert, einheit):
    return f"{wert:.0f}" if einheit == "µs" else f"{wert:.2f}" if einheit == "%" else f"{wert:.1f}"


zeilen = []


def zeile(name, einheit, spiel, leer, lasten):
    m, q1, q3 = q(spiel)
    text = f"{name} ({einheit})"
    spalte_spiel = f"{zahl(m, einheit)} [{zahl(q1, einheit)}–{zahl(q3, einheit)}]"
    if leer:
        lm, l1, l3 = q(leer)
        spalte_leer = f"{zahl(lm, einheit)} [{zahl(l1, einheit)}–{zahl(l3, einheit)}]"
        verhaeltnis = f"{m / lm:.2f}x" if lm else ""
    else:
        spalte_leer = verhaeltnis = ""
    zeilen.append((text, spalte_spiel, spalte_leer, verhaeltnis, f"{statistics.mean(lasten):.1f}"))


# The first start of each warms the file cache for both.
for programm in (SPIEL, OHNE_MUSIK, LEER):
    lauf(programm, "offscreen", None)

for plattform, name in () if nur_musik else (("offscreen", "offscreen"), (None, "X-Server")):
    spiel, leer, lasten = paarweise(plattform, None)
    zeile(f"Start bis zum ersten Bild, Rechenzeit, {name}", "ms",
          [r[1] * 1e3 for r in spiel], [r[1] * 1e3 for r in leer], lasten)
    zeile(f"Start bis zum ersten Bild, Zeit, {name}", "ms",
          [r[0] * 1e3 for r in spiel], [r[0] * 1e3 for r in leer], lasten)
    if plattform is None:
        zeile("Speicher beim ersten Bild", "MiB",
              [r[2] / 1024 for r in spiel], [r[2] / 1024 for r in leer], lasten)

spiel, ohne, leer, lasten = paarweise(None, sekunden, (SPIEL, OHNE_MUSIK, LEER))
zeile(f"Speicher, Spitze in {sekunden:g} s mit Musik", "MiB",
      [r[3] / 1024 for r in spiel], [r[3] / 1024 for r in leer], lasten)
zeile(f"Speicher, Spitze in {sekunden:g} s ohne Musik", "MiB",
      [r[3] / 1024 for r in ohne], [r[3] / 1024 for r in leer], lasten)
zeile("Rechenzeit mit Musik, Anteil eines Kerns", "%",
      [r[5] * 100 for r in spiel], [r[5] * 100 for r in leer], lasten)
zeile("Rechenzeit ohne Musik, Anteil eines Kerns", "%",
      [r[5] * 100 for r in ohne], [r[5] * 100 for r in leer], lasten)
zeile("Aufwachen mit Musik, alle Fäden (Ziel ≤ 12)", "1/s", [r[6] for r in spiel], [r[6] for r in leer], lasten)
zeile("Aufwachen ohne Musik, alle Fäden", "1/s", [r[6] for r in ohne], [r[6] for r in leer], lasten)
zeile(f"Geordnetes Ende nach {sekunden:g} s mit Musik", "ms", [r[4] * 1e3 for r in spiel], None, lasten)

vorher = last()
hof = {}
for ausgabe in [] if nur_musik else subprocess.run(
        [os.path.join(baum, "bench", "hof_ui_bench"), str(paare)], check=True, capture_output=True, text=True,
        env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout.splitlines():
    name, *werte = ausgabe.split()
    hof[name] = [float(w) for w in werte]
lasten = [vorher, last()]


def hofzeile(name, einheit, schluessel):
    if schluessel not in hof:
        return
    m, q1, q3 = hof[schluessel]
    zeilen.append((f"{name} ({einheit})", f"{zahl(m, einheit)} [{zahl(q1, einheit)}–{zahl(q3, einheit)}]",
                   "", "", f"{statistics.mean(lasten):.1f}"))


hofzeile("Monat des vollen Hofs, Kern, Rechenzeit", "µs", "monat_kern_rechenzeit_us")
hofzeile("Monat des vollen Hofs, Weiter bis neu gezeichnet", "ms", "monat_gesicht_ms")
hofzeile("Nach 50 Jahren: Monat, Hofbuch zu", "ms", "fuenfzig_monat_ms")
hofzeile("Nach 50 Jahren: Monat, Hofbuch offen", "ms", "fuenfzig_monat_hofbuch_ms")
hofzeile("Nach 50 Jahren: geordnetes Ende", "ms", "fuenfzig_ende_ms")
if hof.get("boxen", [0])[0]:
    print(f"Achtung: {hof['boxen'][0]:.0f} Meldungen während der Monate geschlossen")

print(f"Trevo und Qt leer: Median [Quartilsabstand] aus {paare} Paaren; Last = Mittel der Minutenlast, "
      f"{time.strftime('%Y-%m-%d %H:%M UTC', time.gmtime())}, {os.cpu_count()} Kerne")
breite = max(len(z[0]) for z in zeilen)
print(f"| {'Messung':<{breite}} | Trevo | Qt leer | Verhältnis | Last |")
print(f"|{'-' * (breite + 2)}|---|---|---|---|")
for z in zeilen:
    print(f"| {z[0]:<{breite}} | {z[1]} | {z[2]} | {z[3]} | {z[4]} |")
shutil.rmtree(ORT, ignore_errors=True)

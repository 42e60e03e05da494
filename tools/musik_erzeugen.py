#!/usr/bin/env python3
"""Writes Trevo's background music as a standard MIDI file.

The tune is the traditional folk song "Im Märzen der Bauer" (a public-domain
Volksweise); the arrangement - intro, four verses, an interlude and a held
close, with flute, accordion, nylon guitar and tuba - is our own.

    python3 tools/musik_erzeugen.py [ausgabe.mid]

Without an argument the file goes to resources/trevo.mid beside this folder.
The output depends on nothing but this script: the same script always writes
the same bytes.
"""

import os
import struct
import sys

PPQ = 480                 # ticks per quarter note
TAKT = 3 * PPQ            # one bar of 3/4
TEMPO_BPM = 126

# General MIDI programs (zero-based) and our channels
FLOETE, AKKORDEON, GITARRE, TUBA = 73, 21, 24, 58
K_MELODIE, K_ZWEITE, K_BEGLEITUNG, K_BASS = 0, 1, 2, 3

# Note numbers, C4 = 60
C3, D3, E3, Fis3, G3, A3, H3 = 48, 50, 52, 54, 55, 57, 59
C4, D4, E4, Fis4, G4, A4, H4 = 60, 62, 64, 66, 67, 69, 71
C5, D5, E5, Fis5, G5 = 72, 74, 76, 78, 79
G2, A2, H2, D2, C2, E2 = 43, 45, 47, 38, 36, 40

# The tune in G major: one list per bar of (note, beats). The upbeat "Im"
# (D4) sits on the last beat of the bar before the first one.
AUFTAKT = D4
LIED = [
    [(G4, 1), (G4, 1), (A4, 1)],      # Im | Mär-zen der
    [(H4, 1), (H4, 1), (A4, 1)],      # Bau-er die
    [(G4, 1), (H4, 1), (D5, 1)],      # Röss-lein ein-
    [(D5, 2), (D5, 1)],               # spannt, er
    [(C5, 1), (C5, 1), (A4, 1)],      # setzt sei-ne
    [(H4, 1), (H4, 1), (G4, 1)],      # Fel-der und
    [(A4, 1), (A4, 1), (Fis4, 1)],    # Wie-sen in-
    [(G4, 2), (D4, 1)],               # stand. Er
    [(G4, 1), (G4, 1), (A4, 1)],      # pflü-get den
    [(H4, 1), (C5, 1), (D5, 1)],      # Bo-den, er
    [(E5, 1), (E5, 1), (D5, 1)],      # eg-get und
    [(D5, 2), (D5, 1)],               # sät und
    [(C5, 1), (C5, 1), (A4, 1)],      # rührt sei-ne
    [(H4, 1), (H4, 1), (G4, 1)],      # Hän-de früh-
    [(A4, 1), (A4, 1), (Fis4, 1)],    # mor-gens und
    [(G4, 3)],                        # spät.
]

# One chord per bar of the verse
AKKORDE = ["G", "G", "G", "G", "C", "G", "D7", "G",
           "G", "G", "C", "G", "C", "G", "D7", "G"]
AKKORD_TOENE = {             # guitar voicing (three notes) and the tuba's root and fifth
    "G": ((G3, H3, D4), (G2, D2)),
    "C": ((G3, C4, E4), (C3, G2)),
    "D7": ((Fis3, C4, D4), (D3, A2)),
    "Em": ((G3, H3, E4), (E2, H2)),
}

G_DUR = [0, 2, 4, 5, 7, 9, 11]   # the G major scale, in semitones above G


def diatonisch(note, schritte):
    """The note `schritte` steps of G major above (or below) a note of G major."""
    stufe = G_DUR.index((note - G2) % 12) + schritte
    oktave = (note - G2) // 12 + stufe // 7
    return G2 + 12 * oktave + G_DUR[stufe % 7]


def terz_unter(note):
    return diatonisch(note, -2)


class Spur:
    """One track: a name, a channel and timed events."""

    def __init__(self, name, kanal=None):
        self.name = name
        self.kanal = kanal
        self.ereignisse = []     # (tick, order, bytes); note-offs sort before note-ons
        self.ende = 0            # tick of the end-of-track event

    def meta(self, tick, art, daten):
        self.ereignisse.append((tick, 1, bytes([0xFF, art]) + vlq(len(daten)) + daten))

    def programm(self, tick, programm):
        self.ereignisse.append((tick, 1, bytes([0xC0 | self.kanal, programm])))

    def regler(self, tick, nummer, wert):
        self.ereignisse.append((tick, 1, bytes([0xB0 | self.kanal, nummer, wert])))

    def note(self, tick, dauer, note, staerke):
        aus = tick + max(1, dauer)
        self.ereignisse.append((tick, 2, bytes([0x90 | self.kanal, note, staerke])))
        self.ereignisse.append((aus, 0, bytes([0x80 | self.kanal, note, 0])))

    def als_bytes(self):
        daten = bytearray()
        name = self.name.encode("ascii")
        daten += vlq(0) + bytes([0xFF, 0x03]) + vlq(len(name)) + name
        jetzt = 0
        for tick, _, ereignis in sorted(self.ereignisse, key=lambda e: (e[0], e[1])):
            daten += vlq(tick - jetzt) + ereignis
            jetzt = tick
        daten += vlq(max(0, self.ende - jetzt)) + bytes([0xFF, 0x2F, 0x00])
        return b"MTrk" + struct.pack(">I", len(daten)) + bytes(daten)


def vlq(wert):
    """A MIDI variable-length quantity."""
    teile = [wert & 0x7F]
    wert >>= 7
    while wert:
        teile.append(0x80 | (wert & 0x7F))
        wert >>= 7
    return bytes(reversed(teile))


def tempo_meta(bpm):
    mikro = round(60_000_000 / bpm)
    return mikro.to_bytes(3, "big")


def betonung(tick, grund):
    """A little more weight on the first beat of each bar."""
    return min(127, grund + 10) if tick % TAKT == 0 else grund


def spiele_lied(spur, anfang, staerke, verzierung=False, transpos=0, mit_auftakt=True):
    """The tune from bar `anfang`, with its upbeat on the beat before."""
    if mit_auftakt:
        spur.note(anfang - PPQ, PPQ - 20, AUFTAKT + transpos, staerke - 6)
    for nr, takt in enumerate(LIED):
        tick = anfang + nr * TAKT
        for i, (note, schlaege) in enumerate(takt):
            dauer = int(schlaege * PPQ)
            naechste = takt[i + 1][0] if i + 1 < len(takt) else None
            # in the ornamented verse, a quarter that steps a third up is filled
            if verzierung and schlaege == 1 and naechste is not None and naechste - note in (3, 4):
                zwischen = diatonisch(note, 1)
                spur.note(tick, PPQ // 2 - 10, note + transpos, betonung(tick, staerke))
                spur.note(tick + PPQ // 2, PPQ // 2 - 10, zwischen + transpos, staerke - 8)
            else:
                spur.note(tick, dauer - 20, note + transpos, betonung(tick, staerke))
            tick += dauer
    return anfang + len(LIED) * TAKT


def spiele_terzen(spur, anfang, staerke):
    """A second voice a third below the tune, the village-band way."""
    spur.note(anfang - PPQ, PPQ - 20, terz_unter(AUFTAKT), staerke - 6)
    for nr, takt in enumerate(LIED):
        tick = anfang + nr * TAKT
        for note, schlaege in takt:
            dauer = int(schlaege * PPQ)
            spur.note(tick, dauer - 20, terz_unter(note), betonung(tick, staerke))
            tick += dauer


def spiele_haltetoene(spur, anfang, akkorde, staerke):
    """Long notes high above the tune: the chord's third or fifth, one per bar."""
    oben = {"G": (H4, D5), "C": (C5, E5), "D7": (A4, C5), "Em": (H4, E5)}
    for nr, akkord in enumerate(akkorde):
        ton = oben[akkord][nr % 2] + 12
        spur.note(anfang + nr * TAKT, TAKT - 30, ton, staerke)


def begleite(gitarre, tuba, anfang, akkorde, staerke, laufender_bass=False):
    """Oom-pah-pah: tuba on one, guitar on two and three."""
    for nr, akkord in enumerate(akkorde):
        tick = anfang + nr * TAKT
        griff, (grundton, quinte) = AKKORD_TOENE[akkord]
        bass = grundton if nr % 2 == 0 else quinte
        tuba.note(tick, PPQ - 40, bass, betonung(tick, staerke + 6))
        if laufender_bass and nr % 2 == 1 and nr + 1 < len(akkorde):
            # a walking step on beat three towards the next root
            ziel = AKKORD_TOENE[akkorde[nr + 1]][1][0]
            schritt = diatonisch(ziel, -1)
            if schritt == bass:
                schritt = diatonisch(ziel, 1)
            tuba.note(tick + 2 * PPQ, PPQ - 40, schritt, staerke)
        for schlag in (1, 2):
            for note in griff:
                gitarre.note(tick + schlag * PPQ, PPQ // 2, note, staerke - 12)


def baue():
    dirigent = Spur("Im Maerzen der Bauer - Volksweise, Satz fuer Trevo")
    melodie = Spur("Melodie", K_MELODIE)
    zweite = Spur("Zweite Stimme", K_ZWEITE)
    gitarre = Spur("Begleitung", K_BEGLEITUNG)
    tuba = Spur("Bass", K_BASS)

    dirigent.meta(0, 0x58, bytes([3, 2, 24, 8]))       # 3/4
    dirigent.meta(0, 0x59, bytes([1, 0]))              # G major
    dirigent.meta(0, 0x51, tempo_meta(TEMPO_BPM))

    for spur, programm, lautstaerke, panorama in (
            (melodie, FLOETE, 104, 54), (zweite, AKKORDEON, 88, 78),
            (gitarre, GITARRE, 84, 40), (tuba, TUBA, 96, 64)):
        spur.programm(0, programm)
        spur.regler(0, 7, lautstaerke)
        spur.regler(0, 10, panorama)
        spur.regler(0, 91, 40)                         # a little room

    tick = 0
    # Intro: the band alone, four bars
    vorspiel = ["G", "D7", "G", "D7"]
    begleite(gitarre, tuba, tick, vorspiel, 78)
    tick += len(vorspiel) * TAKT

    # Verse 1: the flute sings
    begleite(gitarre, tuba, tick, AKKORDE, 80)
    tick = spiele_lied(melodie, tick, 96)

    # Verse 2: the accordion takes the tune, the flute holds long notes above
    begleite(gitarre, tuba, tick, AKKORDE, 80, laufender_bass=True)
    spiele_haltetoene(melodie, tick, AKKORDE, 62)
    tick = spiele_lied(zweite, tick, 94)

    # Interlude: the last four bars of the tune on the flute, an octave up
    zwischenspiel = AKKORDE[12:]
    begleite(gitarre, tuba, tick, zwischenspiel, 76)
    for nr, takt in enumerate(LIED[12:]):
        t = tick + nr * TAKT
        for note, schlaege in takt:
            melodie.note(t, int(schlaege * PPQ) - 20, note + 12, betonung(t, 80))
            t += int(schlaege * PPQ)
    tick += len(zwischenspiel) * TAKT

    # Verse 3: flute with ornaments, accordion a third below
    begleite(gitarre, tuba, tick, AKKORDE, 82, laufender_bass=True)
    spiele_terzen(zweite, tick, 80)
    tick = spiele_lied(melodie, tick, 98, verzierung=True)

    # Verse 4: everyone, slowing down over the last two bars
    begleite(gitarre, tuba, tick, AKKORDE, 86, laufender_bass=True)
    spiele_terzen(zweite, tick, 86)
    vers4 = tick
    tick = spiele_lied(melodie, tick, 104)
    dirigent.meta(vers4 + 14 * TAKT, 0x51, tempo_meta(112))
    dirigent.meta(vers4 + 15 * TAKT, 0x51, tempo_meta(96))

    # Close: a held G major chord over two bars
    schluss = 2 * TAKT - 60
    melodie.note(tick, schluss, G4, 92)
    zweite.note(tick, schluss, D4, 80)
    zweite.note(tick, schluss, H3, 80)
    for note in (G3, H3, D4):
        gitarre.note(tick, schluss, note, 72)
    tuba.note(tick, schluss, G2, 92)
    dirigent.meta(tick, 0x51, tempo_meta(84))
    tick += 2 * TAKT

    # every track ends together, a beat after the last note
    ende = tick + PPQ
    spuren = [dirigent, melodie, zweite, gitarre, tuba]
    for spur in spuren:
        spur.ende = ende
    return spuren


def schreibe(pfad):
    spuren = baue()
    kopf = b"MThd" + struct.pack(">IHHH", 6, 1, len(spuren), PPQ)
    daten = kopf + b"".join(s.als_bytes() for s in spuren)
    with open(pfad, "wb") as datei:
        datei.write(daten)
    return len(daten)


def main(argv):
    if len(argv) > 2:
        print("Aufruf: musik_erzeugen.py [ausgabe.mid]", file=sys.stderr)
        return 2
    hier = os.path.dirname(os.path.abspath(__file__))
    pfad = argv[1] if len(argv) == 2 else os.path.join(hier, "..", "resources", "trevo.mid")
    groesse = schreibe(pfad)
    print(f"{os.path.normpath(pfad)}: {groesse} Bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

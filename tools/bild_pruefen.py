#!/usr/bin/env python3
"""Says whether a PNG screenshot shows something: decodes it (8-bit RGB or
RGBA, not interlaced; what weston-screenshooter writes) with the standard
library only and fails when one colour covers nearly all of it or it has
fewer than a few dozen colours.

    tools/bild_pruefen.py BILD.png
"""
import struct
import sys
import zlib


def pixel(pfad):
    with open(pfad, 'rb') as f:
        daten = f.read()
    if daten[:8] != b'\x89PNG\r\n\x1a\n':
        raise ValueError('kein PNG')
    pos, idat = 8, b''
    while pos < len(daten):
        laenge, art = struct.unpack('>I4s', daten[pos:pos + 8])
        inhalt = daten[pos + 8:pos + 8 + laenge]
        if art == b'IHDR':
            breite, hoehe, tiefe, farbart, _, _, zeilensprung = struct.unpack('>IIBBBBB', inhalt)
            if tiefe != 8 or farbart not in (2, 6) or zeilensprung:
                raise ValueError('nur 8-Bit-RGB(A) ohne Zeilensprung')
        elif art == b'IDAT':
            idat += inhalt
        pos += 12 + laenge
    bpp = 3 if farbart == 2 else 4
    roh = zlib.decompress(idat)
    zeile = breite * bpp
    vorige = bytearray(zeile)
    zeilen = []
    for y in range(hoehe):
        filter_art = roh[y * (zeile + 1)]
        z = bytearray(roh[y * (zeile + 1) + 1:(y + 1) * (zeile + 1)])
        if filter_art == 1:
            for i in range(bpp, zeile):
                z[i] = (z[i] + z[i - bpp]) & 255
        elif filter_art == 2:
            for i in range(zeile):
                z[i] = (z[i] + vorige[i]) & 255
        elif filter_art == 3:
            for i in range(zeile):
                links = z[i - bpp] if i >= bpp else 0
                z[i] = (z[i] + ((links + vorige[i]) >> 1)) & 255
        elif filter_art == 4:
            for i in range(zeile):
                a = z[i - bpp] if i >= bpp else 0
                b = vorige[i]
                c = vorige[i - bpp] if i >= bpp else 0
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                vor = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                z[i] = (z[i] + vor) & 255
        zeilen.append(bytes(z))
        vorige = z
    return breite, hoehe, bpp, zeilen


def main():
    breite, hoehe, bpp, zeilen = pixel(sys.argv[1])
    zaehler = {}
    for z in zeilen:
        for x in range(0, len(z), bpp * 2):  # every second pixel is enough
            farbe = z[x:x + 3]
            zaehler[farbe] = zaehler.get(farbe, 0) + 1
    alle = sum(zaehler.values())
    haeufigste = max(zaehler.values())
    print(f'{sys.argv[1]}: {breite}x{hoehe}, {len(zaehler)} Farben, '
          f'die häufigste auf {100 * haeufigste // alle} %')
    if len(zaehler) < 32 or haeufigste > 0.95 * alle:
        print('Das Bild ist leer.', file=sys.stderr)
        sys.exit(1)


main()

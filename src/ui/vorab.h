// Pictures the build draws beforehand (src/vorab): an SVG at the size a window
// shows it, for ordinary and for double-density screens. The game copies such
// a PNG instead of reading and drawing the SVG while it starts.
#pragma once

#include <QByteArrayView>
#include <QString>

// The name of the SVG picture `name` drawn at breite x hoehe points and
// `dichte` pixels per point.
inline QString vorabBild(const QString& name, int breite, int hoehe, int dichte) {
    return QStringLiteral("%1-%2x%3@%4.png").arg(name).arg(breite).arg(hoehe).arg(dichte);
}

// The PNG of that name, or nothing where the build drew none (defined in the
// source trevo-vorab writes).
QByteArrayView vorabDaten(const QString& bild);

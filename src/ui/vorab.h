// Pictures the build draws beforehand (src/vorab): an SVG at the size a window
// shows it, for ordinary and for double-density screens. The game copies such
// a picture instead of reading and drawing the SVG while it starts; its pixels
// are compiled in as they are, so there is nothing to decode either.
#pragma once

#include <QString>

#include <cstdint>
#include <span>

// The name of the SVG picture `name` drawn at breite x hoehe points and
// `dichte` pixels per point.
inline QString vorabBild(const QString& name, int breite, int hoehe, int dichte) {
    return QStringLiteral("%1-%2x%3@%4").arg(name).arg(breite).arg(hoehe).arg(dichte);
}

// The picture of that name, row by row, as premultiplied ARGB pixels
// (0xAARRGGBB), or nothing where the build drew none (defined in the source
// trevo-vorab writes).
std::span<const std::uint32_t> vorabPixel(const QString& bild);

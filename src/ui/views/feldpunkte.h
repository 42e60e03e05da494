// Where the fields of the map are, for what clicks them without a mouse (a
// screen reader's "press").
#pragma once

#include <QPoint>
#include <QString>

#include <optional>
#include <span>
#include <vector>

#include "rahmen/plattform.h"

class TFeld;
class TFelderForm;
class TPaintFelder;

// The fields in their slots, from slot 1 to the first empty one.
std::vector<TFeld*> felderDerKarte(const TFelderForm& form);
// The corners of the field's outline (at most nine).
std::span<const Punkt> eckenDes(const TFeld& f);
// A point of the map inside the field: its corners' middle, or else the
// first point of its outline's box that the field holds.
std::optional<QPoint> punktIm(const TFeld& f, const TPaintFelder& felder);
// What a screen reader says of a field: its lease, crop and state, and area.
QString feldBeschreibung(const TFeld& f);

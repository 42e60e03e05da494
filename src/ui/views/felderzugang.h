// The field map for a screen reader: the map is a picture whose children are
// the five fields, each named, described by what its colours say, and
// pressed as a click on it.
#pragma once

#include <QPoint>

#include <optional>
#include <vector>

class TFeld;
class TFelderForm;
class TPaintFelder;

// Makes the map's accessible interface known to Qt (once).
void felderZugangAnmelden();

// The fields in their slots, from slot 1 to the first empty one.
std::vector<TFeld*> felderDerKarte(const TFelderForm& form);
// A point of the map inside the field: its corners' middle, or else the
// first point of its outline's box that the field holds.
std::optional<QPoint> punktIm(const TFeld& f, const TPaintFelder& felder);

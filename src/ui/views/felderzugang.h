// The field map for a screen reader: the map is a picture whose children are
// the five fields, each named, described by what its colours say, and
// pressed as a click on it.
#pragma once

// Makes the map's accessible interface known to Qt (once).
void felderZugangAnmelden();


#include <QString>

class TFeld;

// What a screen reader says of a field: its lease, crop and state, and area.
QString feldBeschreibung(const TFeld& f);

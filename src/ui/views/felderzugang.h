// The field map for a screen reader: the map is a picture whose children are
// the five fields, each named, described by what its colours say, and
// pressed as a click on it.
#pragma once

// Makes the map's accessible interface known to Qt (once).
void felderZugangAnmelden();


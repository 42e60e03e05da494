// The farm logbook's columns for the game's windows: the composition floor
// that knows them all tells the book what each month's row holds.
#pragma once

#include <vector>

#include "hofbuch/hofbuch.h"

// Every column in the order of the file, each with what it sums or where its
// value comes from at the month's end. The windows must exist.
std::vector<HofbuchSpalte> hofbuchSpalten();

// The four herds: cows, pigs, chickens and sheep, each a row of a table.
#pragma once

#include "livestock/tierform.h"

extern const Tierart artKuehe, artSchweine, artHuehner, artSchafe;

extern TtierForm* KueheForm;
extern TtierForm* SchweineForm;
extern TtierForm* HuenerForm;
extern TtierForm* SchafForm;

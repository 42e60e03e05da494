// The four bulk stores: feed, diesel, grain and beets, each a row of a table.
#pragma once

#include "goods/siloform.h"

extern const Lagerart lagerFutter, lagerDiesel, lagerGetreide, lagerRueben;

extern TSiloForm* FutterForm;
extern TSiloForm* DieselForm;
extern TSiloForm* GetreideForm;
extern TSiloForm* RuebenForm;

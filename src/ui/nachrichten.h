// The core's typed messages in the player's language.
#pragma once

#include <QString>

#include "rahmen/nachricht.h"

// The message's pattern as translated under the context "Kern" (German: the
// pattern itself, so the text is the core's deutsch() byte for byte), its
// values put in as the core puts them.
QString nachrichtText(const Nachricht& nachricht);

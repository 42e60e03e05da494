// The question before "Weiter" when the outlook foresees a loss the player
// could still prevent this month (animals that starve, a crop that dies and
// could be harvested). The face alone asks; the rules do not know of it.
#pragma once

#include <string>
#include <vector>

class QWidget;

// Asks, if asking is on (einstellungen::vorWeiterFragen) and vermeidbar
// names something; true when the month may run. The box's default is "&Nein".
bool weiterBestaetigt(QWidget* eltern, const std::vector<std::string>& vermeidbar);

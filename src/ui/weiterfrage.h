// The question before "Weiter" when the outlook foresees a loss the player
// could still prevent this month (animals that starve, a crop that dies and
// could be harvested). The face alone asks; the rules do not know of it.
#pragma once

#include <map>
#include <string>
#include <vector>

class QWidget;

// Asks, if asking is on (einstellungen::vorWeiterFragen) and vermeidbar
// names something; true when the month may run. The box's default is "&Nein".
bool weiterBestaetigt(QWidget* eltern, const std::vector<std::string>& vermeidbar);

// Young a full stable loses this month: the herd (its window's name), its
// stable's limit, and the line that tells it.
struct VerloreneJunge {
    std::string herde;
    int limit = 0;
    std::string text;
};
// Asks, if asking for young is on (einstellungen::vorWeiterJungeFragen),
// about the herds not asked for since their limit last changed; true when
// the month may run. The box's default is "&Nein"; it has its own
// "Nicht mehr fragen". gefragt holds, per herd, the limit the player said
// yes to; it belongs to one game (the caller empties it for another).
bool weiterTrotzJungen(QWidget* eltern, const std::vector<VerloreneJunge>& junge,
                       std::map<std::string, int>& gefragt);

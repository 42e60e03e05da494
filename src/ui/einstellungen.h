// The player's settings: music, sound effects and the music's volume. They
// belong to the player, not to the farm: kept in the user's configuration
// (~/.config/Trevo/Trevo.conf), never in the save file.
#pragma once

namespace einstellungen {

// Whether the background music is wanted at the start (default: yes).
bool musik();
void setzeMusik(bool an);
// Whether the sound effects play (default: yes).
bool klaenge();
void setzeKlaenge(bool an);
// The music's volume in per cent, 0..100 (default 100).
int lautstaerke();
void setzeLautstaerke(int prozent);

}  // namespace einstellungen

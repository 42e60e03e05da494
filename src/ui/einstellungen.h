// The player's settings: music, sound effects, the music's volume, the
// question before "Weiter" and the language. They
// belong to the player, not to the farm: kept in the user's configuration
// (~/.config/Trevo/Trevo.conf), never in the save file.
#pragma once

#include <QStringList>
#include "ui/sprache.h"

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
// Whether "Weiter" asks before a month with a loss the player could still
// prevent (default: yes). "Nicht mehr fragen" turns it off, the menu on.
bool vorWeiterFragen();
void setzeVorWeiterFragen(bool fragen);
// Whether "Weiter" asks before a month in which a full stable loses young
// (default: yes); its own "Nicht mehr fragen" turns it off.
bool vorWeiterJungeFragen();
void setzeVorWeiterJungeFragen(bool fragen);
// The language the face speaks from the next start on (default: the
// system's).
Sprache sprache();
void setzeSprache(Sprache s);

// The games played last, newest first, as their files' full paths (at most
// eight); spielGespielt puts one at the front.
QStringList zuletztGespielt();
void spielGespielt(const QString& datei);

}  // namespace einstellungen

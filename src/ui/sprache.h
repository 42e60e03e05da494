// The language the face speaks. German is the game's own language, in which
// every text is written; English is a translation on top (translations/).
// The rules, trevo-sim, the save file and the logbook's file stay German
// whatever the face speaks.
#pragma once

#include <QString>
#include <QStringList>

enum class Sprache { system, deutsch, englisch };

// The setting's value in the settings file, and back (anything unknown, as a
// hand may have written it, is the system's language).
QString spracheSchluessel(Sprache s);
Sprache spracheAusSchluessel(const QString& schluessel);

// German where the desktop's first UI language is German (de, de-AT …),
// English otherwise (a C locale too).
Sprache spracheDesSystems(const QStringList& uiSprachen);
// The language the face speaks for a choice: System follows the desktop.
Sprache gesprochen(Sprache wahl);

// Installs the game's and Qt's translators for the language (System follows
// the desktop). Called once, before the first window is made; a change of
// the setting takes effect at the next start.
void spracheEinrichten(Sprache wahl);
// The language installed by spracheEinrichten (German before it).
Sprache aktuelleSprache();

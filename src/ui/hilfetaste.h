// F1: the guide at the chapter of the window the player is in. The frame's
// "&Handbuch" finds the chapter of the active game window; a window of its
// own (a dialog, the logbook) gets F1 through hilfeTaste.
#pragma once

#include <QString>

class QWidget;
class TkindForm;

// The guide's anchor for a game window: "monat", "markt", "lager", "kuehe", …
QString hilfeKapitel(const TkindForm& fenster);

// Opens the game's guide at the place marked with that anchor; an empty
// anchor opens the contents.
void hilfeOeffnen(QWidget* eltern, const QString& anker);

// F1 anywhere in this window (a top-level window or dialog, which the
// frame's F1 does not reach) opens the guide at the anchor.
void hilfeTaste(QWidget* fenster, const QString& anker);

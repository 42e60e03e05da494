// One run of the game as the player sees it: the game on the Qt platform in
// the program's directory, the frame with every view, the event loop, and
// the orderly end that writes the save file.
#pragma once

#include <QString>

#include <functional>

class HauptFenster;
struct Orte;

// Starts the clock of the start-up time; the first thing main does. With
// TREVO_STARTZEIT set, the time to the first painted frame goes to stderr;
// set to "ende", the process ends right after that line.
void startUhrStarten();

// Plays until the frame is closed (by its close box or "Programm be&enden"),
// then ends the game in order, once. gestartet runs when the frame is up.
// While another game runs on the save file in that directory no game starts:
// the running one is brought forward (0), or where that fails the player is
// told "Trevo läuft bereits." (1).
int spielen(const QString& programmVerzeichnis, const std::function<void(HauptFenster&)>& gestartet = {});
// The same with the game's parts and its save file where orte names them.
int spielen(const Orte& orte, const std::function<void(HauptFenster&)>& gestartet = {});

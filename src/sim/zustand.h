// "zeige NAME": a window's state as "name=value" lines after "zustand NAME".
// One printer per window class; a window gets the lines of every class it
// belongs to, from the base down.
#pragma once

#include <string>
#include <vector>

class Spiel;

// Whether zeige knows the name: a game window, the frame "MainForm", the
// quantity dialog "AnzahlForm" or the purchase dialog "TierKaufForm".
bool zeigbaresFenster(Spiel& spiel, const std::string& name);
// The lines, the heading "zustand NAME" first.
std::vector<std::string> zustand(Spiel& spiel, const std::string& name);

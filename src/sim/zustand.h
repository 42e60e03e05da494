// "zeige NAME": a window's state as "name=value" lines after "zustand NAME".
// A game window shows what its description holds (rahmen/beschreibung.h); the
// frame and the dialogs, which keep nothing, have a printer each here.
#pragma once

#include <string>
#include <vector>

class Spiel;

// Whether zeige knows the name: a game window, the frame "MainForm", the
// quantity dialog "AnzahlForm" or the purchase dialog "TierKaufForm".
bool zeigbaresFenster(Spiel& spiel, const std::string& name);
// The lines, the heading "zustand NAME" first.
std::vector<std::string> zustand(Spiel& spiel, const std::string& name);

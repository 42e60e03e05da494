// Where the game keeps its save file.
#pragma once

#include <QString>

#include <string>
#include <vector>

// The program's own directory where it may be written (a build tree, a
// portable copy); otherwise $XDG_DATA_HOME/trevo (by default
// ~/.local/share/trevo), created as needed. Where that cannot be made
// either, the program's directory stays, and the end reports the failed write.
QString spielstandVerzeichnis(const QString& programmVerzeichnis);

// Where the game goes when its save file cannot be written and no one is
// there to choose another place: the home directory, then the XDG data
// directory.
std::vector<std::string> ausweichVerzeichnisse();

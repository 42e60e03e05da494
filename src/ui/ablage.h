// Where the game keeps its save file.
#pragma once

#include <QString>

// The program's own directory where it may be written (a build tree, a
// portable copy); otherwise $XDG_DATA_HOME/trevo (by default
// ~/.local/share/trevo), created as needed. Where that cannot be made
// either, the program's directory stays, and the end reports the failed write.
QString spielstandVerzeichnis(const QString& programmVerzeichnis);

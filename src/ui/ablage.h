// Where the game finds its files and keeps its save file.
#pragma once

#include <QString>

#include <string>
#include <vector>

// The program's own directory where it may be written (a build tree, a
// portable copy); otherwise $XDG_DATA_HOME/trevo (by default
// ~/.local/share/trevo), created as needed. Where that cannot be made
// either, the program's directory stays, and the end reports the failed write.
QString spielstandVerzeichnis(const QString& programmVerzeichnis);

// Where one run of the game finds its parts and keeps its save file.
struct Orte {
    QString daten;       // the guide with its pictures, the music
    QString klangModul;  // the sound module; empty: beside the program
    QString spielstand;  // the save file's directory
    QString datei = QStringLiteral("TrevoSpielstand.bin");  // the game's file there
};

// A program with its guide beside it (its build tree, as after ./play)
// keeps everything there, the save file too where it may write there. An
// installed program finds its data and its sound module where the install
// put them, relative to itself (share/trevo and lib/.../trevo beside bin),
// and never writes into its installation, not even as root: its save file
// is always in $XDG_DATA_HOME/trevo.
Orte orteDesProgramms(const QString& programmVerzeichnis);

// Where the game goes when its save file cannot be written and no one is
// there to choose another place: the home directory, then the XDG data
// directory.
std::vector<std::string> ausweichVerzeichnisse();

// Trevo: a farm, month by month.
#include <QCoreApplication>

#include "ui/ablage.h"
#include "ui/anwendung.h"
#include "ui/start.h"

int main(int argc, char** argv) {
    startUhrStarten();
    TrevoAnwendung anwendung(argc, argv);
    TrevoAnwendung::einrichten();
    // Built, the game keeps everything beside the program; installed, its
    // data and its sound module are where the install put them, and its
    // save file is the player's.
    return spielen(orteDesProgramms(QCoreApplication::applicationDirPath()));
}

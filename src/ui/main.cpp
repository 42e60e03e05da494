// Trevo: a farm, month by month.
#include <QCoreApplication>

#include "ui/ablage.h"
#include "ui/anwendung.h"
#include "ui/klangspieler.h"
#include "ui/start.h"

int main(int argc, char** argv) {
    startUhrStarten();
    int ergebnis = 0;
    {
        TrevoAnwendung anwendung(argc, argv);
        TrevoAnwendung::einrichten();
        // Built, the game keeps everything beside the program; installed, its
        // data and its sound module are where the install put them, and its
        // save file is the player's.
        ergebnis = spielen(orteDesProgramms(QCoreApplication::applicationDirPath()));
    }
    prozessBeenden(ergebnis);
}

// Trevo: a farm, month by month.
#include <QCoreApplication>

#include "ui/anwendung.h"
#include "ui/start.h"

int main(int argc, char** argv) {
    startUhrStarten();
    TrevoAnwendung anwendung(argc, argv);
    TrevoAnwendung::einrichten();
    // The save file, the music and the help live beside the program.
    return spielen(QCoreApplication::applicationDirPath());
}

// The game as the sound test (tools/tonprobe.sh) drives it, the player's
// hand on the menu in place of a mouse:
//
//   trevo_tonprobe VERZEICHNIS
//
// plays from VERZEICHNIS (its music, its save file) and, two seconds after
// the start, when the music has begun, switches the music off through the
// menu item, as a click would, and says so on standard error.
#include <QAction>
#include <QTimer>

#include <cstdio>

#include "ui/anwendung.h"
#include "ui/hauptfenster.h"
#include "ui/qtplattform.h"
#include "ui/start.h"

int main(int argc, char** argv) {
    startUhrStarten();
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: %s VERZEICHNIS\n", argv[0]);
        return 2;
    }
    TrevoAnwendung anwendung(argc, argv);
    TrevoAnwendung::einrichten();
    QtPlattform::setzeKlangModul(QStringLiteral(TREVO_KLANGMODUL));
    return spielen(QString::fromLocal8Bit(argv[1]), [](HauptFenster& rahmen) {
        QTimer::singleShot(2000, &rahmen, [&rahmen] {
            rahmen.musikAktion()->trigger();
            std::fprintf(stderr, "Trevo: Musik ausgeschaltet\n");
        });
    });
}

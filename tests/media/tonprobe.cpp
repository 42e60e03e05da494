// The game as the sound test (tools/tonprobe.sh) drives it, the player's
// hand on the menu in place of a mouse:
//
//   trevo_tonprobe VERZEICHNIS [aus|haengen]
//
// plays from VERZEICHNIS (its music, its save file) and, two seconds after
// the start, when the music has begun, switches the music off through the
// menu item, as a click would ("aus", the default), or keeps the UI thread
// busy for a second, as a slow window would ("haengen"); it says so on
// standard error.
#include <QAction>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "ui/anwendung.h"
#include "ui/hauptfenster.h"
#include "ui/klangspieler.h"
#include "ui/qtplattform.h"
#include "ui/start.h"

int main(int argc, char** argv) {
    startUhrStarten();
    const bool haengen = argc == 3 && std::strcmp(argv[2], "haengen") == 0;
    if (argc < 2 || argc > 3 || (argc == 3 && !haengen && std::strcmp(argv[2], "aus") != 0)) {
        std::fprintf(stderr, "Aufruf: %s VERZEICHNIS [aus|haengen]\n", argv[0]);
        return 2;
    }
    int ergebnis = 0;
    {
        TrevoAnwendung anwendung(argc, argv);
        TrevoAnwendung::einrichten(Sprache::deutsch);
        QtPlattform::setzeKlangModul(QStringLiteral(TREVO_KLANGMODUL));
        ergebnis = spielen(QString::fromLocal8Bit(argv[1]), [haengen](HauptFenster& rahmen) {
            QTimer::singleShot(2000, &rahmen, [&rahmen, haengen] {
                if (haengen) {
                    std::fprintf(stderr, "Trevo: hängt\n");
                    std::this_thread::sleep_for(std::chrono::seconds(1));
                    std::fprintf(stderr, "Trevo: läuft wieder\n");
                    return;
                }
                rahmen.musikAktion()->trigger();
                std::fprintf(stderr, "Trevo: Musik ausgeschaltet\n");
            });
        });
    }
    prozessBeenden(ergebnis);
}

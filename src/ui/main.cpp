// Trevo: a farm, month by month.
#include <QCoreApplication>

#include <cstdio>
#include <string_view>

#include "ui/ablage.h"
#include "ui/anwendung.h"
#include "ui/klangspieler.h"
#include "ui/start.h"

#ifndef TREVO_VERSION
#define TREVO_VERSION "?"
#endif

namespace {

// What a shell asks is answered on standard output before any window
// system is touched: QApplication aborts where there is no display. Qt's
// own options (-platform, -style …) pass on to it. -1: play.
int befehlszeile(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--help" || a == "-h") {
            std::fputs("Aufruf: trevo [Qt-Optionen]\n"
                       "\n"
                       "Trevo: einen Bauernhof Monat für Monat führen.\n"
                       "\n"
                       "Das Spiel sichert sich beim Beenden in $XDG_DATA_HOME/trevo\n"
                       "(sonst ~/.local/share/trevo) und geht beim nächsten Start dort weiter.\n"
                       "Die Einstellungen stehen in ~/.config/Trevo/Trevo.conf.\n"
                       "\n"
                       "  -h, --help     diese Hilfe\n"
                       "  -v, --version  die Version\n",
                       stdout);
        } else if (a == "--version" || a == "-v") {
            std::fputs("Trevo " TREVO_VERSION "\n", stdout);
        } else {
            continue;
        }
        // A full disk or a closed pipe is no success.
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int antwort = befehlszeile(argc, argv); antwort >= 0) return antwort;
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

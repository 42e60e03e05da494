// Trevo: a farm, month by month.
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include <cstdio>
#include <string_view>

#include "ui/ablage.h"
#include "ui/anwendung.h"
#include "ui/einstellungen.h"
#include "ui/klangspieler.h"
#include "ui/sprache.h"
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
            // In the language the window would speak (the setting, or the
            // desktop's).
            const char* englisch =
                "Usage: trevo [Qt options] [FILE]\n"
                "\n"
                "Trevo: run a farm, month by month.\n"
                "\n"
                "The game saves itself on exit in $XDG_DATA_HOME/trevo\n"
                "(otherwise ~/.local/share/trevo) and carries on from there at the next start.\n"
                "With FILE (a game saved under its own name, *.hof)\n"
                "that game carries on.\n"
                "The settings are kept in ~/.config/Trevo/Trevo.conf.\n"
                "\n"
                "  -h, --help     this help\n"
                "  -v, --version  the version\n";
            const char* deutsch =
                "Aufruf: trevo [Qt-Optionen] [DATEI]\n"
                "\n"
                "Trevo: einen Bauernhof Monat für Monat führen.\n"
                "\n"
                "Das Spiel sichert sich beim Beenden in $XDG_DATA_HOME/trevo\n"
                "(sonst ~/.local/share/trevo) und geht beim nächsten Start dort weiter.\n"
                "Mit DATEI (einem unter eigenem Namen gespeicherten Spiel, *.hof)\n"
                "geht dieses Spiel weiter.\n"
                "Die Einstellungen stehen in ~/.config/Trevo/Trevo.conf.\n"
                "\n"
                "  -h, --help     diese Hilfe\n"
                "  -v, --version  die Version\n";
            std::fputs(gesprochen(einstellungen::sprache()) == Sprache::englisch ? englisch : deutsch, stdout);
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
        Orte orte = orteDesProgramms(QCoreApplication::applicationDirPath());
        // A game given by name (a double click on it): Qt has taken its own
        // options out, what is left is the file.
        const QStringList argumente = QCoreApplication::arguments();
        for (qsizetype i = 1; i < argumente.size(); ++i) {
            if (argumente[i].startsWith(QLatin1Char('-'))) continue;
            const QFileInfo datei(argumente[i].startsWith(QLatin1String("file://")) ? QUrl(argumente[i]).toLocalFile()
                                                                                    : argumente[i]);
            orte.spielstand = datei.absolutePath();
            orte.datei = datei.fileName();
            break;
        }
        ergebnis = spielen(orte);
    }
    prozessBeenden(ergebnis);
}

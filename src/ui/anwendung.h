// The application object of the game: the look every window is laid out for,
// and the last line of defence against an error that escaped a handler.
#pragma once

#include <QApplication>
#include <QIcon>

#include <optional>

#include "ui/sprache.h"

class TrevoAnwendung : public QApplication {
public:
    TrevoAnwendung(int& argc, char** argv);

    // An exception must never unwind through Qt's event loop: whatever a
    // handler lets through is shown in the standard error box, and the game
    // goes on with the next event.
    bool notify(QObject* empfaenger, QEvent* ereignis) override;

    // Fusion style, Liberation Sans 8 pt, the decimal separator of the
    // player's locale, and the language: the one given, else the player's
    // setting (sprache.h). The windows are laid out in pixels for that font.
    static void einrichten(std::optional<Sprache> sprache = std::nullopt);

    // The program's icon (frame and game windows): a field under the sun.
    static QIcon programmSymbol();
};

#include "ui/start.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "spiel.h"
#include "ui/hauptfenster.h"
#include "ui/qtplattform.h"
#include "ui/signalwache.h"

namespace {
QElapsedTimer& startUhr() {
    static QElapsedTimer uhr;
    return uhr;
}

int spielenOhneWache(const QString& programmVerzeichnis, const std::function<void(HauptFenster&)>& gestartet) {
    QtPlattform plattform;
    Spiel spiel(plattform, programmVerzeichnis.toStdString());
    int ergebnis = 0;
    {
        HauptFenster rahmen(spiel, plattform);
        QObject::connect(&rahmen, &HauptFenster::geschlossen, [] { QCoreApplication::exit(0); });
        if (std::getenv("TREVO_STARTZEIT")) {
            QObject::connect(&rahmen, &HauptFenster::erstesBild, [] {
                std::fprintf(stderr, "Trevo: erstes Bild nach %lld ms\n",
                             static_cast<long long>(startUhr().elapsed()));
            });
        }
        SignalWache wache([&rahmen] { rahmen.close(); });
        rahmen.starten();
        if (gestartet) QTimer::singleShot(0, &rahmen, [&] { gestartet(rahmen); });
        ergebnis = QApplication::exec();
    }
    // The views are gone; now every window saves its state.
    spiel.beenden();
    return ergebnis;
}
}  // namespace

void startUhrStarten() { startUhr().start(); }

int spielen(const QString& programmVerzeichnis, const std::function<void(HauptFenster&)>& gestartet) {
    if (!startUhr().isValid()) startUhrStarten();
    // Whatever goes wrong while the game is set up or taken down is told,
    // not left to a crash.
    try {
        return spielenOhneWache(programmVerzeichnis, gestartet);
    } catch (const std::exception& e) {
        QtPlattform::standardFehlerBox(nullptr, e.what());
    } catch (...) {
        QtPlattform::standardFehlerBox(nullptr, "Unbekannter Fehler.");
    }
    return 1;
}

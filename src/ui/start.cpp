#include "ui/start.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <unistd.h>

#include "app/mainform.h"
#include "app/spielstand.h"
#include "ui/ablage.h"
#include "spiel.h"
#include "ui/hauptfenster.h"
#include "ui/qtplattform.h"
#include "ui/signalwache.h"

namespace {
QElapsedTimer& startUhr() {
    static QElapsedTimer uhr;
    return uhr;
}

// The running game answers under a name made of the user and its directory,
// so that a second start on the same save file can find it.
QString rufName(const QString& programmVerzeichnis) {
    const QString verzeichnis = QDir(programmVerzeichnis).canonicalPath();
    const QByteArray schluessel = QByteArray::number(static_cast<qulonglong>(::getuid())) + '\0' + verzeichnis.toUtf8();
    return QStringLiteral("trevo-") +
           QString::fromLatin1(QCryptographicHash::hash(schluessel, QCryptographicHash::Sha256).toHex().left(24));
}

void nachVorne(QWidget& rahmen) {
    rahmen.setWindowState(rahmen.windowState() & ~Qt::WindowMinimized);
    rahmen.show();
    rahmen.raise();
    rahmen.activateWindow();
}

// Another game holds the save file: bring it forward, or say that it runs.
int laeuftSchon(const QString& programmVerzeichnis) {
    QLocalSocket ruf;
    ruf.connectToServer(rufName(programmVerzeichnis));
    if (ruf.waitForConnected(2000)) {
        ruf.disconnectFromServer();
        return 0;
    }
    QtPlattform plattform;
    plattform.meldung(MeldungsArt::Information, "Trevo läuft bereits.", Knoepfe::OK);
    return 1;
}

int spielenOhneWache(const QString& programmVerzeichnis, const std::function<void(HauptFenster&)>& gestartet) {
    const QString ablage = spielstandVerzeichnis(programmVerzeichnis);
    const SpielstandSperre sperre(ablage.toStdString());
    if (sperre.belegt()) return laeuftSchon(ablage);
    QtPlattform plattform;
    Spiel spiel(plattform, programmVerzeichnis.toStdString(), ablage.toStdString());
    // Lives until the save file is written: a second signal during the end
    // is absorbed.
    SignalWache wache;
    int ergebnis = 0;
    {
        HauptFenster rahmen(spiel, plattform);
        QObject::connect(&rahmen, &HauptFenster::geschlossen, [] { QCoreApplication::exit(0); });
        if (std::getenv("TREVO_STARTZEIT")) {
            QObject::connect(&rahmen, &HauptFenster::erstesBild, [ablage] {
                std::fprintf(stderr, "Trevo: erstes Bild nach %lld ms\n",
                             static_cast<long long>(startUhr().elapsed()));
                // Where an installed game looks for its files, for the install test.
                std::fprintf(stderr, "Trevo: Spielstand in %s\nTrevo: Musik %s\nTrevo: Hilfe %s\n",
                             qPrintable(QDir(ablage).absolutePath()),
                             QFile::exists(QString::fromStdString(MainForm->musikDatei)) ? "gefunden" : "fehlt",
                             QFile::exists(QString::fromStdString(MainForm->hilfeDatei)) ? "gefunden" : "fehlt");
            });
        }
        // A second start on this save file brings this game forward.
        QLocalServer ruf;
        if (sperre.gehalten()) {
            const QString name = rufName(ablage);
            // Left by a game that crashed: the lock says none runs.
            QLocalServer::removeServer(name);
            ruf.setSocketOptions(QLocalServer::UserAccessOption);
            ruf.listen(name);
            QObject::connect(&ruf, &QLocalServer::newConnection, &rahmen, [&ruf, &rahmen] {
                while (QLocalSocket* s = ruf.nextPendingConnection()) s->deleteLater();
                nachVorne(rahmen);
            });
        }
        wache.beiSignal([&rahmen] { rahmen.close(); });
        rahmen.starten();
        if (gestartet) QTimer::singleShot(0, &rahmen, [&] { gestartet(rahmen); });
        ergebnis = QApplication::exec();
        wache.beiSignal({});
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

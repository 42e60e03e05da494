#include "ui/start.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <unistd.h>

#include "rahmen/mainform.h"
#include "spielstand/spielstand.h"
#include "ui/ablage.h"
#include "spiel.h"
#include "ui/hauptfenster.h"
#include "ui/qtplattform.h"
#include "ui/ruf.h"
#include "ui/signalwache.h"

namespace {
QElapsedTimer& startUhr() {
    static QElapsedTimer uhr;
    return uhr;
}

// Where the running game answers: a name made of its directory, so that a
// second start on the same save file finds it.
std::string rufOrt(const QString& ablage) {
    const QString verzeichnis = QDir(ablage).canonicalPath();
    const std::string name =
        "trevo-" + QCryptographicHash::hash(verzeichnis.toUtf8(), QCryptographicHash::Sha256).toHex().left(24).toStdString();
    return Ruf::ort(name, QFile::encodeName(ablage).toStdString());
}

// The process's peak resident memory so far, in KiB (0 where unknown).
long spitzeKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (QByteArray zeile = status.readLine(); !zeile.isEmpty(); zeile = status.readLine())
        if (zeile.startsWith("VmHWM:")) return zeile.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

void nachVorne(QWidget& rahmen) {
    rahmen.setWindowState(rahmen.windowState() & ~Qt::WindowMinimized);
    rahmen.show();
    rahmen.raise();
    rahmen.activateWindow();
}

// Another game holds the save file: bring it forward, or say that it runs.
int laeuftSchon(const QString& ablage) {
    if (Ruf::anrufen(rufOrt(ablage), 2000)) return 0;
    QtPlattform plattform;
    plattform.meldung(MeldungsArt::Information,
                      QCoreApplication::translate("Start", "Trevo läuft bereits.").toStdString(), Knoepfe::OK);
    return 1;
}

int spielenOhneWache(const Orte& orte, const std::function<void(HauptFenster&)>& gestartet) {
    const QString& ablage = orte.spielstand;
    if (!orte.klangModul.isEmpty()) QtPlattform::setzeKlangModul(orte.klangModul);
    const SpielstandSperre sperre(ablage.toStdString());
    if (sperre.belegt()) return laeuftSchon(ablage);
    QtPlattform plattform;
    // Carries word of a written recovery point to this thread; made before
    // the game, so it outlives the thread that writes the points.
    QObject bote;
    Spiel spiel(plattform, orte.daten.toStdString(), ablage.toStdString());
    // The month's recovery point is written beside the play, never in its way;
    // a failed one is told here as soon as it is known.
    spiel.wiederherstellungImHintergrund([&bote, &spiel] {
        QMetaObject::invokeMethod(&bote, [&spiel] { spiel.schreibfehlerMelden(); }, Qt::QueuedConnection);
    });
    spiel.ausweichOrte(ausweichVerzeichnisse());
    // Lives until the save file is written: a second signal during the end
    // is absorbed.
    SignalWache wache;
    int ergebnis = 0;
    {
        HauptFenster rahmen(spiel, plattform);
        QObject::connect(&rahmen, &HauptFenster::geschlossen, [] { QCoreApplication::exit(0); });
        if (std::getenv("TREVO_STARTZEIT")) {
            QObject::connect(&rahmen, &HauptFenster::erstesBild, [ablage] {
                std::fprintf(stderr, "Trevo: erstes Bild nach %lld ms, Speicher %ld KiB\n",
                             static_cast<long long>(startUhr().elapsed()), spitzeKb());
                // Where an installed game looks for its files, for the install test.
                std::fprintf(stderr, "Trevo: Spielstand in %s\nTrevo: Musik %s\nTrevo: Klänge %s\nTrevo: Hilfe %s\n",
                             qPrintable(QDir(ablage).absolutePath()),
                             QFile::exists(QString::fromStdString(MainForm->musikDatei)) ? "gefunden" : "fehlt",
                             QFile::exists(QtPlattform::klangModul()) ? "gefunden" : "fehlen",
                             QFile::exists(QString::fromStdString(MainForm->hilfeDatei)) ? "gefunden" : "fehlt");
                // Counting the start's instructions (bench/anweisungen.py): it
                // ends right here, with nothing after the first frame counted.
                if (std::strcmp(std::getenv("TREVO_STARTZEIT"), "ende") == 0) {
                    std::fflush(nullptr);
                    std::_Exit(0);
                }
            });
        }
        // A second start on this save file brings this game forward.
        Ruf ruf;
        if (sperre.gehalten()) ruf.lauschen(rufOrt(ablage), [&rahmen] { nachVorne(rahmen); });
        wache.beiSignal([&rahmen, &plattform] {
            // No one may be there to answer a box during this end.
            plattform.setzeNiemandDa(true);
            rahmen.close();
        });
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
    return spielen(Orte{programmVerzeichnis, {}, spielstandVerzeichnis(programmVerzeichnis)}, gestartet);
}

int spielen(const Orte& orte, const std::function<void(HauptFenster&)>& gestartet) {
    if (!startUhr().isValid()) startUhrStarten();
    // Whatever goes wrong while the game is set up or taken down is told,
    // not left to a crash.
    try {
        return spielenOhneWache(orte, gestartet);
    } catch (const std::exception& e) {
        QtPlattform::standardFehlerBox(nullptr, e.what());
    } catch (...) {
        QtPlattform::standardFehlerBox(nullptr,
                                       QCoreApplication::translate("Start", "Unbekannter Fehler.").toStdString());
    }
    return 1;
}

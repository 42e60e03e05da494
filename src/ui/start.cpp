#include "ui/start.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>
#include <unistd.h>

#include "rahmen/mainform.h"
#include "spielstand/spielstand.h"
#include "ui/ablage.h"
#include "spiel.h"
#include "ui/hauptfenster.h"
#include "ui/qtplattform.h"
#include "ui/ruf.h"
#include "ui/signalwache.h"
#include "ui/einstellungen.h"

namespace {
QElapsedTimer& startUhr() {
    static QElapsedTimer uhr;
    return uhr;
}

// Where the running game answers: a name made of its directory (and of its
// file, for a game under the player's own name), so that a second start on
// the same save file finds it.
std::string rufOrt(const QString& ablage, const QString& datei) {
    QString ort = QDir(ablage).canonicalPath();
    if (datei != QLatin1String(spielstandName)) ort += QLatin1Char('/') + datei;
    const std::string name =
        "trevo-" + QCryptographicHash::hash(ort.toUtf8(), QCryptographicHash::Sha256).toHex().left(24).toStdString();
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
int laeuftSchon(const QString& ablage, const QString& datei) {
    if (Ruf::anrufen(rufOrt(ablage, datei), 2000)) return 0;
    QtPlattform plattform;
    plattform.meldung(MeldungsArt::Information,
                      QCoreApplication::translate("Start", "Trevo läuft bereits.").toStdString(), Knoepfe::OK);
    return 1;
}

// naechste: the game the player chose to go on with, where the frame was
// closed for another.
int spielenOhneWache(const Orte& orte, const std::function<void(HauptFenster&)>& gestartet,
                     std::optional<Orte>& naechste) {
    const QString& ablage = orte.spielstand;
    if (!orte.klangModul.isEmpty()) QtPlattform::setzeKlangModul(orte.klangModul);
    const SpielstandSperre sperre(ablage.toStdString(), QFile::encodeName(orte.datei).toStdString());
    if (sperre.belegt()) return laeuftSchon(ablage, orte.datei);
    QtPlattform plattform;
    // Carries word of a written recovery point to this thread; made before
    // the game, so it outlives the thread that writes the points.
    QObject bote;
    Spiel spiel(plattform, orte.daten.toStdString(), ablage.toStdString(), Spiel::Start::anbieten,
                QFile::encodeName(orte.datei).toStdString());
    einstellungen::spielGespielt(QFileInfo(QString::fromStdString(spielstandDatei)).absoluteFilePath());
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
    std::optional<HauptFenster::Wechsel> wechsel;
    {
        HauptFenster rahmen(spiel, plattform);
        rahmen.setzeSpieleOrdner(orte.spielstand);
        HauptFenster::anderesSpielNachVorne = [](const QString& datei) {
            const QFileInfo f(datei);
            return Ruf::anrufen(rufOrt(f.absolutePath(), f.fileName()), 2000);
        };
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
        if (sperre.gehalten()) ruf.lauschen(rufOrt(ablage, orte.datei), [&rahmen] { nachVorne(rahmen); });
        wache.beiSignal([&rahmen, &plattform] {
            // No one may be there to answer a box during this end.
            plattform.setzeNiemandDa(true);
            rahmen.close();
        });
        rahmen.starten();
        if (gestartet) QTimer::singleShot(0, &rahmen, [&] { gestartet(rahmen); });
        ergebnis = QApplication::exec();
        wache.beiSignal({});
        wechsel = rahmen.wechsel();
    }
    // The views are gone; now every window saves its state.
    const std::string quelle = spielstand().pfad();
    const bool gesichert = spiel.beenden();
    if (wechsel) {
        // Saved under another name, the game goes on from there, as a start
        // reads it; where it could not be saved, it goes on as it was.
        const QFileInfo ziel(wechsel->datei);
        Orte o = orte;
        o.spielstand = ziel.absolutePath();
        o.datei = ziel.fileName();
        if (!wechsel->mitnehmen || (gesichert && Spiel::spielKopieren(quelle, QFile::encodeName(ziel.absoluteFilePath()).toStdString())))
            naechste = o;
        else if (gesichert)
            naechste = orte;
    }
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
        Orte jetzt = orte;
        for (;;) {
            std::optional<Orte> naechste;
            const int ergebnis = spielenOhneWache(jetzt, gestartet, naechste);
            if (!naechste) return ergebnis;
            jetzt = *naechste;
        }
    } catch (const std::exception& e) {
        QtPlattform::standardFehlerBox(nullptr, e.what());
    } catch (...) {
        QtPlattform::standardFehlerBox(nullptr,
                                       QCoreApplication::translate("Start", "Unbekannter Fehler.").toStdString());
    }
    return 1;
}

// The full farm through the Qt face: one month ("Weiter" clicked, every
// window redrawn) and the orderly end, each the median of several fresh
// farms; the same month in the core alone for comparison. Prints
// "name value" lines for bench/tabelle.sh.
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/geldtext.h"
#include "app/kontrollform.h"
#include "hof.h"
#include "sim/platform/scriptedplatform.h"
#include "spiel.h"
#include "ui/anwendung.h"
#include "ui/hauptfenster.h"
#include "ui/qtplattform.h"
#include "ui/views/kontrollview.h"

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

double sekunden(const QElapsedTimer& uhr) { return static_cast<double>(uhr.nsecsElapsed()) / 1e9; }

// Every paint the month asked for, done now.
void zeichnen() {
    QCoreApplication::sendPostedEvents();
    QApplication::processEvents();
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
    TrevoAnwendung anwendung(argc, argv);
    TrevoAnwendung::einrichten();
    QtPlattform::setzeTonAus(true);
    dezimalTrenner = ",";
    const int runden = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    std::vector<double> kern, gesicht, ende;
    for (int r = 0; r < runden; ++r) {
        {
            QTemporaryDir ort;
            ScriptedPlatform plattform;
            Spiel spiel(plattform, ort.path().toStdString(), false);
            hofFuellen();
            QElapsedTimer uhr;
            uhr.start();
            KontrollForm->Button1Click();
            kern.push_back(sekunden(uhr) * 1e6);
        }
        QTemporaryDir ort;
        auto plattform = std::make_unique<QtPlattform>();
        Spiel spiel(*plattform, ort.path().toStdString(), false);
        spiel.wiederherstellungImHintergrund({});  // as the game writes it
        hofFuellen();
        {
            HauptFenster rahmen(spiel, *plattform);
            rahmen.starten();
            while (!rahmen.gestartet()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            zeichnen();
            QPushButton* weiter = nullptr;
            for (auto* k : rahmen.findChildren<KontrollView*>()) weiter = k->weiter();
            if (!weiter) return 1;
            QElapsedTimer uhr;
            uhr.start();
            weiter->click();
            zeichnen();
            gesicht.push_back(sekunden(uhr) * 1e3);
        }
        QElapsedTimer uhr;
        uhr.start();
        if (!spiel.beenden()) return 1;
        ende.push_back(sekunden(uhr) * 1e3);
    }
    std::printf("monat_kern_us %.0f\nmonat_gesicht_ms %.2f\nende_ms %.2f\n", median(kern), median(gesicht),
                median(ende));
    return 0;
}

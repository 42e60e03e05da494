// The full farm through the Qt face, for bench/tabelle.sh: one month in the
// core alone (processor time, without the recovery point), one month of a new
// full farm from the "Weiter" click to the finished repaint, and the same farm
// after fifty years of play (a logbook of 600 months) with the logbook window
// closed and open, and its orderly end. Each figure is taken on fresh farms,
// `runden` times; prints "name median first-quartile third-quartile" lines.
//
//   hof_ui_bench --spielstaende DIR   writes the saved games the start is
//       counted from: DIR/voll (the full farm) and DIR/fuenfzig (it after
//       fifty years)
//   hof_ui_bench --zaehlen            each action once, in a function of its
//       own, for callgrind to count (bench/anweisungen.py)
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "geld/geldtext.h"
#include "hofbuch/hofbuch.h"
#include "geld/kontrollform.h"
#include "ausblick.h"
#include "goods/gutform.h"
#include "goods/stores.h"
#include "hof.h"
#include "sim/platform/scriptedplatform.h"
#include "spiel.h"
#include "ui/anwendung.h"
#include "ui/hauptfenster.h"
#include "ui/qtplattform.h"
#include "ui/views/gutview.h"
#include "ui/views/kontrollview.h"
#include "ui/views/steuer.h"
#include "ui/views/tierview.h"

namespace {

double quantil(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    const double stelle = q * static_cast<double>(v.size() - 1);
    const auto unten = static_cast<std::size_t>(stelle);
    const std::size_t oben = std::min(unten + 1, v.size() - 1);
    return v[unten] + (v[oben] - v[unten]) * (stelle - static_cast<double>(unten));
}

void melden(const char* name, const std::vector<double>& v) {
    std::printf("%s %.3f %.3f %.3f\n", name, quantil(v, 0.5), quantil(v, 0.25), quantil(v, 0.75));
}

double millisekunden(const QElapsedTimer& uhr) { return static_cast<double>(uhr.nsecsElapsed()) / 1e6; }

double rechenzeitUs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

// Every paint the month asked for, done now.
void zeichnen() {
    QCoreApplication::sendPostedEvents();
    QApplication::processEvents();
    QApplication::processEvents();
}

// A box that the month would show (a disease after fifty years) is closed at
// once and counted: such a figure would measure the player, not the game.
int boxen = 0;
void boxenSchliessen() {
    if (QWidget* w = QApplication::activeModalWidget()) {
        ++boxen;
        w->close();
    }
}

// Fifty years of the full farm played in the core and saved, the herds kept
// full every month.
void fuenfzigJahre(const QString& ort) {
    ScriptedPlatform plattform;
    Spiel spiel(plattform, ort.toStdString() + "/", false);
    KontrollForm->monatGeschlossen = nullptr;
    for (int monat = 0; monat < 600; ++monat) {
        hofFuellen();
        KontrollForm->Button1Click();
    }
    hofFuellen();
    if (!spiel.beenden()) std::exit(1);
}

void kopieren(const QString& von, const QString& nach) {
    for (const QString& name : QDir(von).entryList(QDir::Files)) QFile::copy(von + "/" + name, nach + "/" + name);
}

// The frame shown and painted, start-up over.
void aufbauen(HauptFenster& rahmen) {
    rahmen.starten();
    while (!rahmen.gestartet()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    zeichnen();
}

// From the click on "Weiter" to the finished repaint of every window, in ms.
double weiterKlicken(HauptFenster& rahmen) {
    QPushButton* weiter = nullptr;
    for (auto* k : rahmen.findChildren<KontrollView*>()) weiter = k->weiter();
    if (!weiter) std::exit(1);
    QElapsedTimer uhr;
    uhr.start();
    weiter->click();
    zeichnen();
    return millisekunden(uhr);
}

// A right click on a trade button, as the player makes it.
void rechtsKlicken(QWidget* knopf) {
    const QPointF mitte(knopf->width() / 2.0, knopf->height() / 2.0);
    const QPointF global = knopf->mapToGlobal(mitte);
    QMouseEvent drueck(QEvent::MouseButtonPress, mitte, global, Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(knopf, &drueck);
    QMouseEvent los(QEvent::MouseButtonRelease, mitte, global, Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(knopf, &los);
    zeichnen();
}

// The saved games of the start's count.
int spielstaendeSchreiben(const QString& ort) {
    QDir().mkpath(ort + "/voll");
    QDir().mkpath(ort + "/fuenfzig");
    fuenfzigJahre(ort + "/fuenfzig");
    ScriptedPlatform plattform;
    Spiel spiel(plattform, ort.toStdString() + "/voll/", false);
    hofFuellen();
    return spiel.beenden() ? 0 : 1;
}

}  // namespace

// What callgrind counts: each of these runs once, its callees with it.
extern "C" {
__attribute__((noinline)) void trevoZaehlen_monat_zu(HauptFenster& rahmen) { weiterKlicken(rahmen); }
__attribute__((noinline)) void trevoZaehlen_monat_offen(HauptFenster& rahmen) { weiterKlicken(rahmen); }
__attribute__((noinline)) void trevoZaehlen_kauf_ausblick_gezeigt(QWidget* knopf) { rechtsKlicken(knopf); }
__attribute__((noinline)) void trevoZaehlen_kauf_ausblick_verborgen(QWidget* knopf) { rechtsKlicken(knopf); }
}

namespace {

// The full farm started in the face: a month with every herd collapsed and
// one with every herd expanded (each after a month that warms up the same
// case), then a right click that fills the diesel silo with the outlook shown
// and with it minimized (each after one that warms up, the silo emptied by
// a right click on "Verkaufen" before each).
int zaehlen() {
    QTemporaryDir ort;
    auto plattform = std::make_unique<QtPlattform>();
    Spiel spiel(*plattform, ort.path().toStdString() + "/", false);
    spiel.wiederherstellungImHintergrund({});
    hofFuellen();
    HauptFenster rahmen(spiel, *plattform);
    aufbauen(rahmen);
    weiterKlicken(rahmen);
    hofFuellen();
    trevoZaehlen_monat_zu(rahmen);

    const QList<TierView*> herden = rahmen.findChildren<TierView*>();
    const auto groesse = [&herden](bool erweitert) {
        for (TierView* h : herden)
            if (static_cast<TgutForm&>(h->fenster()).erweitert != erweitert) h->groesseKnopf()->click();
        zeichnen();
    };
    groesse(true);
    hofFuellen();
    weiterKlicken(rahmen);
    hofFuellen();
    trevoZaehlen_monat_offen(rahmen);
    groesse(false);

    auto* diesel = dynamic_cast<GutView*>(KindView::zu(*DieselForm));
    KindView* ausblick = KindView::zu(*AusblickForm);
    if (!diesel || !ausblick) return 1;
    const auto kaufen = [&](void (*zaehlen)(QWidget*)) {
        for (int i = 0; i < 2; ++i) {
            rechtsKlicken(diesel->verkaufenKnopf());
            const int32_t vorher = DieselForm->menge;
            if (i == 0) rechtsKlicken(diesel->kaufenKnopf());
            else zaehlen(diesel->kaufenKnopf());
            if (DieselForm->menge <= vorher) return false;
        }
        return true;
    };
    ausblick->showNormal();
    zeichnen();
    if (!kaufen(trevoZaehlen_kauf_ausblick_gezeigt)) return 1;
    ausblick->showMinimized();
    zeichnen();
    if (!kaufen(trevoZaehlen_kauf_ausblick_verborgen)) return 1;
    std::printf("boxen %d\n", boxen);
    return spiel.beenden() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    TrevoAnwendung anwendung(argc, argv);
    TrevoAnwendung::einrichten(Sprache::deutsch);
    QtPlattform::setzeTonAus(true);
    dezimalTrenner = ",";
    const int runden = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QTimer wache;
    QObject::connect(&wache, &QTimer::timeout, &boxenSchliessen);
    wache.start(20);
    if (argc > 2 && std::strcmp(argv[1], "--spielstaende") == 0) return spielstaendeSchreiben(QString::fromLocal8Bit(argv[2]));
    if (argc > 1 && std::strcmp(argv[1], "--zaehlen") == 0) return zaehlen();

    QTemporaryDir alt;
    fuenfzigJahre(alt.path());

    std::vector<double> kern, gesicht, altZu, altOffen, altEnde;
    std::size_t zeilen = 0;
    for (int r = 0; r < runden; ++r) {
        {
            QTemporaryDir ort;
            ScriptedPlatform plattform;
            Spiel spiel(plattform, ort.path().toStdString() + "/", false);
            KontrollForm->monatGeschlossen = nullptr;
            hofFuellen();
            const double vorher = rechenzeitUs();
            KontrollForm->Button1Click();
            kern.push_back(rechenzeitUs() - vorher);
        }
        {
            QTemporaryDir ort;
            auto plattform = std::make_unique<QtPlattform>();
            Spiel spiel(*plattform, ort.path().toStdString() + "/", false);
            spiel.wiederherstellungImHintergrund({});
            hofFuellen();
            HauptFenster rahmen(spiel, *plattform);
            aufbauen(rahmen);
            gesicht.push_back(weiterKlicken(rahmen));
        }
        // The old farm: a month with the logbook closed, one with it open,
        // and the orderly end.
        QTemporaryDir ort;
        kopieren(alt.path(), ort.path());
        auto plattform = std::make_unique<QtPlattform>();
        Spiel spiel(*plattform, ort.path().toStdString() + "/", false);
        spiel.wiederherstellungImHintergrund({});  // as the game writes it
        zeilen = spiel.hofbuch().zeilen().size();
        hofFuellen();
        {
            HauptFenster rahmen(spiel, *plattform);
            aufbauen(rahmen);
            altZu.push_back(weiterKlicken(rahmen));
            hofFuellen();
            rahmen.hofbuchAktion()->trigger();
            zeichnen();
            altOffen.push_back(weiterKlicken(rahmen));
        }
        QElapsedTimer uhr;
        uhr.start();
        if (!spiel.beenden()) return 1;
        altEnde.push_back(millisekunden(uhr));
    }
    melden("monat_kern_rechenzeit_us", kern);
    melden("monat_gesicht_ms", gesicht);
    melden("fuenfzig_monat_ms", altZu);
    melden("fuenfzig_monat_hofbuch_ms", altOffen);
    melden("fuenfzig_ende_ms", altEnde);
    std::printf("boxen %d 0 0\nfuenfzig_zeilen %zu 0 0\n", boxen, zeilen);
    return 0;
}

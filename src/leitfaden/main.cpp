// trevo-bilder: the pictures of the guide, made by the game itself. It plays
// a scripted farm with trevo-sim's actions, starts that farm in the real
// frame on the offscreen platform and writes every window, the purchase and
// field work dialogs and the logbook as PNG at twice the pixel density, and
// the field calendar as a chart in the map's own colours.
//
//   trevo-bilder SCRIPT DIRECTORY [en]
//
// With en the windows speak English, for the English guide.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <array>
#include <fstream>
#include <functional>
#include <optional>
#include <iostream>
#include <sstream>

#include "geld/geldtext.h"
#include "geld/kontrollform.h"
#include "fields/feldaktionform.h"
#include "fields/felderform.h"
#include "goods/stores.h"
#include "livestock/arten.h"
#include "sim/aktionen.h"
#include "sim/lauf.h"
#include "sim/skript.h"
#include "spiel.h"
#include "ui/anwendung.h"
#include "ui/hauptfenster.h"
#include "ui/kindview.h"
#include "ui/qtplattform.h"
#include "ui/views/felderview.h"
#include "ui/views/feldpunkte.h"
#include "ui/views/hofbuchfenster.h"

namespace {

constexpr qreal dichte = 2;  // device pixels per pixel of the pictures

QString ziel;  // the directory the pictures go to
int fehler = 0;

void warte(const std::function<bool()>& bis, int ms) {
    QElapsedTimer uhr;
    uhr.start();
    while (!bis() && uhr.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void speichern(const QImage& bild, const QString& name) {
    const QString pfad = ziel + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!bild.save(pfad, "PNG")) {
        std::cerr << "trevo-bilder: " << pfad.toStdString() << " kann nicht geschrieben werden\n";
        ++fehler;
    }
}

// A widget as it shows itself, at twice the density.
void aufnehmen(QWidget* w, const QString& name) {
    QImage bild(w->size() * dichte, QImage::Format_ARGB32_Premultiplied);
    bild.setDevicePixelRatio(dichte);
    bild.fill(Qt::transparent);
    w->render(&bild);
    speichern(bild, name);
}

// The map with each field's name on it, white on a dark edge so that it
// reads on every colour.
void karteAufnehmen(FelderKarte* karte) {
    QImage bild(karte->size() * dichte, QImage::Format_ARGB32_Premultiplied);
    bild.setDevicePixelRatio(dichte);
    bild.fill(Qt::transparent);
    karte->render(&bild);
    QPainter p(&bild);
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setPointSize(9);
    schrift.setBold(true);
    p.setFont(schrift);
    const TPaintFelder& felder = *karte->form().PaintFelder;
    for (const TFeld* f : felderDerKarte(karte->form())) {
        const std::optional<QPoint> punkt = punktIm(*f, felder);
        if (!punkt) continue;
        const QString name = QString::fromStdString(f->name);
        QRect r = p.fontMetrics().boundingRect(name);
        r.moveCenter(*punkt);
        p.setPen(Qt::black);
        for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
            p.drawText(r.translated(d), Qt::AlignCenter, name);
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignCenter, name);
    }
    p.end();
    speichern(bild, QStringLiteral("karte"));
}

// The farm of the script, played on the scripted platform and saved.
bool hofSpielen(const QString& skriptDatei, const QString& verzeichnis) {
    std::ifstream ein(skriptDatei.toStdString(), std::ios::binary);
    std::stringstream text;
    text << ein.rdbuf();
    const Skript skript = skriptLesen(text.str());
    if (!ein || skript.fehler) {
        std::cerr << "trevo-bilder: " << skriptDatei.toStdString() << ": "
                  << (skript.fehler ? skript.fehler->meldung() : std::string("nicht lesbar")) << '\n';
        return false;
    }
    std::ostringstream protokoll;
    Lauf lauf(verzeichnis.toStdString(), protokoll, false);
    for (const Befehl& b : skript.befehle) {
        if (const std::string falsch = fensterPruefen(b, lauf); !falsch.empty()) {
            std::cerr << "trevo-bilder: line " << b.zeile << ": " << falsch << '\n';
            return false;
        }
        lauf.ausfuehren(b);
    }
    return lauf.beenden();
}

// The picture a modal window that comes up is taken as; empty: none is
// expected, and one that comes all the same is closed and counted as an
// error, so that the build never waits for a player.
QString erwarteterDialog;
bool dialogGesehen = false;

void modaleFensterBeobachten() {
    auto* wache = new QTimer(QCoreApplication::instance());
    wache->setInterval(10);
    QObject::connect(wache, &QTimer::timeout, [] {
        QWidget* d = QApplication::activeModalWidget();
        if (!d) return;
        if (erwarteterDialog.isEmpty()) {
            std::cerr << "trevo-bilder: unerwartetes Fenster " << d->windowTitle().toStdString() << '\n';
            ++fehler;
        } else if (!dialogGesehen) {
            aufnehmen(d, erwarteterDialog);
        }
        dialogGesehen = true;
        d->close();
    });
    wache->start();
}

// Shows a modal dialog by calling into the game, takes its picture as soon
// as it is up and closes it without a choice.
void dialogAufnehmen(const QString& name, const std::function<void()>& oeffnen) {
    erwarteterDialog = name;
    dialogGesehen = false;
    oeffnen();
    const bool gesehen = dialogGesehen;
    erwarteterDialog.clear();
    if (!gesehen) {
        std::cerr << "trevo-bilder: kein Dialog für " << name.toStdString() << '\n';
        ++fehler;
    }
}

// The field calendar: a year of each crop on well prepared soil with the
// months' mean temperatures, each month in the colour the map gives the
// field then. Sown in its month, harvested in the last month before it would
// lose points, turn over-ripe or die; a harvested field lies bare.
void kalenderZeichnen() {
    struct Reihe {
        const char* name;
        int32_t was;
        int32_t saatMonat;
        int32_t saatWachs;  // the score when drilled
    };
    const std::array<Reihe, 4> reihen{{{"Sommergerste", gerste, 4, 196},
                                       {"Winterweizen", weizen, 10, 125},
                                       {"Rüben", rueben, 4, 196},
                                       {"Gras", gras, 4, 196}}};
    const char* monate[] = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    constexpr int links = 104, zelle = 40, kopf = 22, hoehe = 28;
    const QSize groesse(links + 12 * zelle + 1, kopf + 4 * hoehe + 1);
    QImage bild(groesse * dichte, QImage::Format_ARGB32_Premultiplied);
    bild.setDevicePixelRatio(dichte);
    bild.fill(Qt::white);
    QPainter p(&bild);
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setPointSize(8);
    p.setFont(schrift);
    for (int m = 0; m < 12; ++m)
        p.drawText(QRect(links + m * zelle, 0, zelle, kopf), Qt::AlignCenter, QString::fromUtf8(monate[m]));
    for (std::size_t r = 0; r < reihen.size(); ++r) {
        const Reihe& reihe = reihen[r];
        const int y = kopf + static_cast<int>(r) * hoehe;
        p.setPen(Qt::black);
        p.drawText(QRect(4, y, links - 8, hoehe), Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8(reihe.name));
        TFeld feld;
        feld.was = kahl;
        feld.wachs = reihe.saatWachs - 100;
        // The year before settles the crop that stands in January.
        for (int jahr = 0; jahr < 2; ++jahr) {
            for (int32_t monat = 1; monat <= 12; ++monat) {
                const int32_t t = mittelTemperatur[static_cast<std::size_t>(monat)];
                const bool arbeit = t >= TFeldAktionForm::mindestTemperatur;
                if (arbeit && monat == reihe.saatMonat && feld.was == kahl) feld.drillen(reihe.was);
                if (jahr == 1) {
                    const QRect z(links + (monat - 1) * zelle, y, zelle, hoehe);
                    const Farbe f = feld.pinsel();
                    p.fillRect(z, QColor(f.r, f.g, f.b));
                    p.setPen(QColor(255, 255, 255, 90));
                    p.drawRect(z);
                    p.setPen(qGray(f.r, f.g, f.b) > 110 ? Qt::black : Qt::white);
                    if (feld.was != kahl) p.drawText(z, Qt::AlignCenter, QString::number(feld.wachs));
                }
                const int32_t danach = wachsNachMonat(feld.was, feld.wachs, t);
                const bool reif = feld.was > kahl && feld.wachs >= reifAb[static_cast<std::size_t>(feld.was)];
                if (arbeit && reif && (danach <= feld.wachs || (feld.was != gras && danach >= ueberreifAb))) {
                    feld.ernten();
                    if (feld.was == kahl) {
                        // Prepared again, and sown at once in its month.
                        feld.wachs = reihe.saatWachs - 100;
                        if (monat == reihe.saatMonat) {
                            feld.drillen(reihe.was);
                            feld.wachs = wachsNachMonat(feld.was, feld.wachs, t);
                        }
                    }
                    continue;
                }
                feld.wachs = danach;
                if (danach == -10 && feld.was != kahl) feld.was = kahl;
            }
        }
    }
    p.end();
    speichern(bild, QStringLiteral("kalender"));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TrevoAnwendung anwendung(argc, argv);
    const QStringList argumente = QCoreApplication::arguments();
    const bool englisch = argumente.size() == 4 && argumente.at(3) == QLatin1String("en");
    if (argumente.size() != 3 && !englisch) {
        std::cerr << "usage: trevo-bilder SCRIPT DIRECTORY [en]\n";
        return 2;
    }
    // Each guide's pictures in its own language.
    TrevoAnwendung::einrichten(englisch ? Sprache::englisch : Sprache::deutsch);
    dezimalTrenner = englisch ? "." : ",";
    QApplication::setQuitOnLastWindowClosed(false);
    QtPlattform::setzeTonAus(true);
    ziel = argumente.at(2);
    QDir().mkpath(ziel);

    QTemporaryDir hof;
    if (!hof.isValid() || !hofSpielen(argumente.at(1), hof.path())) return 1;

    {
        modaleFensterBeobachten();
        QtPlattform plattform;
        Spiel spiel(plattform, hof.path().toStdString());
        HauptFenster rahmen(spiel, plattform);
        rahmen.starten();
        warte([&] { return rahmen.gestartet(); }, 5000);
        rahmen.showNormal();
        // A few trades of the player, so that the statement has rows: the
        // feed silo and the diesel tank filled (right clicks), a pig sold.
        FutterForm->KVButtonMouseDown(FutterForm->KaufenButton, true);
        DieselForm->KVButtonMouseDown(DieselForm->KaufenButton, true);
        SchweineForm->KVButtonClick(SchweineForm->VKaufenButton);
        // The frame just large enough for every window at its place.
        QRect alle;
        for (KindView* v : rahmen.views()) {
            v->auffrischen();
            alle |= v->geometry();
        }
        rahmen.resize(alle.right() + 12, alle.bottom() + 12 + rahmen.menuBar()->height());
        warte([] { return false; }, 100);
        aufnehmen(&rahmen, QStringLiteral("hof"));
        // Every window as it stands; the cows and the feed only opened
        // (below), the outlook larger than its place (below), as the guide
        // shows them.
        for (KindView* v : rahmen.views()) {
            const std::string& n = v->fenster().name();
            if (n == "KueheForm" || n == "FutterForm" || n == "AusblickForm") continue;
            aufnehmen(v, QString::fromStdString(n).toLower());
        }
        // The cows' and the feed's windows opened, as the player's ">>" does.
        for (TgutForm* g : {static_cast<TgutForm*>(KueheForm), static_cast<TgutForm*>(FutterForm)}) {
            g->SizeButtonClick();
            if (KindView* v = rahmen.view(g->name())) {
                v->auffrischen();
                aufnehmen(v, QString::fromStdString(g->name()).toLower() + QStringLiteral("-offen"));
            }
        }
        // The whole map, not only what its window shows, with the fields'
        // names for the caption to refer to.
        for (KindView* v : rahmen.views())
            if (auto* felder = qobject_cast<FelderView*>(v)) karteAufnehmen(felder->karte());
        // The outlook of the month the farm stands in, with room for every line.
        if (KindView* v = rahmen.view("AusblickForm")) {
            // Once the frame no longer places the outlook itself (for two
            // seconds after it placed it at the start).
            warte([] { return false; }, 2100);
            v->resize(360, 330);
            warte([] { return false; }, 50);
            aufnehmen(v, QStringLiteral("ausblick"));
        }

        dialogAufnehmen(QStringLiteral("tierkauf"), [] { KueheForm->KVButtonClick(KueheForm->KaufenButton); });
        dialogAufnehmen(QStringLiteral("feldarbeit"), [] { FelderForm->aktion(*FelderForm->felder[1]); });

        rahmen.hofbuchAktion()->trigger();
        if (HofbuchFenster* buch = rahmen.hofbuchFenster()) {
            warte([] { return false; }, 50);
            aufnehmen(buch, QStringLiteral("hofbuch"));
        } else {
            ++fehler;
        }
        // Nothing of this is saved: the farm goes with its directory.
    }
    kalenderZeichnen();
    return fehler == 0 ? 0 : 1;
}

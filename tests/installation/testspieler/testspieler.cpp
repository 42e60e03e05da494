// A player for the installed game: loaded into the real, unchanged program
// with LD_PRELOAD, it plays through the game's own controls as a player
// would. It presses "Weiter" on the control panel, opens the guide by its
// menu command and looks at the guide's pictures, then ends the game by
// "Programm be&enden". Its steps wait for files in $TREVO_TESTSPIELER, so
// that the script that started it can look at the screen in between; what
// it sees goes to standard error, lines starting "Testspieler:".
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {
void sagen(const QString& text) {
    std::fprintf(stderr, "Testspieler: %s\n", qPrintable(text));
    std::fflush(stderr);
}

QWidget* rahmen() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qstrcmp(w->metaObject()->className(), "HauptFenster") == 0 && w->isVisible()) return w;
    return nullptr;
}

QString monat(QWidget* r) {
    for (QLabel* l : r->findChildren<QLabel*>())
        if (l->isVisible() && l->text().contains(QLatin1String(" 20"))) return l->text();
    return {};
}

QAction* befehl(QWidget* r, const QString& text) {
    for (QAction* a : r->findChildren<QAction*>())
        if (a->text() == text) return a;
    return nullptr;
}

// Runs schritt every 100 ms until it says it is done; gives up after a
// minute with a message, and the script sees the game run on.
void solange(const std::function<bool()>& schritt, const std::function<void()>& danach) {
    auto* uhr = new QTimer(qApp);
    auto versuche = std::make_shared<int>(0);
    QObject::connect(uhr, &QTimer::timeout, qApp, [=] {
        if (schritt()) {
            uhr->deleteLater();
            danach();
        } else if (++*versuche == 600) {
            uhr->deleteLater();
            sagen(QStringLiteral("aufgegeben"));
        }
    });
    uhr->start(100);
}

bool freigegeben(const char* name) {
    return QFile::exists(QDir(qEnvironmentVariable("TREVO_TESTSPIELER")).filePath(QLatin1String(name)));
}

bool einBild(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::QImage: return !v.value<QImage>().isNull();
    case QMetaType::QPixmap: return !v.value<QPixmap>().isNull();
    case QMetaType::QByteArray: return !QImage::fromData(v.toByteArray()).isNull();
    default: return false;
    }
}

// The guide's pictures as its browser loaded them: how many, how many
// empty.
QString bilderDerHilfe() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qstrcmp(w->metaObject()->className(), "HilfeFenster") != 0 || !w->isVisible()) continue;
        auto* browser = w->findChild<QTextBrowser*>();
        if (!browser) continue;
        QTextDocument* doc = browser->document();
        int bilder = 0, leer = 0;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat f = it.fragment().charFormat();
                if (!f.isImageFormat()) continue;
                ++bilder;
                const QVariant bild = doc->resource(QTextDocument::ImageResource, QUrl(f.toImageFormat().name()));
                if (!einBild(bild)) ++leer;
            }
        if (bilder == 0) continue;  // not loaded yet
        return QStringLiteral("Hilfe %1, %2 Bilder, %3 leer").arg(browser->source().toLocalFile()).arg(bilder).arg(leer);
    }
    return {};
}

QPushButton* knopf(QWidget* in, const QString& text) {
    for (QPushButton* k : in->findChildren<QPushButton*>())
        if (k->text().remove(QLatin1Char('&')) == text) return k;
    return nullptr;
}

// The sound module as the process mapped it.
QString geladenesModul() {
    QFile karte(QStringLiteral("/proc/self/maps"));
    if (!karte.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray& zeile : karte.readAll().split('\n'))
        if (zeile.endsWith("/trevo-klaenge.so")) return QString::fromLocal8Bit(zeile.mid(zeile.indexOf('/')));
    return {};
}

// "Kaufen" in the feed store opens the quantity dialog, which the game
// places by the pointer; the script looks where it is, then "Abbruch".
void mengeFragen() {
    QMdiSubWindow* futter = nullptr;
    for (QMdiSubWindow* f : rahmen()->findChildren<QMdiSubWindow*>())
        if (f->windowTitle() == QLatin1String("Futter")) futter = f;
    QPushButton* kaufen = futter ? knopf(futter, QStringLiteral("Kaufen")) : nullptr;
    if (kaufen && !kaufen->isVisible())
        if (QPushButton* auf = knopf(futter, QStringLiteral(">>"))) QTest::mouseClick(auf, Qt::LeftButton);
    if (!kaufen || !kaufen->isVisible()) {
        sagen(QStringLiteral("kein Knopf Kaufen im Futter"));
        return;
    }
    solange([] { return QApplication::activeModalWidget() && QApplication::activeModalWidget()->isVisible(); },
            [] {
                sagen(QStringLiteral("Dialog offen: %1").arg(QApplication::activeModalWidget()->windowTitle()));
                solange([] { return freigegeben("dialog-zu"); },
                        [] {
                            if (QWidget* d = QApplication::activeModalWidget())
                                if (QPushButton* abbruch = knopf(d, QStringLiteral("Abbruch")))
                                    QTest::mouseClick(abbruch, Qt::LeftButton);
                        });
            });
    // The dialog runs its own loop inside the click; the steps above run in it.
    QTest::mouseClick(kaufen, Qt::LeftButton);
    sagen(QStringLiteral("Dialog zu"));
    // The pigs brought forward, as a click on them would: the herd greets
    // the player with its sound, and the first sound loads the module.
    for (QMdiSubWindow* f : rahmen()->findChildren<QMdiSubWindow*>())
        if (f->windowTitle() == QLatin1String("Schweine")) f->mdiArea()->setActiveSubWindow(f);
    solange([] { return !geladenesModul().isEmpty(); },
            [] { sagen(QStringLiteral("Klangmodul geladen: %1").arg(geladenesModul())); });
}

void spielen() {
    if (qEnvironmentVariableIsEmpty("TREVO_TESTSPIELER")) return;
    auto vorher = std::make_shared<QString>();
    solange(
        [=] {
            QWidget* r = rahmen();
            if (!r || monat(r).isEmpty()) return false;
            *vorher = monat(r);
            for (QPushButton* k : r->findChildren<QPushButton*>())
                if (k->text() == QLatin1String("&Weiter") && k->isVisible()) {
                    sagen(QStringLiteral("Plattform %1, %2, Weiter").arg(QGuiApplication::platformName(), *vorher));
                    QTest::mouseClick(k, Qt::LeftButton);
                    return true;
                }
            return false;
        },
        [=] {
            solange(
                [=] {
                    QWidget* r = rahmen();
                    return r && !monat(r).isEmpty() && monat(r) != *vorher;
                },
                [=] {
                    sagen(QStringLiteral("Monat gespielt: %1").arg(monat(rahmen())));
                    solange([] { return freigegeben("dialog"); }, mengeFragen);
                    solange([] { return freigegeben("hilfe"); },
                            [] {
                                if (QAction* a = befehl(rahmen(), QStringLiteral("&Handbuch"))) a->trigger();
                                solange([] { return !bilderDerHilfe().isEmpty(); },
                                        [] {
                                            sagen(bilderDerHilfe());
                                            solange([] { return freigegeben("ende"); },
                                                    [] {
                                                        QWidget* r = rahmen();
                                                        QAction* a = r ? befehl(r, QStringLiteral("Programm be&enden")) : nullptr;
                                                        sagen(QStringLiteral("Programm be&enden"));
                                                        if (a) a->trigger();
                                                    });
                                        });
                            });
                });
        });
}
}  // namespace

Q_COREAPP_STARTUP_FUNCTION(spielen)

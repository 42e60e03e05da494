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

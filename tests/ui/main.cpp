// The UI tests run in one QApplication on the offscreen platform, without
// sound, with the German decimal separator.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include "app/geldtext.h"
#include "ui/anwendung.h"
#include "ui/hauptfenster.h"
#include "ui/qtplattform.h"

int main(int argc, char** argv) {
    // gtest_discover_tests runs this binary at build time without the
    // test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The player's settings (music, sounds, volume) go to a directory of the
    // tests' own, never into the user's configuration.
    const QString konfiguration = QDir::tempPath() + QStringLiteral("/trevo-ui-tests-%1").arg(QCoreApplication::applicationPid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(konfiguration));
    ::testing::InitGoogleTest(&argc, argv);
    TrevoAnwendung anwendung(argc, argv);
    TrevoAnwendung::einrichten();
    dezimalTrenner = ",";
    // The tests close frames without ending the process.
    QApplication::setQuitOnLastWindowClosed(false);
    QtPlattform::setzeTonAus(true);
    // The windows start at the game's designed places; the tests of the
    // layout side by side switch it on for themselves.
    HauptFenster::setzeAnfangsAnordnung(false);
    QtPlattform::setzeKlangModul(QStringLiteral(TREVO_KLANGMODUL));
    const int ergebnis = RUN_ALL_TESTS();
    QDir(konfiguration).removeRecursively();
    return ergebnis;
}

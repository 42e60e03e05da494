// The UI tests run in one QApplication on the offscreen platform, without
// sound, with the German decimal separator.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "geld/geldtext.h"
#include "ui/anwendung.h"
#include "ui/hauptfenster.h"
#include "ui/qtplattform.h"

int main(int argc, char** argv) {
    // gtest_discover_tests runs this binary at build time without the
    // test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TrevoAnwendung anwendung(argc, argv);
    TrevoAnwendung::einrichten();
    dezimalTrenner = ",";
    // The tests close frames without ending the process.
    QApplication::setQuitOnLastWindowClosed(false);
    // The player's settings ("Weiter" asks before a loss, music, sounds,
    // volume) are not touched: the tests keep theirs in Qt's test location.
    QStandardPaths::setTestModeEnabled(true);
    QtPlattform::setzeTonAus(true);
    // The windows start at the game's designed places; the tests of the
    // layout side by side switch it on for themselves.
    HauptFenster::setzeAnfangsAnordnung(false);
    QtPlattform::setzeKlangModul(QStringLiteral(TREVO_KLANGMODUL));
    return RUN_ALL_TESTS();
}

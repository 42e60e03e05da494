// The UI tests run in one QApplication on the offscreen platform, without
// sound, with the German decimal separator.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "app/geldtext.h"
#include "ui/anwendung.h"
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
    // The player's settings ("Weiter" asks before a loss) are not touched.
    QStandardPaths::setTestModeEnabled(true);
    QtPlattform::setzeTonAus(true);
    QtPlattform::setzeKlangModul(QStringLiteral(TREVO_KLANGMODUL));
    return RUN_ALL_TESTS();
}

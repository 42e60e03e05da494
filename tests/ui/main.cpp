// The UI tests run in one QApplication on the offscreen platform, without
// sound, with the German decimal separator.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include <cstdlib>
#include <filesystem>

#include "geld/geldtext.h"
#include "ui/anwendung.h"
#include "ui/hauptfenster.h"
#include "ui/qtplattform.h"

namespace {

int laufen(int argc, char** argv) {
    TrevoAnwendung anwendung(argc, argv);
    TrevoAnwendung::einrichten(Sprache::deutsch);
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

}  // namespace

int main(int argc, char** argv) {
    // gtest_discover_tests runs this binary at build time without the
    // test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // A home of its own, and with it Qt's test location of the settings:
    // ctest runs several of these processes at once, and a setting one of
    // them writes ("Nicht mehr fragen") must not reach another.
    char heim[] = "/tmp/trevo-ui-heim-XXXXXX";
    if (!mkdtemp(heim)) return 1;
    setenv("HOME", heim, 1);
    unsetenv("XDG_CONFIG_HOME");
    const int status = laufen(argc, argv);
    std::error_code ec;
    std::filesystem::remove_all(heim, ec);
    return status;
}

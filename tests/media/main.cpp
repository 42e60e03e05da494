#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // ctest lists the tests by running this binary at build time, without
    // the test environment: without a display, Qt needs to be told.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

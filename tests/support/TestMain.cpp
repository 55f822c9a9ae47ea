#include "core/Clock.h"
#include "ui/Dialogs.h"
#include "ui/WindowLayout.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <gtest/gtest.h>

// Test programs run with a QApplication on the offscreen platform.
int main(int argc, char** argv) {
    zort::initProcessTime();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("ZORT_TEST_DATA")) qputenv("ZORT_TEST_DATA", ZORT_TEST_DATA_DIR);
    if (qEnvironmentVariableIsEmpty("ZORT_BIN_DIR")) qputenv("ZORT_BIN_DIR", ZORT_TOOLS_DIR);
    QApplication app(argc, argv);
    zort::installDialogs();
    // Windows of the tests keep their layout in a file of the test run.
    zort::WindowLayout::setFile(zort::test::testTempRoot() + QStringLiteral("/zortwyp.ini"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// GoogleTest entry for the window tests: one QApplication on the offscreen
// platform, in the "C" locale unless LC_ALL names one, so nothing depends on
// the machine.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // ctest gives LC_ALL (C, or German for the locale run); by hand: C.
    if (qEnvironmentVariableIsEmpty("LC_ALL")) qputenv("LC_ALL", "C");
    qputenv("TZ", "UTC");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", "/tmp");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

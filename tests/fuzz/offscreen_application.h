#pragma once
// The one QApplication of a fuzz target that drives the window: offscreen,
// with a fixed locale and zone so that runs repeat.
#include <QApplication>

namespace fuzz {

// program_name must outlive the application (QApplication keeps argv).
inline void start_offscreen_application(char* program_name) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C");
    qputenv("TZ", "UTC");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", "/tmp");
    static int argc = 1;
    static char* argv[] = {program_name, nullptr};
    // Never destroyed: a static QApplication would go before the platform
    // plugin's input devices at exit.
    new QApplication(argc, argv);
}

} // namespace fuzz

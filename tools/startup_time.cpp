// Developer tool: time from entering main() to the first painted window on
// the offscreen platform, in milliseconds.   vespera_startup_time
#include <QApplication>
#include <QTemporaryDir>
#include <chrono>

#include "first_paint.h"
#include "ui/application_setup.h"
#include "ui/frmKalender.h"

int main(int argc, char* argv[]) {
    const auto start = std::chrono::steady_clock::now();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("VESPERA_CONFIG_DIR", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    prepare_application(app);
    frmKalender window;
    FirstPaint probe(start);
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}

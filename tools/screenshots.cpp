// Developer tool: renders the window offscreen for a fixed date and place and
// saves PNGs, so that the drawing can be looked at without a display.
//   vespera_screenshots <folder> [scale]
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "ui/frmKalender.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2) qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    QTemporaryDir config;
    qputenv("VESPERA_CONFIG_DIR", config.path().toLocal8Bit());

    const QDateTime now(QDate(2024, 5, 3), QTime(14, 15, 2));
    frmKalender window([now] { return now; }, [](const QString&) {});
    window.resize(1000, 640);
    window.show();
    QApplication::processEvents();
    window.grab().save(folder + "/startup.png");
    return 0;
}

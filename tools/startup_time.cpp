// Developer tool: time from entering main() to the first painted window on
// the offscreen platform, in milliseconds.   vespera_startup_time
#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

#include "ui/frmKalender.h"

namespace {

class FirstPaint : public QObject {
public:
    explicit FirstPaint(std::chrono::steady_clock::time_point start) : start_(start) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            const auto elapsed = std::chrono::steady_clock::now() - start_;
            std::printf("startup_to_first_paint_ms=%.2f\n",
                        std::chrono::duration<double, std::milli>(elapsed).count());
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::chrono::steady_clock::time_point start_;
    bool done_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    const auto start = std::chrono::steady_clock::now();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("VESPERA_CONFIG_DIR", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    frmKalender window;
    FirstPaint probe(start);
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}

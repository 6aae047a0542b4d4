#pragma once
// Ends a start-up measurement: at the watched window's first paint, prints
// the time since `start` and quits the event loop.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <chrono>
#include <cstdio>

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
            // At once, not queued: what the window leaves for after its
            // first picture is not part of its start.
            QCoreApplication::exit(0);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::chrono::steady_clock::time_point start_;
    bool done_ = false;
};

// The yardstick for the window's start-up: a bare Qt window of the same
// kind (a month calendar beside a text pane), built with the project's
// flags, timed like vespera_startup_time.   vespera_bare_window
#include <QApplication>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QScreen>
#include <QTextEdit>
#include <QWidget>
#include <chrono>

#include "first_paint.h"

int main(int argc, char* argv[]) {
    const auto start = std::chrono::steady_clock::now();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(new QCalendarWidget);
    auto* text = new QTextEdit;
    text->setReadOnly(true);
    text->setPlainText(QStringLiteral("Mittwoch, 9. Dezember 2026 · Berlin"));
    layout->addWidget(text);
    // The size the window first opens at, on the same screen: the backing
    // store of a larger window alone costs hundreds of page faults more.
    window.resize(QSize(1320, 800).boundedTo(window.screen()->availableGeometry().size() - QSize(16, 48)));
    FirstPaint probe(start);
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}

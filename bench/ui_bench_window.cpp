// Window benchmarks on the offscreen platform: what the user waits for.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include "ui/frmKalender.h"

namespace {

const QDateTime kNow(QDate(2024, 5, 3), QTime(14, 15, 2));

// Month forward as the user clicks it: the grid and the day report rebuilt
// and both painted.
void BM_MonthForwardWithPainting(benchmark::State& state) {
    frmKalender window([] { return kNow; }, [](const QString&) {});
    window.resize(1000, 680);
    window.show();
    QApplication::processEvents();
    auto* forward = window.findChild<QPushButton*>("cmdAendern(1)");
    auto* grid = window.findChild<QWidget*>("picMonat");
    auto* panel = window.findChild<QWidget*>("picInfo");
    for (auto _ : state) {
        forward->click();
        grid->repaint();
        panel->repaint();
    }
}
BENCHMARK(BM_MonthForwardWithPainting)->Unit(benchmark::kMillisecond);

// The day report alone (ZeigeInfo), on a new day each time so that nothing
// of the previous day's rise and set samples can be reused.
void BM_DayReport(benchmark::State& state) {
    frmKalender window([] { return kNow; }, [](const QString&) {});
    std::int32_t day = 1;
    for (auto _ : state) {
        day = day % 28 + 1;
        window.engine().setTag(day);
        window.ZeigeInfo();
    }
}
BENCHMARK(BM_DayReport)->Unit(benchmark::kMicrosecond);

// Start-up to the first painted window.
void BM_StartupToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        frmKalender window([] { return kNow; }, [](const QString&) {});
        window.resize(1000, 680);
        window.show();
        window.repaint();
    }
}
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir config;
    qputenv("VESPERA_CONFIG_DIR", config.path().toLocal8Bit());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

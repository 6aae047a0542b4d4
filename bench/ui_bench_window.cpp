// Window benchmarks on the offscreen platform: what the user waits for.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "bench/address_book.h"
#include "ui/frmKalender.h"
#include "ui/settings_store.h"
#include "ui/place_box.h"

namespace {

const QDateTime kNow(QDate(2024, 5, 3), QTime(14, 15, 2));

// Month forward as the user clicks it: the grid, the day report and the
// sky charts rebuilt, and the window painted as the event loop paints it.
// A new year every twelfth step counts its day lengths afresh.
void BM_MonthForwardWithPainting(benchmark::State& state) {
    frmKalender window([] { return kNow; }, [](const QString&) {});
    window.resize(1000, 680);
    window.show();
    QApplication::processEvents();
    auto* forward = window.findChild<QPushButton*>("cmdAendern(1)");
    for (auto _ : state) {
        forward->click();
        // What the event loop does next: paint what changed (the month, the
        // report, the charts, the labels) and, in a new year, count its day
        // lengths on the zero timer and paint that curve.
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_MonthForwardWithPainting)->Unit(benchmark::kMillisecond);

// Back and forth between two months of one year: what the year's tables
// (eclipses, sky events, day lengths) must not be counted again for.
void month_back_and_forth(benchmark::State& state, std::size_t own_dates) {
    frmKalender window([] { return kNow; }, [](const QString&) {});
    window.resize(1000, 680);
    window.show();
    QApplication::processEvents();
    if (window.ownDateStore().dates().size() != own_dates) state.SkipWithError("termine.ics not read");
    auto* forward = window.findChild<QPushButton*>("cmdAendern(1)");
    auto* back = window.findChild<QPushButton*>("cmdAendern(0)");
    bool ahead = false;
    for (auto _ : state) {
        (ahead ? back : forward)->click();
        ahead = !ahead;
        QCoreApplication::processEvents();
    }
}

void BM_MonthWithinTheYearWithPainting(benchmark::State& state) { month_back_and_forth(state, 0); }
BENCHMARK(BM_MonthWithinTheYearWithPainting)->Unit(benchmark::kMillisecond);

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

// termine.ics with 10,000 birthdays and anniversaries in the settings
// folder while it lives: a large address book imported.
class AddressBookInSettings {
public:
    AddressBookInSettings() : path_(vespera::ui::settings_folder() + QStringLiteral("/termine.ics")) {
        QDir().mkpath(vespera::ui::settings_folder());
        QFile file(path_);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(QByteArray::fromStdString(
                vespera::own_dates::own_date_document(vespera::bench::address_book(), 1800000000)));
        }
    }
    ~AddressBookInSettings() { QFile::remove(path_); }
    AddressBookInSettings(const AddressBookInSettings&) = delete;
    AddressBookInSettings& operator=(const AddressBookInSettings&) = delete;

private:
    QString path_;
};

// Within the year as above, with the address book's dates in every month.
void BM_MonthWithinTheYearWith10000OwnDates(benchmark::State& state) {
    const AddressBookInSettings book;
    month_back_and_forth(state, vespera::bench::kAddressBookDates);
}
BENCHMARK(BM_MonthWithinTheYearWith10000OwnDates)->Unit(benchmark::kMillisecond);

// Start-up to the first painted window.
void start_to_first_paint(benchmark::State& state) {
    for (auto _ : state) {
        frmKalender window([] { return kNow; }, [](const QString&) {});
        window.resize(1000, 680);
        window.show();
        window.repaint();
    }
}

// With the address book: the dates are read once the window is on the screen.
void BM_StartupToFirstPaintWith10000OwnDates(benchmark::State& state) {
    const AddressBookInSettings book;
    start_to_first_paint(state);
}
BENCHMARK(BM_StartupToFirstPaintWith10000OwnDates)->Unit(benchmark::kMillisecond);

void BM_StartupToFirstPaint(benchmark::State& state) { start_to_first_paint(state); }
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond);

void type_letter(PlaceBox& box, QChar letter) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
    QWidget* popup = QApplication::activePopupWidget();
    QApplication::sendEvent(popup ? popup : &box, &press);
}

// The first letter typed into a new city box: the gazetteer read and
// indexed, the first search, the popup made and shown.
void BM_CityBoxFirstKeystroke(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto box = std::make_unique<PlaceBox>();
        box->setCities({QStringLiteral("Berlin")});
        box->showPlace(QStringLiteral("Berlin"));
        box->show();
        QApplication::setActiveWindow(box.get());
        box->setFocus();
        box->lineEdit()->selectAll();
        state.ResumeTiming();
        type_letter(*box, u'N');
        state.PauseTiming();
        box.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CityBoxFirstKeystroke)->Unit(benchmark::kMillisecond)->Iterations(10);

// "Neustadt" typed letter by letter into the window's box once the
// gazetteer is read: search, suggestions and popup, per keystroke.
void BM_CityBoxKeystroke(benchmark::State& state) {
    frmKalender window([] { return kNow; }, [](const QString&) {});
    window.resize(1000, 680);
    window.show();
    auto* box = window.findChild<PlaceBox*>("cmbOrt");
    box->search();
    QApplication::setActiveWindow(&window);
    box->setFocus();
    const QString word = QStringLiteral("Neustadt");
    for (auto _ : state) {
        box->lineEdit()->selectAll();
        for (const QChar letter : word) type_letter(*box, letter);
    }
    // items_per_second: keystrokes a second.
    state.SetItemsProcessed(state.iterations() * word.size());
}
BENCHMARK(BM_CityBoxKeystroke)->Unit(benchmark::kMillisecond);

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

// Soak: one day of live-display ticks (clock injected), a city change every
// 1 000 ticks; the process's memory must not grow beyond noise.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <fstream>
#include <iostream>
#include <unistd.h>

#include "ui/InfoPanel.h"
#include "window_fixture.h"

#if defined(__SANITIZE_ADDRESS__)
#include <cstddef>
// AddressSanitizer's allocator statistics (compiler-rt's
// sanitizer/allocator_interface.h, which GCC 12 does not install).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

long resident_kib() {
#if defined(__SANITIZE_ADDRESS__)
    // Freed memory waits in AddressSanitizer's quarantine and stays resident;
    // what a leak grows is the live heap.
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#endif
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

TEST(Soak, OneDayOfTicksWithCityChanges) {
    WindowForTest t;
    t.now = berlin_time(QDate(2024, 3, 30), QTime(0, 0, 0)); // runs over the clock change
    t.start();
    t.find<QCheckBox>("Check1")->setChecked(true);
    auto* cities = t.find<QComboBox>("cmbOrt");
    auto* panel = t.find<InfoPanel>("picInfo");
    constexpr int kTicks = 86400;
    constexpr int kWarmUp = 10000;
    long after_warm_up = 0;
    for (int tick = 1; tick <= kTicks; ++tick) {
        t.now = t.now.addSecs(1);
        t.window->Timer1_Timer();
        if (tick % 1000 == 0) {
            // Through the 101 cities; the entries after them are no city.
            cities->setCurrentIndex((cities->currentIndex() + 37) % 101);
            QApplication::processEvents(); // paint what the ticks changed
        }
        if (tick == kWarmUp) after_warm_up = resident_kib();
    }
    const long grown = resident_kib() - after_warm_up;
    std::cout << "[ soak ] resident after warm-up " << after_warm_up << " KiB, grown by " << grown << " KiB\n";
    EXPECT_LT(grown, 2048);
    EXPECT_TRUE(t.messages.isEmpty()) << t.messages.join("\n").toStdString();
    EXPECT_EQ(t.find<QLabel>("lblZeit")->text(), "00:00:00");
    EXPECT_FALSE(panel->rows().empty());
}

} // namespace

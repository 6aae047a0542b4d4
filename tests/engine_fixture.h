// Shared set-up for engine tests: a fixed clock, the German separator and a
// reporter that records faults instead of printing them.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "engine/clsCalendar.h"

struct EngineForTest {
    clsCalendar cal;
    std::vector<std::string> faults;

    EngineForTest() {
        cal.setDecimalSeparator(',');
        cal.setClock([] { return std::chrono::seconds(12 * 3600); });
        cal.setErrorReporter([this](const std::string& text) { faults.push_back(text); });
    }

    // Sets the date the way the window does: calendar, year, month, day.
    clsCalendar& at(int year, int month, int day) {
        cal.setKalender(1);
        cal.setJahr(year);
        cal.setMonat(month);
        cal.setTag(day);
        return cal;
    }

    // Berlin's row of the city table.
    clsCalendar& in_berlin() {
        cal.setLongitude(13.2975);
        cal.setLatitude(52.5222222222222);
        cal.setZeitzone_Offset(1.0f);
        return cal;
    }
};

// Comparing with published values: sexagesimal angles, and rows of (what,
// computed, published, tolerance) whose worst error goes into the test's
// record so that a drift shows as a number.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <iomanip>
#include <sstream>
#include <string>

inline double dms(double degrees, double minutes, double seconds) {
    const double magnitude = std::fabs(degrees) + minutes / 60.0 + seconds / 3600.0;
    return degrees < 0.0 ? -magnitude : magnitude;
}
inline double hms_deg(double hours, double minutes, double seconds) { return 15.0 * dms(hours, minutes, seconds); }

struct Published {
    std::string what;
    double computed;
    double published;
    double tolerance;
};

inline void expect_published(std::initializer_list<Published> rows) {
    double worst_share = 0.0;
    std::string worst_row;
    for (const Published& row : rows) {
        const double error = std::fabs(row.computed - row.published);
        EXPECT_LE(error, row.tolerance) << row.what << ": " << row.computed << " against " << row.published;
        if (error / row.tolerance >= worst_share) {
            worst_share = error / row.tolerance;
            std::ostringstream text;
            text << row.what << " off by " << std::setprecision(3) << error << " (tolerance " << row.tolerance << ")";
            worst_row = text.str();
        }
    }
    ::testing::Test::RecordProperty("worst", worst_row);
}

// Dates, Julian days and local and universal time of the eclipse module
// against published examples.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/AstroModuleDetail.h"

namespace {

using namespace AstroModule::detail;

struct JulianDayCase {
    double day, month, year; // the day with its fraction
    double jd;
};

// Meeus, Astronomical Algorithms, 2nd ed., ch. 7 (examples 7.a, 7.b and the
// table of test dates); astronomical years.
constexpr JulianDayCase kPublishedJulianDays[] = {
    {1.5, 1, 2000, 2451545.0},   {1.0, 1, 1999, 2451179.5},   {27.0, 1, 1987, 2446822.5},
    {19.5, 6, 1987, 2446966.0},  {27.0, 1, 1988, 2447187.5},  {19.5, 6, 1988, 2447332.0},
    {1.0, 1, 1900, 2415020.5},   {1.0, 1, 1600, 2305447.5},   {31.0, 12, 1600, 2305812.5},
    {10.3, 4, 837, 2026871.8},   {31.0, 12, -123, 1676496.5}, {1.0, 1, -122, 1676497.5},
    {12.5, 7, -1000, 1356001.0}, {29.0, 2, -1000, 1355866.5}, {17.9, 8, -1001, 1355671.4},
    {1.5, 1, -4712, 0.0},        {4.81, 10, 1957, 2436116.31}, {27.5, 1, 333, 1842713.0},
    {28.63, 5, -584, 1507900.13},
};

TEST(AstroTime, DatumZuJDMatchesPublishedDays) {
    for (const auto& c : kPublishedJulianDays) {
        EXPECT_NEAR(DatumZuJD(c.day, c.month, c.year), c.jd, 1e-9)
            << c.day << "." << c.month << "." << c.year;
    }
}

TEST(AstroTime, JDZuDatumMatchesPublishedDays) {
    for (const auto& c : kPublishedJulianDays) {
        EXPECT_NEAR(JDZuTag(c.jd), c.day, 1e-8) << c.jd;
        EXPECT_EQ(JDZuMonat(c.jd), c.month) << c.jd;
        EXPECT_EQ(JDZuJahr(c.jd), c.year) << c.jd;
    }
}

TEST(AstroTime, CalendarChangeOf1582) {
    // Thursday 4 October (Julian) is followed by Friday 15 October (Gregorian).
    EXPECT_EQ(DatumZuJD(4, 10, 1582), 2299159.5);
    EXPECT_EQ(DatumZuJD(15, 10, 1582), 2299160.5);
    EXPECT_EQ(DatumZuJD(15, 10, 1582) - DatumZuJD(4, 10, 1582), 1.0);
    EXPECT_EQ(JDZuTag(2299160.5), 15.0);
    EXPECT_EQ(JDZuMonat(2299160.5), 10.0);
    EXPECT_EQ(JDZuTag(2299159.5), 4.0);
    EXPECT_EQ(JDZuMonat(2299159.5), 10.0);
}

TEST(AstroTime, RoundTripOnBothSidesOfTheCalendarChange) {
    // Every day from 1500 to 1700, at midnight and at a quarter past 18 h.
    for (double jd = 2268932.5; jd < 2342000.0; jd += 1.0) {
        for (const double fraction : {0.0, 0.7604166666666666}) {
            const double instant = jd + fraction;
            const double day = JDZuTag(instant);
            const double month = JDZuMonat(instant);
            const double year = JDZuJahr(instant);
            ASSERT_GE(day, 1.0) << instant;
            ASSERT_LT(day, 32.0) << instant;
            ASSERT_NEAR(DatumZuJD(day, month, year), instant, 1e-8) << instant;
        }
    }
}

struct IntegerPartCase {
    double x, abrunden, bruchteil;
};

TEST(AstroTime, IntegerParts) {
    const IntegerPartCase cases[] = {
        {2.7, 2, 0.7},    {2.0, 2, 0.0},   {0.0, 0, 0.0},   {-0.25, -1, 0.75},
        {-2.5, -3, 0.5},  {-2.0, -3, 1.0}, {-1.0, -2, 1.0}, {1e9 + 0.5, 1e9, 0.5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Abrunden(c.x), c.abrunden) << c.x;
        EXPECT_NEAR(Bruchteil(c.x), c.bruchteil, 1e-12) << c.x;
    }
    EXPECT_EQ(GradNormieren(-30.0), 330.0);
    EXPECT_EQ(GradNormieren(720.0), 0.0);
    EXPECT_EQ(GradNormieren(359.5), 359.5);
}

struct LocalTimeCase {
    double h, m, s, DS, ZC, day, month, year;
    double ut_hours, g_day, g_month, g_year;
};

TEST(AstroTime, LocalCivilTimeToUniversalTime) {
    const LocalTimeCase cases[] = {
        // 03:37 summer time four hours east of Greenwich on 1 July 2013 is
        // 22:37 UT on 30 June (Duffett-Smith & Zwart, 4th ed.).
        {3, 37, 0, 1, 4, 1, 7, 2013, 22 + 37.0 / 60, 30, 6, 2013},
        // Across the turn of the year, and a zone west of Greenwich.
        {0, 30, 0, 0, 1, 1, 1, 2000, 23.5, 31, 12, 1999},
        {20, 0, 0, 0, -5, 31, 12, 1999, 1.0, 1, 1, 2000},
        // Across the calendar change: 23:00 on 4 October 1582 at +1 h is 22 UT,
        // and 00:30 on 15 October at +1 h is 23:30 UT on 4 October.
        {23, 0, 0, 0, 1, 4, 10, 1582, 22.0, 4, 10, 1582},
        {0, 30, 0, 0, 1, 15, 10, 1582, 23.5, 4, 10, 1582},
        // Hours beyond the day roll over.
        {25, 0, 0, 0, 0, 28, 2, 2024, 1.0, 29, 2, 2024},
        {-1, 0, 0, 0, 0, 1, 3, 2023, 23.0, 28, 2, 2023},
    };
    for (const auto& c : cases) {
        const UniversalTime ut = local_to_universal(c.h, c.m, c.s, c.DS, c.ZC, c.day, c.month, c.year);
        EXPECT_NEAR(ut.ut_hours, c.ut_hours, 1e-7) << c.day << "." << c.month << "." << c.year;
        EXPECT_EQ(ut.day, c.g_day) << c.day << "." << c.month << "." << c.year;
        EXPECT_EQ(ut.month, c.g_month) << c.day << "." << c.month << "." << c.year;
        EXPECT_EQ(ut.year, c.g_year) << c.day << "." << c.month << "." << c.year;
    }
}

} // namespace

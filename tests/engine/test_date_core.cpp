#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/date_math.h"
#include "engine_fixture.h"

namespace {

struct DayNumberCase {
    int year, month, day;
    double jd;
    int weekday; // 0 = Monday
};

TEST(DateCore, PublishedDayNumbers) {
    // Meeus, Astronomical Algorithms, ch. 7, and the calendar change of 1582.
    const DayNumberCase cases[] = {
        {2000, 1, 1, 2451545, 5},    {1582, 10, 15, 2299161, 4}, {1582, 10, 4, 2299160, 3},
        {1957, 10, 4, 2436116, 4},   {333, 1, 27, 1842713, 5},   {-4712, 1, 1, 0, 0},
        {1970, 1, 1, 2440588, 3},    {2024, 3, 31, 2460401, 6},  {-1000, 7, 12, 1356001, 3},
    };
    EngineForTest t;
    for (const auto& c : cases) {
        t.at(c.year, c.month, c.day);
        EXPECT_EQ(t.cal.JD(), c.jd) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(std::get<std::int32_t>(t.cal.Wochentag(2)), c.weekday) << c.year;
    }
    t.at(2000, 1, 1);
    EXPECT_EQ(std::get<std::string>(t.cal.Wochentag(0)), "Samstag");
    EXPECT_EQ(std::get<std::string>(t.cal.Wochentag(1)), "Sa");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(t.cal.Wochentag(3)));
    EXPECT_TRUE(t.faults.empty());
}

TEST(DateCore, LostDaysOf1582ReadAsGregorian) {
    EngineForTest t;
    t.at(1582, 10, 10);
    t.cal.setJD(t.cal.JD());
    EXPECT_EQ(t.cal.Format_Datum(0), "30.9.1582");
}

TEST(DateCore, RoundTripEveryDayOfTheYearRange) {
    // Day number -> date -> day number over every day of years -27968..27968,
    // and date -> day number -> date (the ten lost days of 1582 excepted).
    const std::int64_t first = vespera::day_number(-vespera::kLargestYear, 1, 1);
    const std::int64_t last = vespera::day_number(vespera::kLargestYear, 12, 31);
    std::int64_t expected_next = first;
    int previous_day = 0;
    for (std::int64_t n = first; n <= last; ++n) {
        const vespera::CivilDate date = vespera::civil_date(n);
        ASSERT_EQ(vespera::day_number(date.year, date.month, date.day), n) << n;
        ASSERT_GE(date.day, 1);
        ASSERT_LE(date.day, 31);
        if (date.day != 1 && n != vespera::kFirstGregorianDay) {
            ASSERT_EQ(date.day, previous_day + 1) << n;
        }
        previous_day = date.day;
        ++expected_next;
    }
    EXPECT_EQ(expected_next, last + 1);
    EXPECT_EQ(vespera::civil_date(first).year, -vespera::kLargestYear);
    EXPECT_EQ(vespera::civil_date(last).year, vespera::kLargestYear);
}

TEST(DateCore, YearWrapsAtTheEdges) {
    EngineForTest t;
    t.at(2000, 6, 15);
    t.cal.setJahr(27969);
    EXPECT_EQ(t.cal.Jahr(), -27968);
    t.cal.setJahr(-27969);
    EXPECT_EQ(t.cal.Jahr(), 27968);
    t.cal.setJahr(27968);
    EXPECT_EQ(t.cal.Jahr(), 27968);
    EXPECT_TRUE(t.faults.empty());
}

TEST(DateCore, MonthThirteenAndZeroRollTheYearAndRebuildTables) {
    EngineForTest t;
    t.at(2023, 12, 10);
    t.cal.setMonat(13);
    EXPECT_EQ(t.cal.Monat(), 1);
    EXPECT_EQ(t.cal.Jahr(), 2024);
    EXPECT_EQ(t.cal.JD(), 2460320); // 10 January 2024
    // The year's tables follow: summer time of 2024 begins on 31 March.
    EXPECT_EQ(t.cal.Sommerzeit_Datum(), "31.3.2024, So (für 210 Tage)");
    t.cal.setMonat(0);
    EXPECT_EQ(t.cal.Monat(), 12);
    EXPECT_EQ(t.cal.Jahr(), 2023);
    EXPECT_EQ(t.cal.Sommerzeit_Datum(), "26.3.2023, So (für 217 Tage)");
    // Other values are stored as they come.
    t.cal.setMonat(14);
    EXPECT_EQ(t.cal.Monat(), 14);
}

TEST(DateCore, MonthLengths) {
    struct Case { int year, month, days; };
    const Case cases[] = {
        {1900, 2, 28}, {2000, 2, 29}, {1500, 2, 29}, {2023, 2, 28}, {2024, 2, 29},
        {8, 8, 30},    {9, 8, 31},    {2024, 4, 30}, {2024, 1, 31}, {2024, 12, 31},
        {5, 2, 29},    {-44, 2, 30},  {-45, 2, 29},  {0, 2, 29},    {-48, 2, 30},
    };
    EngineForTest t;
    for (const auto& c : cases) {
        t.at(c.year, 1, 1);
        EXPECT_EQ(t.cal.MonatsTage(c.month), c.days) << c.year << "/" << c.month;
    }
    t.at(2024, 1, 1);
    EXPECT_EQ(t.cal.MonatsTage(0), t.cal.MonatsTage(12));
    EXPECT_EQ(t.cal.MonatsTage(13), t.cal.MonatsTage(1));
}

TEST(DateCore, LeapYears) {
    struct Case { int year; bool leap; };
    const Case cases[] = {{2024, true}, {2023, false}, {1900, false}, {2000, true}, {1600, true},
                          {1582, false}, {1500, true}, {4, true},     {1, false},   {0, true},
                          {-4, true},   {-1, false},   {-44, true},  {-45, false}};
    EngineForTest t;
    for (const auto& c : cases) {
        t.at(c.year, 1, 1);
        EXPECT_EQ(t.cal.Schaltjahr(), c.leap) << c.year;
    }
}

TEST(DateCore, WeekAndDayOfYear) {
    EngineForTest t;
    for (int year : {1999, 2000, 2023, 2024}) {
        t.at(year, 1, 4);
        EXPECT_EQ(t.cal.Woche(), 1) << year;
        t.at(year, 1, 5);
        EXPECT_EQ(t.cal.Woche(), 2) << year;
        t.at(year, 1, 11);
        EXPECT_EQ(t.cal.Woche(), 2) << year;
        t.at(year, 1, 12);
        EXPECT_EQ(t.cal.Woche(), 3) << year;
        t.at(year, 12, 31);
        EXPECT_EQ(t.cal.Woche(), 53) << year;
    }
    t.at(2024, 12, 31);
    EXPECT_EQ(t.cal.TagesZahl(), 366);
    EXPECT_EQ(t.cal.Tag(), 31); // unchanged by the count
    t.at(2023, 12, 31);
    EXPECT_EQ(t.cal.TagesZahl(), 365);
    t.at(2024, 3, 1);
    EXPECT_EQ(t.cal.TagesZahl(), 61);
}

TEST(DateCore, SetDayOfYearRunsIntoNextYear) {
    EngineForTest t;
    t.at(2024, 5, 5);
    t.cal.TagesZahl_Setzen(60);
    EXPECT_EQ(t.cal.Format_Datum(0), "29.2.2024");
    t.cal.TagesZahl_Setzen(367);
    EXPECT_EQ(t.cal.Format_Datum(0), "1.1.2025");
}

TEST(DateCore, FormatDatum) {
    struct Case { int year; int type; const char* text; };
    const Case cases[] = {
        {2024, 0, "5.3.2024"}, {2024, 1, "5.3.24"}, {1999, 1, "5.3.99"}, {2005, 1, "5.3.5"},
        {2000, 1, "5.3."},     {-44, 1, "5.3.44"},  {7, 1, "5.3.7"},     {2024, 2, "5. März 2024"},
        {-44, 0, "5.3.-44"},   {2024, 3, ""},       {2024, -1, ""},
    };
    EngineForTest t;
    for (const auto& c : cases) {
        t.at(c.year, 3, 5);
        EXPECT_EQ(t.cal.Format_Datum(c.type), c.text) << c.year << " type " << c.type;
    }
}

TEST(DateCore, DatumsDifferenzUnitsAndRounding) {
    struct Case { int d1, d2, unit; bool round; double expected; };
    const Case cases[] = {
        {0, 4, 1, true, 1},       {0, 3, 1, true, 0},           {0, 7, 1, false, 1},
        {0, 730, 2, false, 730 / 365.25},                       {0, 1, 3, false, 86400},
        {0, 1, 4, false, 1440},   {0, 2, 5, false, 48},         {0, 365, 6, true, 12},
        {10, 0, 0, false, -10},   {0, 1, 7, false, 0},
        // Beyond 24855 days the seconds no longer fit 32 bits; the engine is exact.
        {0, 100000, 3, false, 8640000000.0},
        {-2147483647, 2147483647, 0, false, 4294967294.0},
    };
    EngineForTest t;
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(t.cal.DatumsDifferenz(c.d1, c.d2, c.unit, c.round), c.expected)
            << c.d1 << " " << c.d2 << " unit " << c.unit;
    }
    // Halves go to the even neighbour: 10.5 weeks... 73.5 days / 7 = 10.5 -> 10.
    EXPECT_EQ(t.cal.DatumsDifferenz(0, 147, 5, false), 3528);
    EXPECT_EQ(t.cal.DatumsDifferenz(0, 1, 2, true), 0);
}

TEST(DateCore, NamesOutOfRangeAreEmpty) {
    EngineForTest t;
    EXPECT_EQ(t.cal.MonatsName(3), "März");
    EXPECT_EQ(t.cal.MonatsName(0), "");
    EXPECT_EQ(t.cal.MonatsName(13), "");
    EXPECT_EQ(t.cal.Wochentag_Name(6), "Sonntag");
    EXPECT_EQ(t.cal.Wochentag_Name(7), "");
    EXPECT_EQ(t.cal.Wochentag_Name(-1), "");
}

TEST(DateCore, SetDatumDoesNotRebuildTables) {
    EngineForTest t;
    t.at(2024, 1, 1);
    t.cal.SetDatum(std::chrono::year{1950} / 6 / 1);
    EXPECT_EQ(t.cal.Format_Datum(0), "1.6.1950");
    EXPECT_EQ(t.cal.JD(), 2433434);
    // Still 2024's clock change: setting the date alone does not rebuild.
    EXPECT_EQ(t.cal.Sommerzeit_Datum(), "31.3.2024, So (für 210 Tage)");
}

TEST(DateCore, KalenderIsStoredAndRederivesTheDate) {
    EngineForTest t;
    t.at(2024, 2, 31); // counts on into March
    t.cal.setKalender(2);
    EXPECT_EQ(t.cal.Kalender(), 2);
    EXPECT_EQ(t.cal.Format_Datum(0), "2.3.2024");
}

TEST(DateCore, JdLetRoundsHalfToEvenAndRebuildsOnYearChange) {
    EngineForTest t;
    t.at(2024, 12, 31);
    t.cal.setJD(2460676.5); // halves to even: 2460676 = 31 December 2024
    EXPECT_EQ(t.cal.Format_Datum(0), "31.12.2024");
    t.cal.setJD(2460677.5); // -> 2460678, 2 January 2025
    EXPECT_EQ(t.cal.Format_Datum(0), "2.1.2025");
    EXPECT_EQ(t.cal.Sommerzeit_Datum(), "30.3.2025, So (für 210 Tage)");
}

TEST(DateCore, FaultsAreReportedAndLeaveTheFieldsAlone) {
    EngineForTest t;
    t.at(2024, 5, 3);
    const double before = t.cal.JD();

    t.cal.setTag(2147483647); // the day number no longer fits 32 bits
    ASSERT_EQ(t.faults.size(), 1u);
    EXPECT_EQ(t.faults[0].rfind("Error 6 (Overflow), line ", 0), 0u) << t.faults[0];
    EXPECT_NE(t.faults[0].find("  in procedure Tag of Klassenmodul clsCalendar"), std::string::npos);
    EXPECT_EQ(t.cal.Tag(), 3);
    EXPECT_EQ(t.cal.JD(), before);

    t.cal.setJD(std::nan(""));
    t.cal.setJD(1e300);
    t.cal.setJD(-1e12);
    t.cal.setJD(1e9); // a valid day number, but millions of years away
    EXPECT_EQ(t.faults.size(), 5u);
    EXPECT_EQ(t.cal.Format_Datum(0), "3.5.2024");
    EXPECT_EQ(t.faults[1].find("in procedure JD of"), t.faults[1].find("in procedure"));
}

// A member that another member calls (the Jahr Let rebuilding the year's
// tables, Monat 13 moving on to the next year) fails as a whole: one report,
// naming the member the fault arose in, and the date and tables of before.
TEST(DateCore, AFaultInACalledMemberUndoesTheWholeCall) {
    struct Case {
        const char* what;
        void (*call)(clsCalendar&);
        const char* date_after;
    };
    const Case cases[] = {
        {"Jahr", [](clsCalendar& c) { c.setJahr(2025); }, "3.12.2024"},
        {"Monat 13", [](clsCalendar& c) { c.setMonat(13); }, "3.12.2024"},
        {"JD in another year", [](clsCalendar& c) { c.setJD(2460678.0); }, "3.12.2024"},
    };
    for (const Case& c : cases) {
        EngineForTest t;
        t.at(2024, 12, 3);
        // No instant of the year can be put on a clock without a zone.
        t.cal.setZeitzone_Offset(std::numeric_limits<float>::quiet_NaN());
        c.call(t.cal);
        ASSERT_EQ(t.faults.size(), 1u) << c.what;
        EXPECT_NE(t.faults[0].find("  in procedure Feiertage_Einlesen of"), std::string::npos) << t.faults[0];
        EXPECT_EQ(t.cal.Format_Datum(0), c.date_after) << c.what;
        EXPECT_EQ(t.cal.Sommerzeit_Datum(), "31.3.2024, So (für 210 Tage)") << c.what;
    }
}

} // namespace

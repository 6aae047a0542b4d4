#include <gtest/gtest.h>

#include <map>

#include "base/date_math.h"
#include "holidays/easter.h"
#include "holidays/named_days.h"
#include "engine_fixture.h"

namespace {

std::int32_t day_of(int year, int month, int day) {
    return static_cast<std::int32_t>(vespera::day_number(year, month, day));
}

// The year's table as name -> day number (every name is unique).
std::map<std::string, std::int32_t> table_of(clsCalendar& cal) {
    std::map<std::string, std::int32_t> table;
    const double kept = cal.JD();
    for (std::int32_t i = 0; i <= cal.Feiertage_Anzahl(); ++i) {
        cal.Feiertag_Datum(i);
        table[cal.Feiertag_NurName(i)] = static_cast<std::int32_t>(cal.JD());
    }
    cal.setJD(kept);
    return table;
}

// Anonymous Gregorian algorithm (Meeus, Astronomical Algorithms, ch. 8),
// written apart from the engine's Gauss formula.
vespera::MonthDay anonymous_gregorian_easter(int year) {
    const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
    return {month, day};
}

// Julian calendar Easter (Meeus, ch. 8).
vespera::MonthDay julian_easter(int year) {
    const int a = year % 4, b = year % 7, c = year % 19, d = (19 * c + 15) % 30;
    const int e = (2 * a + 4 * b - d + 34) % 7;
    const int f = (d + e + 114) / 31, g = (d + e + 114) % 31;
    return {f, g + 1};
}

TEST(Easter, PublishedDates) {
    struct Case { int year, month, day; };
    const Case cases[] = {{2024, 3, 31}, {2025, 4, 20}, {2038, 4, 25}, {2285, 3, 22},
                          {1582, 4, 15}, {1583, 4, 10}, {1954, 4, 18}, {2000, 4, 23},
                          {1818, 3, 22}, {2011, 4, 24}, {1981, 4, 19}, {1049, 3, 26}};
    for (const auto& c : cases) {
        const vespera::MonthDay easter = vespera::easter_sunday(c.year);
        EXPECT_EQ(easter.month, c.month) << c.year;
        EXPECT_EQ(easter.day, c.day) << c.year;
    }
}

TEST(Easter, AgreesWithIndependentAlgorithms) {
    for (int year = 1583; year <= 2400; ++year) {
        const vespera::MonthDay expected = anonymous_gregorian_easter(year);
        const vespera::MonthDay got = vespera::easter_sunday(year);
        ASSERT_EQ(got.month, expected.month) << year;
        ASSERT_EQ(got.day, expected.day) << year;
    }
    for (int year = 1; year <= 1582; ++year) {
        const vespera::MonthDay expected = julian_easter(year);
        const vespera::MonthDay got = vespera::easter_sunday(year);
        ASSERT_EQ(got.month, expected.month) << year;
        ASSERT_EQ(got.day, expected.day) << year;
    }
}

TEST(Easter, EasterSundayIsASundayInEveryYear) {
    for (int year = -27968; year <= 27968; year += 7) {
        const vespera::MonthDay e = vespera::easter_sunday(year);
        ASSERT_TRUE((e.month == 3 && e.day >= 22) || (e.month == 4 && e.day <= 25)) << year;
        ASSERT_EQ(vespera::weekday_index(vespera::day_number(year, e.month, e.day)), 6) << year;
    }
}

TEST(HolidayTable, Year2024) {
    struct Case { const char* name; int month, day; };
    const Case cases[] = {
        {"Neujahr", 1, 1},          {"Rosenmontag", 2, 12},      {"Aschermittwoch", 2, 14},
        {"Weiberfastnacht", 2, 8},  {"Fastnacht", 2, 13},         {"Palmsonntag", 3, 24},
        {"Gründonnerstag", 3, 28},  {"Karfreitag", 3, 29},        {"Ostersonntag", 3, 31},
        {"Ostermontag", 4, 1},      {"Weißer Sonntag", 4, 7},     {"Himmelfahrt", 5, 9},
        {"Pfingstsonntag", 5, 19},  {"Pfingstmontag", 5, 20},     {"Trinitatis", 5, 26},
        {"Fronleichnam", 5, 30},    {"1. n. Trinitatis", 6, 2},   {"25. n. Trinitatis", 11, 17},
        {"Mariä Himmelfahrt", 8, 15}, {"Reformationstag", 10, 31}, {"Allerheiligen", 11, 1},
        {"Allerseelen", 11, 2},     {"Volkstrauertag", 11, 17},   {"Buß-und Bettag", 11, 20},
        {"Totensonntag", 11, 24},   {"1. Advent", 12, 1},         {"2. Advent", 12, 8},
        {"3. Advent", 12, 15},      {"4. Advent", 12, 22},        {"Nikolaus", 12, 6},
        {"Heiligabend", 12, 24},    {"1. Weihnachtstag", 12, 25}, {"2. Weihnachtstag", 12, 26},
        {"Silvester", 12, 31},      {"Heilige Drei Könige", 1, 6}, {"Mariä Lichtmess", 2, 2},
        {"Imbolc", 2, 2},           {"Ostara", 3, 21},            {"Beltaine", 4, 30},
        {"Litha", 6, 21},           {"Lammas", 8, 2},             {"Mabon", 9, 21},
        {"Samhain", 10, 31},        {"Yulefest", 12, 21},         {"Frühlingsanfang", 3, 20},
        {"Sommeranfang", 6, 20},    {"Herbstanfang", 9, 22},      {"Winteranfang", 12, 21},
        {"Tag der Arbeit", 5, 1},   {"Tag der Deutschen Einheit", 10, 3},
    };
    EngineForTest t;
    t.in_berlin();
    t.at(2024, 5, 3);
    EXPECT_EQ(t.cal.Feiertage_Anzahl(), 72);
    const auto table = table_of(t.cal);
    EXPECT_EQ(table.size(), 73u);
    for (const auto& c : cases) {
        ASSERT_TRUE(table.count(c.name)) << c.name;
        EXPECT_EQ(table.at(c.name), day_of(2024, c.month, c.day)) << c.name;
    }
    EXPECT_EQ(t.cal.Format_Datum(0), "3.5.2024") << "walking the table moved the date";
    EXPECT_TRUE(t.faults.empty());
}

TEST(HolidayTable, BussUndBettagIsTheWednesdayBeforeTotensonntag) {
    // 2022 and 2033: 16 November is a Wednesday, and the day of prayer with it.
    struct Case { int year, day; };
    const Case cases[] = {{2022, 16}, {2033, 16}, {2023, 22}, {2024, 20}, {2025, 19},
                          {2026, 18}, {2027, 17}, {2028, 22}, {2021, 17}};
    EngineForTest t;
    for (const auto& c : cases) {
        t.at(c.year, 1, 1);
        const auto table = table_of(t.cal);
        EXPECT_EQ(table.at("Buß-und Bettag"), day_of(c.year, 11, c.day)) << c.year;
        EXPECT_EQ(table.at("Totensonntag") - table.at("Buß-und Bettag"), 4) << c.year;
        EXPECT_EQ(vespera::weekday_index(table.at("Buß-und Bettag")), 2) << c.year;
    }
}

TEST(HolidayTable, SortedWithSlotOrderOnEqualDays) {
    EngineForTest t;
    t.in_berlin();
    t.at(2023, 1, 1); // 24 December 2023 is a Sunday: Heiligabend and 4. Advent
    std::int32_t previous = INT32_MIN;
    for (std::int32_t i = 0; i <= t.cal.Feiertage_Anzahl(); ++i) {
        t.cal.Feiertag_Datum(i);
        const auto day = static_cast<std::int32_t>(t.cal.JD());
        EXPECT_LE(previous, day) << i;
        previous = day;
    }
    EXPECT_EQ(t.cal.Feiertag_Name(day_of(2023, 10, 31)), "Reformationstag\r\nSamhain\r\n");
    EXPECT_EQ(t.cal.Feiertag_Name(day_of(2023, 2, 2)), "Mariä Lichtmess\r\nImbolc\r\n");
    EXPECT_EQ(t.cal.Feiertag_Name(day_of(2023, 12, 24)), "Heiligabend\r\n4. Advent\r\n");
    EXPECT_EQ(t.cal.Feiertag_Name(day_of(2023, 3, 3)), "");
}

TEST(HolidayTable, NationalHolidaysInEveryYear) {
    EngineForTest t;
    for (int year : {-27968, -44, 0, 1582, 1583, 1949, 2024, 2025, 27968}) {
        t.at(year, 6, 1);
        EXPECT_NE(t.cal.Feiertag_Name(day_of(year, 5, 1)).find("Tag der Arbeit\r\n"), std::string::npos) << year;
        EXPECT_NE(t.cal.Feiertag_Name(day_of(year, 10, 3)).find("Tag der Deutschen Einheit\r\n"), std::string::npos)
            << year;
    }
    t.at(2024, 1, 1);
    EXPECT_EQ(t.cal.Feiertag_Name(day_of(2024, 10, 3)), "Tag der Deutschen Einheit\r\n");
    EXPECT_EQ(t.cal.Feiertag_Name(day_of(2024, 5, 1)), "Tag der Arbeit\r\n");
    // 2008: Himmelfahrt fell on 1 May; the older slot comes first.
    t.at(2008, 1, 1);
    EXPECT_EQ(t.cal.Feiertag_Name(day_of(2008, 5, 1)), "Himmelfahrt\r\nTag der Arbeit\r\n");
}

TEST(HolidayTable, EveryYearBuildsWithoutFault) {
    EngineForTest t;
    t.in_berlin();
    for (int year = -27968; year <= 27968; year += 97) {
        t.at(year, 3, 1);
        ASSERT_EQ(t.cal.Feiertag_NurName(0).empty(), false) << year;
    }
    t.at(-27968, 1, 1);
    t.at(27968, 12, 31);
    EXPECT_TRUE(t.faults.empty()) << (t.faults.empty() ? "" : t.faults.front());
}

TEST(HolidayTable, IndicesOutOfRangeAreReported) {
    EngineForTest t;
    t.at(2024, 5, 3);
    EXPECT_EQ(t.cal.Feiertag_NurName(73), "");
    EXPECT_EQ(t.cal.Feiertag_NurName(-1), "");
    t.cal.Feiertag_Datum(1000);
    EXPECT_EQ(t.cal.FerienName(0), "");
    EXPECT_EQ(t.cal.FerienName(367), "");
    ASSERT_EQ(t.faults.size(), 5u);
    EXPECT_NE(t.faults[0].find("Error 9 (Subscript out of range)"), std::string::npos);
    EXPECT_NE(t.faults[2].find("in procedure Feiertag_Datum of"), std::string::npos);
    EXPECT_EQ(t.cal.Format_Datum(0), "3.5.2024");
}

// FerienName reads the region's published dates by day of the year: the
// leap day of 2024 shifts Bayern's summer holidays (29 July 2024 and 1 August
// 2025) by one day of the year, and no name of the previous year stays.
TEST(SchoolHolidays, DaysOfTheYearFromTheRegionsDates) {
    EngineForTest t;
    t.at(2024, 1, 1);
    EXPECT_EQ(t.cal.FerienName(211), "") << "no region, no school holidays";
    t.cal.setRegion("DE-BY");
    EXPECT_EQ(t.cal.FerienName(210), "");
    EXPECT_EQ(t.cal.FerienName(211), "Sommerferien"); // 29.7.2024
    EXPECT_EQ(t.cal.FerienName(366), "Weihnachtsferien");
    t.at(2025, 1, 1);
    EXPECT_EQ(t.cal.FerienName(211), "");
    EXPECT_EQ(t.cal.FerienName(213), "Sommerferien"); // 1.8.2025
    EXPECT_EQ(t.cal.FerienName(366), "") << "2025 has 365 days";
    // Years without published dates have none, never invented ones.
    for (int year : {2023, 2031}) {
        t.at(year, 1, 1);
        for (std::int32_t d = 1; d <= 366; ++d) ASSERT_EQ(t.cal.FerienName(d), "") << year << " day " << d;
    }
    EXPECT_TRUE(t.faults.empty());
}

} // namespace

#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace {

struct ChangeCase {
    int year;
    const char* starts; // Sommerzeit_Datum
    const char* ends;   // Winterzeit_Datum
};

TEST(DaylightSaving, GermanClockChangeHistory) {
    const ChangeCase cases[] = {
        {1915, "keine Zeitumstellung", "keine Zeitumstellung"},
        {1916, "30.4.1916, So (für 154 Tage)", "1.10.1916, So"},
        {1917, "16.4.1917, Mo (für 154 Tage)", "17.9.1917, Mo"},
        {1918, "15.4.1918, Mo (für 154 Tage)", "16.9.1918, Mo"},
        {1919, "keine Zeitumstellung", "keine Zeitumstellung"},
        {1943, "29.3.1943, Mo (für 189 Tage)", "4.10.1943, Mo"},
        {1944, "3.4.1944, Mo (für 182 Tage)", "2.10.1944, Mo"},
        {1945, "2.4.1945, Mo (für 230 Tage)", "18.11.1945, So"},
        {1946, "14.4.1946, So (für 176 Tage)", "7.10.1946, Mo"},
        {1947, "6.4.1947, So (für 182 Tage)", "5.10.1947, So"},
        {1948, "18.4.1948, So (für 168 Tage)", "3.10.1948, So"},
        {1949, "10.4.1949, So (für 175 Tage)", "2.10.1949, So"},
        {1950, "keine Zeitumstellung", "keine Zeitumstellung"},
        {1979, "keine Zeitumstellung", "keine Zeitumstellung"},
        {1980, "6.4.1980, So (für 175 Tage)", "28.9.1980, So"},
        {1981, "29.3.1981, So (für 182 Tage)", "27.9.1981, So"},
        {1989, "26.3.1989, So (für 182 Tage)", "24.9.1989, So"},
        {1990, "25.3.1990, So (für 189 Tage)", "30.9.1990, So"},
        {1995, "26.3.1995, So (für 182 Tage)", "24.9.1995, So"},
        {1996, "31.3.1996, So (für 210 Tage)", "27.10.1996, So"},
        {2024, "31.3.2024, So (für 210 Tage)", "27.10.2024, So"},
        {2026, "29.3.2026, So (für 210 Tage)", "25.10.2026, So"},
        {27968, "31.3.27968, So (für 210 Tage)", "27.10.27968, So"},
    };
    EngineForTest t;
    for (const auto& c : cases) {
        t.at(c.year, 6, 1);
        EXPECT_EQ(t.cal.Sommerzeit_Datum(), c.starts) << c.year;
        EXPECT_EQ(t.cal.Winterzeit_Datum(), c.ends) << c.year;
        EXPECT_EQ(t.cal.Format_Datum(0), "1.6." + std::to_string(c.year)) << "date moved";
    }
    EXPECT_TRUE(t.faults.empty());
}

TEST(DaylightSaving, SummerTimeByDay) {
    struct Case { int year, month, day; bool summer; };
    const Case cases[] = {
        {2024, 3, 30, false}, {2024, 3, 31, true},  {2024, 10, 26, true}, {2024, 10, 27, false},
        {2024, 1, 1, false},  {2024, 12, 31, false}, {1945, 11, 17, true}, {1945, 11, 18, false},
        {1950, 7, 1, false},  {1979, 7, 1, false},   {1915, 7, 1, false},
    };
    EngineForTest t;
    for (const auto& c : cases) {
        t.at(c.year, c.month, c.day);
        EXPECT_EQ(t.cal.IstSommerzeit(), c.summer) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(DaylightSaving, ChangeoverDayTests) {
    EngineForTest t;
    t.at(2024, 3, 31);
    const auto start = static_cast<std::int32_t>(t.cal.JD());
    EXPECT_TRUE(t.cal.IstSommerzeitDatum(start));
    EXPECT_FALSE(t.cal.IstSommerzeitDatum(start + 1));
    EXPECT_TRUE(t.cal.IstWinterzeitDatum(start + 210));
    EXPECT_FALSE(t.cal.IstWinterzeitDatum(start));
    // A year without clock change never matches, not even day number 0.
    t.at(1960, 1, 1);
    EXPECT_FALSE(t.cal.IstSommerzeitDatum(start));
    EXPECT_FALSE(t.cal.IstWinterzeitDatum(start + 210));
}

TEST(DaylightSaving, TablesDescribeTheLastRebuiltYear) {
    EngineForTest t;
    t.at(2024, 6, 1);
    // Moving with the day alone keeps 2024's dates: 1 June 2023 is compared with them.
    t.cal.SetDatum(std::chrono::year{2023} / 6 / 1);
    EXPECT_FALSE(t.cal.IstSommerzeit());
}

TEST(DaylightSaving, ZoneOffsetIsStoredUnchanged) {
    EngineForTest t;
    t.cal.setZeitzone_Offset(-5.5f);
    EXPECT_EQ(t.cal.Zeitzone_Offset(), -5.5f);
}

} // namespace

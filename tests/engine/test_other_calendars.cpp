#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "calendars/calendar_conversions.h"
#include "base/date_math.h"
#include "engine_fixture.h"

namespace {

const std::array<std::string, 12> kGermanMonths = {
    ". Januar ", ". Februar ", ". März ", ". April ", ". Mai ", ". Juni ",
    ". Juli ", ". August ", ". September ", ". Oktober ", ". November ", ". Dezember "};

const std::int64_t kFirstEngineDay = vespera::day_number(-vespera::kLargestYear, 1, 1);
const std::int64_t kLastEngineDay = vespera::day_number(vespera::kLargestYear, 12, 31);

std::string german_text(const vespera::CivilDate& date) {
    return std::to_string(date.day) + kGermanMonths.at(static_cast<std::size_t>(date.month - 1)) +
           std::to_string(date.year);
}

// The Gregorian calendar repeats every 146097 days (400 years), the Julian
// every 1461 days (4 years): shift a day into the range where the date core
// reads that calendar, and shift the year back.
vespera::CivilDate gregorian_by_date_core(std::int64_t n) {
    const std::int64_t cycles = n >= vespera::kFirstGregorianDay
                                    ? 0
                                    : vespera::floor_div(vespera::kFirstGregorianDay - n, 146097) + 1;
    vespera::CivilDate date = vespera::civil_date(n + 146097 * cycles);
    date.year -= 400 * cycles;
    return date;
}

vespera::CivilDate julian_by_date_core(std::int64_t n) {
    const std::int64_t cycles = n < vespera::kFirstGregorianDay
                                    ? 0
                                    : vespera::floor_div(n - vespera::kFirstGregorianDay, 1461) + 1;
    vespera::CivilDate date = vespera::civil_date(n - 1461 * cycles);
    date.year += 4 * cycles;
    return date;
}

struct TextCase {
    int year, month, day; // engine date (Julian before 15 October 1582)
    int Kal, Aera;
    const char* expected;
};

TEST(OtherCalendars, StatedAndPublishedDates) {
    const TextCase cases[] = {
        {2000, 1, 1, 1, 0, "1. Januar 2000"},
        {2000, 1, 1, 2, 0, "19. Dezember 1999"},
        {2000, 1, 1, 6, 0, "19. Dezember 2751 a.u.c."},
        {2000, 1, 1, 7, 0, ""},
        {2000, 1, 1, 11, 0, ""},
        {2000, 1, 1, 0, 0, ""},
        {2000, 1, 1, -1, 0, ""},
        {1582, 10, 15, 2, 0, "5. Oktober 1582"},
        {1582, 10, 4, 1, 0, "14. Oktober 1582"},
        {-44, 3, 15, 6, 0, "15. März 708 a.u.c."},
        // French Republican, with the historical sextile years III and VII.
        {1792, 9, 22, 8, 0, "1. Vendémiaire 1"},
        {1792, 9, 21, 8, 0, "5. Sansculottides 0"},
        {1794, 7, 27, 8, 0, "9. Thermidor 2"},
        {1795, 9, 22, 8, 0, "6. Sansculottides 3"},
        {1795, 9, 23, 8, 0, "1. Vendémiaire 4"},
        {1799, 11, 9, 8, 0, "18. Brumaire 8"},
        {1805, 12, 31, 8, 0, "10. Nivôse 14"},
        {1791, 9, 23, 8, 0, "1. Vendémiaire 0"},
        {1791, 9, 22, 8, 0, "6.13.-1"},
        {1790, 9, 22, 8, 0, "1.1.-1"},
        {1000, 1, 1, 8, 0, "22.4.-792"},
        // Maya long count (GMT correlation).
        {2012, 12, 13, 9, 0, "0.0.0.12.19.19.17.12"},
        {2012, 12, 21, 9, 0, "0.0.0.13.0.0.0.0"},
        {-3113, 9, 6, 9, 0, "0.0.0.0.0.0.0.0"},
        {-3113, 9, 5, 9, 0, "0.0.0.0.0.0.0.-1"},
        {-27968, 1, 1, 9, 0, "0.0.-3.-3.0.-18.-2.-17"},
        // Tabular Islamic calendar.
        {622, 7, 16, 4, 0, "1. Muharram 1"},
        {622, 7, 15, 4, 0, "29. Dhu l-Hidjdja 0"},
        {2000, 1, 1, 4, 0, "24. Ramadan 1420"},
    };
    EngineForTest t;
    for (const auto& c : cases) {
        t.at(c.year, c.month, c.day);
        EXPECT_EQ(t.cal.ConvertDate(c.Kal, c.Aera), c.expected)
            << c.year << "-" << c.month << "-" << c.day << " code " << c.Kal;
    }
    EXPECT_TRUE(t.faults.empty());
}

TEST(OtherCalendars, UnixTimeCountsTheEnginesTimeOfDay) {
    // The engine's time of day is local civil time: the zone offset and, in
    // summer, one hour more are taken off for the universal count.
    struct Case { float zone; int year, month, day, hour, minute, second; const char* expected; };
    const Case cases[] = {
        {0, 1970, 1, 1, 0, 0, 0, "0"},
        {0, 1970, 1, 1, 1, 0, 0, "3600"},
        {0, 1969, 12, 31, 23, 59, 59, "-1"},
        {0, 2000, 1, 1, 0, 0, 0, "946684800"},
        {0, 2001, 9, 9, 2, 46, 40, "1000000000"}, // summer time
        {0, 2038, 1, 19, 3, 14, 8, "2147483648"}, // beyond 32 bits
        {0, 27968, 12, 31, 0, 0, 0, "820449129600"},
        {1, 1970, 1, 1, 1, 0, 0, "0"},             // Berlin, winter
        {1, 2024, 7, 1, 12, 0, 0, "1719828000"},   // Berlin, 12:00 CEST = 10:00 UT
        {-5, 2024, 1, 1, 0, 0, 0, "1704085200"},   // New York
    };
    EngineForTest t;
    t.cal.setDecimalSeparator('.');
    for (const auto& c : cases) {
        t.cal.setZeitzone_Offset(c.zone);
        t.at(c.year, c.month, c.day);
        t.cal.setStunde(c.hour);
        t.cal.setMinute(c.minute);
        t.cal.setSekunde(c.second);
        EXPECT_EQ(t.cal.ConvertDate(10), c.expected) << c.year << "-" << c.month << "-" << c.day;
    }
    EXPECT_TRUE(t.faults.empty());
}

TEST(OtherCalendars, EveryCallEmptiesTheSpecialDayTexts) {
    EngineForTest t;
    const std::int32_t new_year = 1663344; // 1. Jul of year 1 of the cyclic week calendar
    t.cal.setJD(new_year);
    EXPECT_EQ(t.cal.ConvertDate(3), "1. Jul 1");
    EXPECT_EQ(t.cal.SpezialTag(), " (1. Jul)");
    EXPECT_EQ(t.cal.SpezialInfo(), "Zyklus: (K 0, B 0, A 0, N 0)");
    for (const int Kal : {1, 2, 4, 5, 6, 7, 8, 9, 10, 11}) {
        ASSERT_EQ(t.cal.ConvertDate(3), "1. Jul 1");
        t.cal.ConvertDate(Kal);
        EXPECT_EQ(t.cal.SpezialTag(), "") << "code " << Kal;
        EXPECT_EQ(t.cal.SpezialInfo(), "") << "code " << Kal;
    }
    // A month day has no special-day name but still a cycle position.
    t.cal.setJD(new_year + 1);
    EXPECT_EQ(t.cal.ConvertDate(3), "1. Lótesse 1");
    EXPECT_EQ(t.cal.SpezialTag(), "");
    EXPECT_EQ(t.cal.SpezialInfo(), "Zyklus: (K 0, B 0, A 0, N 0)");
    EXPECT_EQ(t.cal.JD(), new_year + 1) << "the conversions keep the engine's date";
    EXPECT_TRUE(t.faults.empty());
}

TEST(OtherCalendars, GregorianAndJulianAgreeWithTheDateCore) {
    EngineForTest t;
    // Every day of 1600..2400, through the engine.
    const std::int64_t first = vespera::day_number(1600, 1, 1);
    const std::int64_t last = vespera::day_number(2400, 12, 31);
    for (std::int64_t n = first; n <= last; ++n) {
        t.cal.setJD(static_cast<double>(n));
        ASSERT_EQ(t.cal.ConvertDate(1), german_text(vespera::civil_date(n))) << n;
        ASSERT_EQ(t.cal.ConvertDate(2), german_text(julian_by_date_core(n))) << n;
    }
    // A sample back to 1 January 4713 BC (day 0).
    for (std::int64_t n = 0; n < first; n += 101) {
        t.cal.setJD(static_cast<double>(n));
        ASSERT_EQ(t.cal.ConvertDate(1), german_text(gregorian_by_date_core(n))) << n;
        ASSERT_EQ(t.cal.ConvertDate(2), german_text(julian_by_date_core(n))) << n;
    }
    EXPECT_TRUE(t.faults.empty());
    // The arithmetic alone, over the whole range of the engine's years.
    for (std::int64_t n = kFirstEngineDay; n <= kLastEngineDay; n += 7) {
        const vespera::CivilDate g = vespera::date_in(vespera::Calendar::Gregorian, n);
        const vespera::CivilDate g_core = gregorian_by_date_core(n);
        ASSERT_TRUE(g.year == g_core.year && g.month == g_core.month && g.day == g_core.day) << n;
        const vespera::CivilDate j = vespera::date_in(vespera::Calendar::Julian, n);
        const vespera::CivilDate j_core = julian_by_date_core(n);
        ASSERT_TRUE(j.year == j_core.year && j.month == j_core.month && j.day == j_core.day) << n;
    }
}

TEST(OtherCalendars, IslamicNewYearsFollowTheThirtyYearCycle) {
    // Leap years of the cycle have 355 days (Dhu l-Hidjdja with 30 days).
    const std::array<bool, 31> leap = [] {
        std::array<bool, 31> table{};
        for (const int y : {2, 5, 7, 10, 13, 16, 18, 21, 24, 26, 29}) table[static_cast<std::size_t>(y)] = true;
        return table;
    }();
    EngineForTest t;
    t.at(622, 7, 16);
    const std::int64_t epoch = static_cast<std::int64_t>(t.cal.JD());
    ASSERT_EQ(epoch, 1948440);
    std::int64_t new_year = epoch;
    bool previous_leap = false; // year 0 is year 30 of its cycle
    for (int year = 1; year <= 1500; ++year) {
        t.cal.setJD(static_cast<double>(new_year));
        ASSERT_EQ(t.cal.ConvertDate(4), "1. Muharram " + std::to_string(year));
        t.cal.setJD(static_cast<double>(new_year - 1));
        ASSERT_EQ(t.cal.ConvertDate(4),
                  (previous_leap ? "30" : "29") + std::string(". Dhu l-Hidjdja ") + std::to_string(year - 1));
        previous_leap = leap[static_cast<std::size_t>((year - 1) % 30 + 1)];
        new_year += previous_leap ? 355 : 354;
    }
    EXPECT_TRUE(t.faults.empty());
}

// The classic form of the Islamic and Republican formulas, with single-precision
// work values and Int as floor; the engine counts in exact integers instead.
vespera::CalendarDate islamic_in_single_precision(std::int64_t n) {
    float l = static_cast<float>(n) - 1937808.0f;
    const float k = std::floor((l - 1.0f) / 10631.0f);
    l = l - 10631.0f * k + 354.0f;
    const float j = std::floor((10985.0f - l) / 5316.0f) * std::floor(50.0f * l / 17719.0f) +
                    std::floor(l / 5670.0f) * std::floor(43.0f * l / 15238.0f);
    l = l - std::floor((30.0f - j) / 15.0f) * std::floor(17719.0f * j / 50.0f) -
        std::floor(j / 16.0f) * std::floor(15238.0f * j / 43.0f) + 29.0f;
    const float month = std::floor(24.0f * l / 709.0f);
    const float day = l - std::floor(709.0f * month / 24.0f);
    const float year = 30.0f * k + j - 30.0f;
    return {static_cast<std::int64_t>(year), static_cast<std::int64_t>(month), static_cast<std::int64_t>(day)};
}

vespera::CalendarDate republican_in_single_precision(std::int64_t n) {
    const float d = static_cast<float>(n) - 2375475.0f;
    const float a = std::floor(d / 1461.0f);
    const float r = static_cast<float>(static_cast<std::int64_t>(d) % 1461);
    const float b = std::min(std::floor(r / 365.0f), 3.0f);
    const float e = r - 365.0f * b;
    const float month = std::floor(e / 30.0f) + 1.0f;
    const float day = static_cast<float>(static_cast<std::int64_t>(e) % 30) + 1.0f;
    return {static_cast<std::int64_t>(4.0f * a + b), static_cast<std::int64_t>(month),
            static_cast<std::int64_t>(day)};
}

TEST(OtherCalendars, ExactIntegersEqualTheSinglePrecisionFormulas) {
    std::int64_t islamic_days = 0;
    for (std::int64_t n = kFirstEngineDay; n <= kLastEngineDay; ++n, ++islamic_days) {
        const vespera::CalendarDate exact = vespera::islamic_date(n);
        const vespera::CalendarDate single = islamic_in_single_precision(n);
        ASSERT_TRUE(exact.year == single.year && exact.month == single.month && exact.day == single.day) << n;
        ASSERT_TRUE(exact.month >= 1 && exact.month <= 12 && exact.day >= 1 && exact.day <= 30) << n;
    }
    // The Republican formula is used from its year 0 on (see the plain form before).
    std::int64_t republican_days = 0;
    for (std::int64_t n = vespera::kRepublicanYearZeroDay; n <= kLastEngineDay; ++n, ++republican_days) {
        const vespera::CalendarDate exact = vespera::republican_date(n);
        const vespera::CalendarDate single = republican_in_single_precision(n);
        ASSERT_TRUE(exact.year == single.year && exact.month == single.month && exact.day == single.day) << n;
    }
    EXPECT_EQ(islamic_days, kLastEngineDay - kFirstEngineDay + 1);
    EXPECT_GT(republican_days, 9'000'000);
}

TEST(OtherCalendars, RepublicanYearsBeforeTheEpochRunOnBackwards) {
    // Day by day from year -16 up to year 16: consecutive dates, 366 days in
    // every fourth year (..., -5, -1, 3, 7, ...), the plain form exactly before year 0.
    EngineForTest t;
    const std::int64_t start = vespera::kRepublicanYearZeroDay - 4 * 1461;
    std::int64_t year = -16, month = 1, day = 1;
    for (std::int64_t n = start; n < vespera::kRepublicanYearZeroDay + 4 * 1461; ++n) {
        const vespera::CalendarDate date = vespera::republican_date(n);
        ASSERT_TRUE(date.year == year && date.month == month && date.day == day) << n;
        t.cal.setJD(static_cast<double>(n));
        const std::string text = t.cal.ConvertDate(8);
        const bool plain = text == std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year);
        ASSERT_EQ(plain, n < vespera::kRepublicanYearZeroDay) << text;
        const std::int64_t month_length = month < 13 ? 30 : (vespera::floor_mod(year, 4) == 3 ? 6 : 5);
        if (++day > month_length) {
            day = 1;
            if (++month > 13) {
                month = 1;
                ++year;
            }
        }
    }
    EXPECT_EQ(year, 16);
    EXPECT_TRUE(t.faults.empty());
}

TEST(OtherCalendars, EgyptianErasBeginOnTheirEpochs) {
    struct Era {
        int Aera;
        int year, month, day; // epoch as a Julian date
        std::int64_t epoch;
        std::string suffix;
    };
    const Era eras[] = {
        {4, -4240, 7, 19, 172598, ""},
        {5, -746, 2, 26, 1448638, " (Nabonassar)"},
        {6, -323, 11, 12, 1603398, " (Alexander)"},
        {7, 552, 7, 11, 1922868, " (Armenisch)"},
        {8, 632, 6, 16, 1952063, " (Altpersisch)"},
    };
    struct Offset {
        std::int64_t days;
        const char* date;
    };
    // Twelve months of 30 days, Mesore the twelfth, then the five epagomenal days.
    const Offset offsets[] = {
        {0, "1. Thot 1"},          {29, "30. Thot 1"},          {30, "1. Phaophi 1"},
        {329, "30. Epiphi 1"},     {330, "1. Mesore 1"},        {359, "30. Mesore 1"},
        {360, "1. Epagomenen 1"},  {364, "5. Epagomenen 1"},    {365, "1. Thot 2"},
        {-1, "5. Epagomenen -1"},  {-5, "1. Epagomenen -1"},    {-6, "30. Mesore -1"},
        {-365, "1. Thot -1"},      {-366, "5. Epagomenen -2"},  {365 * 1000 + 45, "16. Phaophi 1001"},
    };
    EngineForTest t;
    for (const Era& era : eras) {
        t.at(era.year, era.month, era.day);
        ASSERT_EQ(t.cal.JD(), static_cast<double>(era.epoch)) << era.Aera;
        for (const Offset& offset : offsets) {
            t.cal.setJD(static_cast<double>(era.epoch + offset.days));
            const std::string expected = *offset.date ? offset.date + era.suffix : "";
            EXPECT_EQ(t.cal.ConvertDate(5, era.Aera), expected) << era.Aera << " " << offset.days;
        }
    }
    // Any other era counts from day 0 and has no suffix.
    for (const int Aera : {0, 3, 9, -1}) {
        t.cal.setJD(0);
        EXPECT_EQ(t.cal.ConvertDate(5, Aera), "1. Thot 1") << Aera;
        t.cal.setJD(2451545);
        EXPECT_EQ(t.cal.ConvertDate(5, Aera), "26. Phamenoth 6717") << Aera;
    }
    EXPECT_TRUE(t.faults.empty());
}

// ---- the cyclic week calendar --------------------------------------------

std::int64_t leap_weeks_of(std::int64_t v) {
    if (v % 896 == 0) return 1;
    if (v % 28 == 0) return 2;
    return v % 7 == 0 ? 1 : 0;
}

// The dates of one year in order, with their special-day texts.
std::vector<std::pair<std::string, std::string>> cyclic_year(std::int64_t v) {
    static const std::array<std::string, 12> months = {
        ". Lótesse ", ". Solmath ", ". Rethe ", ". Astron ", ". Thrimidge ", ". Ringare ",
        ". Frery ", ". Mede ", ". Wedmath ", ". Halimath ", ". Winterfilth ", ". Blothmath "};
    const std::string year = std::to_string(v);
    std::vector<std::pair<std::string, std::string>> days;
    days.emplace_back("1. Jul " + year, "1. Jul");
    for (const std::string& month : months) {
        for (int day = 1; day <= 30; ++day) days.emplace_back(std::to_string(day) + month + year, "");
    }
    days.emplace_back("2. Jul " + year, "2. Jul");
    days.emplace_back("Nachjul " + year, "Nachjul");
    const std::int64_t weeks = leap_weeks_of(v);
    for (int day = 1; weeks >= 1 && day <= 7; ++day) {
        days.emplace_back(std::to_string(day) + ". Ergänzungswoche " + year, "Nachjul - Vorjul");
    }
    for (int day = 1; weeks >= 2 && day <= 7; ++day) {
        days.emplace_back(std::to_string(day) + ". Schaltwoche " + year, "Nachjul - Vorjul");
    }
    days.emplace_back("Vorjul " + year, "Vorjul");
    return days;
}

TEST(CyclicWeekCalendar, OneWholePeriodDayByDay) {
    // From the last day of year 0 to the first day of year 897, the engine's
    // dates must be exactly the year-by-year walk: every day one date, every
    // next day the next date, and each year as long as its leap tests say.
    constexpr std::int64_t kEpoch = 1663344;
    EngineForTest t;
    t.cal.setJD(kEpoch - 1);
    ASSERT_EQ(t.cal.ConvertDate(3), "Vorjul 0");
    EXPECT_EQ(t.cal.SpezialTag(), " (Vorjul)");
    EXPECT_EQ(t.cal.SpezialInfo(), "Zyklus: (K -1, B 31, A 3, N 6)");

    std::int64_t n = kEpoch;
    std::array<int, 3> years_by_weeks{};
    for (std::int64_t v = 1; v <= 896; ++v) {
        const auto days = cyclic_year(v);
        ASSERT_EQ(days.size(), 364u + 7u * static_cast<std::size_t>(leap_weeks_of(v)));
        ++years_by_weeks[static_cast<std::size_t>(leap_weeks_of(v))];
        for (std::size_t i = 0; i < days.size(); ++i, ++n) {
            t.cal.setJD(static_cast<double>(n));
            ASSERT_EQ(t.cal.ConvertDate(3), days[i].first) << n;
            ASSERT_EQ(t.cal.SpezialTag(), days[i].second.empty() ? "" : " (" + days[i].second + ")") << n;
            if (i == 0 && (v - 1) % 7 == 0) {
                const std::int64_t g = (v - 1) / 28, s = (v - 1) % 28 / 7;
                EXPECT_EQ(t.cal.SpezialInfo(), "Zyklus: (K 0, B " + std::to_string(g) + ", A " +
                                                   std::to_string(s) + ", N 0)");
            }
        }
    }
    EXPECT_EQ(n - kEpoch, 327257);
    EXPECT_EQ(years_by_weeks[0], 768);
    EXPECT_EQ(years_by_weeks[1], 97);
    EXPECT_EQ(years_by_weeks[2], 31);
    t.cal.setJD(static_cast<double>(n));
    EXPECT_EQ(t.cal.ConvertDate(3), "1. Jul 897");
    EXPECT_EQ(t.cal.SpezialInfo(), "Zyklus: (K 1, B 0, A 0, N 0)");
    EXPECT_TRUE(t.faults.empty());
}

TEST(CyclicWeekCalendar, PeriodsJoinOverTheEngineRange) {
    // Every period opens with 1. Jul of year 896 K + 1 and closes with the
    // Vorjul of a year with one leap week, also far before the epoch.
    EngineForTest t;
    for (const std::int64_t K : {-31, -30, -2, -1, 0, 1, 29, 30}) {
        const std::int64_t first = 1663344 + K * 327257;
        const std::string year = std::to_string(896 * K + 1), last_year = std::to_string(896 * K + 896);
        t.cal.setJD(static_cast<double>(first));
        EXPECT_EQ(t.cal.ConvertDate(3), "1. Jul " + year);
        EXPECT_EQ(t.cal.SpezialInfo(), "Zyklus: (K " + std::to_string(K) + ", B 0, A 0, N 0)");
        t.cal.setJD(static_cast<double>(first + 327257 - 2));
        EXPECT_EQ(t.cal.ConvertDate(3), "7. Ergänzungswoche " + last_year);
        t.cal.setJD(static_cast<double>(first + 327257 - 1));
        EXPECT_EQ(t.cal.ConvertDate(3), "Vorjul " + last_year);
        EXPECT_EQ(t.cal.SpezialInfo(), "Zyklus: (K " + std::to_string(K) + ", B 31, A 3, N 6)");
    }
    EXPECT_TRUE(t.faults.empty());
}

TEST(OtherCalendars, EveryCodeAtTheEdgesOfTheEnginesYears) {
    EngineForTest t;
    for (const auto& [year, month, day] : {std::array{-27968, 1, 1}, std::array{27968, 12, 31}}) {
        t.at(year, month, day);
        for (const int Kal : {1, 2, 3, 4, 5, 6, 8, 9, 10}) {
            EXPECT_FALSE(t.cal.ConvertDate(Kal, 8).empty()) << year << " code " << Kal;
        }
    }
    t.at(27968, 12, 31);
    EXPECT_EQ(t.cal.ConvertDate(1), "31. Dezember 27968");
    t.at(-27968, 1, 1);
    EXPECT_EQ(t.cal.ConvertDate(2), "1. Januar -27968");
    EXPECT_TRUE(t.faults.empty());
}

} // namespace

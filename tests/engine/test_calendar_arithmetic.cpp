#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "calendars/coptic_ethiopian.h"
#include "holidays/festivals.h"
#include "calendars/hebrew.h"
#include "calendars/indian.h"
#include "calendars/maya_cycles.h"
#include "calendars/umm_al_qura.h"
#include "calendars/umm_al_qura_table.h"
#include "ephemeris/calendar.h"

namespace {

std::int64_t day(int year, int month, int d) { return vespera::day_number_in(vespera::Calendar::Gregorian, year, month, d); }

struct FestivalCase {
    int year, month, day;
    const char* name;
};

// Every expected festival must be in the list of its Gregorian year, once.
void expect_festivals(vespera::Festivals (*festivals)(std::int64_t), std::initializer_list<FestivalCase> cases) {
    for (const FestivalCase& c : cases) {
        const vespera::Festivals list = festivals(c.year);
        const auto hits = std::count_if(list.days.begin(), list.days.end(), [&](const vespera::Festival& f) {
            return f.day_number == day(c.year, c.month, c.day) && f.name == c.name;
        });
        EXPECT_EQ(hits, 1) << c.name << " " << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(HebrewCalendar, NewYearAndPassoverAsPublished) {
    // Pessach: U.S. Naval Observatory, "The Dates of Passover" (2000-2029).
    // Rosch ha-Schana 2025-2027: jewish-calendar.com and judaic.unl.edu;
    // 2028-2030 and Pessach 2030 from the fixed distance of 163 days from
    // 15 Nisan to the next 1 Tischri.
    expect_festivals(vespera::jewish_festivals, {
        {2025, 4, 13, "Pessach"}, {2026, 4, 2, "Pessach"}, {2027, 4, 22, "Pessach"},
        {2028, 4, 11, "Pessach"}, {2029, 3, 31, "Pessach"}, {2030, 4, 18, "Pessach"},
        {2025, 9, 23, "Rosch ha-Schana"}, {2026, 9, 12, "Rosch ha-Schana"}, {2027, 10, 2, "Rosch ha-Schana"},
        {2028, 9, 21, "Rosch ha-Schana"}, {2029, 9, 10, "Rosch ha-Schana"}, {2030, 9, 28, "Rosch ha-Schana"},
        // judaic.unl.edu, 5786: Jom Kippur 2 October, Sukkot 7, Schemini Azeret 14, Simchat Tora 15 October 2025.
        {2025, 10, 2, "Jom Kippur"}, {2025, 10, 7, "Sukkot"}, {2025, 10, 14, "Schemini Azeret"},
        {2025, 10, 15, "Simchat Tora"},
        // istanbullife.org, Jewish holidays 2021-2026 (evening before + 1): Purim in Adar II of the leap year 5784.
        {2024, 3, 24, "Purim"}, {2025, 3, 14, "Purim"}, {2024, 6, 12, "Schawuot"}, {2025, 12, 15, "Chanukka"},
    });
    for (int year = 1900; year <= 2200; ++year) EXPECT_EQ(vespera::jewish_festivals(year).days.size(), 9u) << year;
}

TEST(HebrewCalendar, TheLawsOfTheYear) {
    // Six lengths only; 1 Tischri never on a Sunday, Wednesday or Friday
    // (Lo ADU Rosch); the year 1 began on Monday 7 October 3761 BC
    // (computus.de: JD 347998).
    EXPECT_EQ(vespera::hebrew_year(1).first_day, vespera::day_number_in(vespera::Calendar::Julian, -3760, 10, 7));
    for (std::int64_t year = -30000; year <= 40000; year += 7) {
        const vespera::HebrewYear y = vespera::hebrew_year(year);
        const int weekday = vespera::weekday_index(y.first_day);
        EXPECT_TRUE(weekday != 6 && weekday != 2 && weekday != 4) << year;
        const bool common = y.length_days >= 353 && y.length_days <= 355;
        const bool leap = y.length_days >= 383 && y.length_days <= 385;
        ASSERT_TRUE(y.leap ? leap : common) << year << ": " << y.length_days;
    }
    // 5784 (2023/24) was a deficient leap year, 5785 a complete common one.
    EXPECT_EQ(vespera::hebrew_year_text(vespera::hebrew_year(5784)), "mangelhaftes Schaltjahr, 383 Tage");
    EXPECT_EQ(vespera::hebrew_year_text(vespera::hebrew_year(5785)), "überzähliges Gemeinjahr, 355 Tage");
}

TEST(HebrewCalendar, EveryDayRoundTripsAndNamesItsMonth) {
    for (std::int64_t n = day(1990, 1, 1); n <= day(2040, 12, 31); ++n) {
        const vespera::HebrewDate date = vespera::hebrew_date(n);
        ASSERT_EQ(vespera::hebrew_day_number(date.year, date.month, date.day), n) << n;
        ASSERT_TRUE(date.leap_year || date.month != vespera::kAdarII) << n;
    }
    EXPECT_EQ(vespera::hebrew_text(vespera::hebrew_date(day(2024, 2, 10))), "1. Adar I 5784");
    EXPECT_EQ(vespera::hebrew_text(vespera::hebrew_date(day(2024, 3, 24))), "14. Adar II 5784");
    EXPECT_EQ(vespera::hebrew_text(vespera::hebrew_date(day(2025, 3, 14))), "14. Adar 5785");
    EXPECT_EQ(vespera::hebrew_text(vespera::hebrew_date(day(2026, 12, 9))), "29. Kislew 5787");
    for (const std::int64_t n : {std::int64_t{INT32_MIN}, std::int64_t{INT32_MAX}}) {
        const vespera::HebrewDate date = vespera::hebrew_date(n);
        EXPECT_EQ(vespera::hebrew_day_number(date.year, date.month, date.day), n);
    }
}

TEST(UmmAlQura, RamadanAndItsEndAsPublished) {
    // The KACST Umm al-Qura calendar website's month beginnings, as recorded
    // in hijridate's tests (tests/integration/fixtures/ummalqura_calendar_website.json).
    expect_festivals(vespera::islamic_festivals, {
        {2025, 3, 1, "Beginn des Ramadan"}, {2026, 2, 18, "Beginn des Ramadan"}, {2027, 2, 8, "Beginn des Ramadan"},
        {2028, 1, 28, "Beginn des Ramadan"}, {2029, 1, 16, "Beginn des Ramadan"}, {2030, 1, 5, "Beginn des Ramadan"},
        {2030, 12, 26, "Beginn des Ramadan"},
        {2025, 3, 30, "Fest des Fastenbrechens"}, {2026, 3, 20, "Fest des Fastenbrechens"},
        {2027, 3, 9, "Fest des Fastenbrechens"}, {2028, 2, 26, "Fest des Fastenbrechens"},
        {2029, 2, 14, "Fest des Fastenbrechens"}, {2030, 2, 4, "Fest des Fastenbrechens"},
        {2025, 6, 6, "Opferfest"}, {2025, 6, 26, "Islamisches Neujahr"}, {2025, 9, 4, "Maulid an-Nabi"},
    });
    EXPECT_EQ(vespera::umm_al_qura_text(*vespera::umm_al_qura_date(day(2025, 3, 1))), "1. Ramadan 1446");
    // The lunar year is 11 days shorter: each festival once or twice a year.
    for (int year = 1982; year <= 2076; ++year) {
        const vespera::Festivals f = vespera::islamic_festivals(year);
        EXPECT_TRUE(f.covered);
        EXPECT_TRUE(f.days.size() == 5 || f.days.size() == 6) << year;
    }
}

TEST(UmmAlQura, TheTableHoldsTogether) {
    // Each year's months must lead to the next year's first day: a wrong
    // digit in a date or a month mask shows here.
    for (std::size_t i = 0; i + 1 < vespera::kUmmAlQuraYears.size(); ++i) {
        const auto& y = vespera::kUmmAlQuraYears[i];
        const auto& next = vespera::kUmmAlQuraYears[i + 1];
        ASSERT_EQ(next.year, y.year + 1);
        std::int64_t length = 0;
        for (int m = 0; m < 12; ++m) length += 29 + ((y.thirty_day_months >> m) & 1);
        EXPECT_TRUE(length == 354 || length == 355) << y.year;
        EXPECT_EQ(day(y.gregorian_year, y.gregorian_month, y.gregorian_day) + length,
                  day(next.gregorian_year, next.gregorian_month, next.gregorian_day))
            << y.year;
    }
    for (std::int64_t n = vespera::first_umm_al_qura_day(); n <= vespera::last_umm_al_qura_day(); ++n) {
        const auto date = vespera::umm_al_qura_date(n);
        ASSERT_TRUE(date) << n;
        ASSERT_EQ(vespera::umm_al_qura_day_number(date->year, date->month, date->day), n);
    }
}

TEST(UmmAlQura, OutsideTheTableNothingIsGuessed) {
    EXPECT_EQ(vespera::first_umm_al_qura_day(), day(1981, 10, 28));
    EXPECT_EQ(vespera::last_umm_al_qura_day(), day(2077, 11, 16));
    EXPECT_FALSE(vespera::umm_al_qura_date(vespera::first_umm_al_qura_day() - 1));
    EXPECT_FALSE(vespera::umm_al_qura_date(vespera::last_umm_al_qura_day() + 1));
    EXPECT_FALSE(vespera::umm_al_qura_day_number(1501, 1, 1));
    EXPECT_FALSE(vespera::umm_al_qura_day_number(1446, 9, 30)); // Ramadan 1446 had 29 days
    EXPECT_FALSE(vespera::umm_al_qura_day_number(1446, 13, 1));
    const vespera::Festivals last = vespera::islamic_festivals(2077);
    EXPECT_FALSE(last.covered);
    EXPECT_FALSE(last.days.empty());
    EXPECT_FALSE(vespera::islamic_festivals(1981).covered);
    EXPECT_TRUE(vespera::islamic_festivals(2076).covered);
    const vespera::Festivals beyond = vespera::islamic_festivals(2100);
    EXPECT_FALSE(beyond.covered);
    EXPECT_TRUE(beyond.days.empty());
}

TEST(OrthodoxFestivals, EasterByTheJulianComputus) {
    // German Wikipedia, "Osterdatum", table of the Western and Eastern dates.
    expect_festivals(vespera::orthodox_festivals, {
        {2025, 4, 20, "Ostersonntag"}, {2026, 4, 12, "Ostersonntag"}, {2027, 5, 2, "Ostersonntag"},
        {2028, 4, 16, "Ostersonntag"}, {2029, 4, 8, "Ostersonntag"}, {2030, 4, 28, "Ostersonntag"},
        {2026, 5, 31, "Pfingsten"}, {2026, 1, 7, "Weihnachten"}, {2101, 1, 8, "Weihnachten"},
    });
}

TEST(AlexandrianCalendars, NewYearOnTheEleventhOrTwelfthOfSeptember) {
    // kopten.de: 1 Thoout is 11 September, 12 September before a Gregorian
    // leap year; German Wikipedia ("Koptischer Kalender"): 12 September
    // 2015 = 1 Tout 1732. Enkutatash, 1 Maskarem 2018 = 11 September 2025.
    EXPECT_EQ(vespera::coptic_text(vespera::coptic_date(day(2015, 9, 12))), "1. Thoout 1732");
    EXPECT_EQ(vespera::ethiopian_text(vespera::ethiopian_date(day(2025, 9, 11))), "1. Maskarem 2018");
    for (int year = 1901; year <= 2099; ++year) {
        const int expected = (year + 1) % 4 == 0 ? 12 : 11;
        EXPECT_EQ(vespera::coptic_day_number(year - 283, 1, 1), day(year, 9, expected)) << year;
        EXPECT_EQ(vespera::ethiopian_day_number(year - 7, 1, 1), day(year, 9, expected)) << year;
    }
    EXPECT_EQ(vespera::coptic_text(vespera::coptic_date(day(2023, 9, 11))), "6. Pikouji enawot 1739");
    for (std::int64_t n = day(-500, 1, 1); n <= day(2500, 1, 1); n += 13) {
        const vespera::CalendarDate c = vespera::coptic_date(n);
        ASSERT_EQ(vespera::coptic_day_number(c.year, c.month, c.day), n);
        ASSERT_TRUE(c.month <= 12 ? c.day <= 30 : c.day <= 6);
    }
}

TEST(IndianNationalCalendar, SakaYearsAsAdopted) {
    // Adopted on 22 March 1957 = 1 Chaitra 1879; the year begins on 21 March
    // in a Gregorian leap year, and Chaitra then has 31 days.
    EXPECT_EQ(vespera::indian_text(vespera::indian_date(day(1957, 3, 22))), "1. Chaitra 1879");
    EXPECT_EQ(vespera::indian_text(vespera::indian_date(day(2024, 3, 21))), "1. Chaitra 1946");
    EXPECT_EQ(vespera::indian_text(vespera::indian_date(day(2024, 4, 20))), "31. Chaitra 1946");
    EXPECT_EQ(vespera::indian_text(vespera::indian_date(day(2025, 3, 21))), "30. Phalguna 1946");
    for (std::int64_t n = day(1800, 1, 1); n <= day(2200, 1, 1); n += 5) {
        const vespera::CalendarDate c = vespera::indian_date(n);
        ASSERT_EQ(vespera::indian_day_number(c.year, c.month, c.day), n);
    }
}

TEST(MayaCycles, TzolkinAndHaabOfTheLongCountsTurn) {
    // 13.0.0.0.0 4 Ajaw 8 Kumk'u is the Long Count's zero (GMT 584283);
    // 13.0.0.0.0 of 21 December 2012 fell on 4 Ajaw 3 K'ank'in.
    EXPECT_EQ(vespera::maya_cycles_text(vespera::maya_cycles(584283)), "4 Ajaw 8 Kumk'u");
    EXPECT_EQ(vespera::maya_cycles_text(vespera::maya_cycles(day(2012, 12, 21))), "4 Ajaw 3 K'ank'in");
    EXPECT_EQ(vespera::maya_cycles_text(vespera::maya_cycles(584283 - 1)), "3 Kawak 7 Kumk'u");
    // Kumk'u has 20 days, then come the five of Wayeb.
    EXPECT_EQ(vespera::maya_cycles_text(vespera::maya_cycles(584283 + 12)), "3 Eb 0 Wayeb");
}

} // namespace

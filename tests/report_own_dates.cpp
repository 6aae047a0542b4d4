// The own dates beside the almanac: on the place's clock, in the month, in
// the status line, the year's list and the birthday calendar; and the
// command line's list read from a file.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/run.h"
#include "ephemeris/calendar.h"
#include "report/ical.h"
#include "report/own_date_rows.h"

namespace {

namespace od = vespera::own_dates;
using vespera::day_number;

od::OwnDate yearly(std::string title, od::Kind kind, std::int64_t year, int month, int day) {
    od::OwnDate date;
    date.uid = title + "@test";
    date.title = std::move(title);
    date.kind = kind;
    date.first_day = day_number(year, month, day);
    date.repeat = od::Repeat::yearly;
    return date;
}

// The dentist on 15 April 2027, at 14:30 where a time is given.
od::OwnDate dentist(std::optional<std::int32_t> start_seconds = std::nullopt) {
    od::OwnDate date;
    date.uid = "zahn@test";
    date.title = "Zahnarzt";
    date.first_day = day_number(2027, 4, 15);
    date.start_seconds = start_seconds;
    return date;
}

vespera::report::OwnDateCalendar calendar_of(std::vector<od::OwnDate> dates,
                                             od::LeapDayRule rule = od::LeapDayRule::february_28) {
    return {std::move(dates), {}, *vespera::Zone::named("Europe/Berlin"), rule};
}

TEST(ReportOwnDates, TodayIsWordedInGerman) {
    const od::OwnDate appointment = dentist(14 * 3600 + 30 * 60);
    auto dates = calendar_of({yearly("Anna", od::Kind::geburtstag, 1987, 4, 15),
                              yearly("Hans", od::Kind::geburtstag, 1977, 4, 15),
                              yearly("Hochzeitstag", od::Kind::jahrestag, 2002, 4, 15), appointment});
    const std::int64_t day = day_number(2027, 4, 15);
    // Duden: the genitive of a name ending in s takes the apostrophe alone.
    EXPECT_EQ(vespera::report::today_text(dates.between(day, day)),
              "Heute: Annas Geburtstag (40), Hans\u2019 Geburtstag (50), Hochzeitstag (25 Jahre), "
              "Zahnarzt um 14:30 Uhr");
    EXPECT_EQ(vespera::report::today_text(dates.between(day + 1, day + 1)), "");
}

TEST(ReportOwnDates, ATimeInUtcFallsOnThePlacesDay) {
    // 31 December 2026, 23:30 UTC is half past midnight of New Year in Berlin.
    od::OwnDate party;
    party.uid = "party@test";
    party.title = "Feier";
    party.first_day = day_number(2026, 12, 31);
    party.start_seconds = 23 * 3600 + 30 * 60;
    party.clock = vespera::ical::Clock::utc;
    auto dates = calendar_of({party});
    const std::vector<vespera::report::OwnDateEntry> found =
        dates.between(day_number(2026, 12, 31), day_number(2027, 1, 1));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].first_day, day_number(2027, 1, 1));
    EXPECT_EQ(found[0].start_minutes, 30);
}

TEST(ReportOwnDates, LeapDayBirthdayInTheListAndTheMonth) {
    for (const auto& [rule, month, day] : {std::tuple{od::LeapDayRule::february_28, 2, 28},
                                          std::tuple{od::LeapDayRule::march_1, 3, 1}}) {
        auto dates = calendar_of({yearly("Max", od::Kind::geburtstag, 1996, 2, 29)}, rule);
        const vespera::report::Report list = vespera::report::own_date_list(dates, 2027);
        ASSERT_EQ(list.rows.size(), 1u);
        EXPECT_EQ(list.rows[0].iso_date, vespera::report::iso_date(day_number(2027, month, day)));
        EXPECT_EQ(list.rows[0].value, "Max: 31. Geburtstag (am 29. Februar, im Gemeinjahr verlegt)");
        EXPECT_EQ(list.rows[0].category, "Geburtstag");
    }
}

TEST(ReportOwnDates, SpanOverTheMonthsEndMarksOnlyItsDays) {
    od::OwnDate trip;
    trip.uid = "reise@test";
    trip.title = "Reise";
    trip.first_day = day_number(2027, 3, 30);
    trip.day_count = 5; // to 3 April
    auto dates = calendar_of({trip});
    vespera::report::MonthGrid april;
    for (int d = 1; d <= 30; ++d) {
        april.days.emplace_back();
        april.days.back().day_number = static_cast<std::int32_t>(day_number(2027, 4, d));
    }
    vespera::report::add_own_dates(april, dates);
    for (int d = 1; d <= 30; ++d) {
        EXPECT_EQ(april.days[static_cast<std::size_t>(d - 1)].own_dates.size(), d <= 3 ? 1u : 0u) << d;
    }
}

TEST(ReportOwnDates, BirthdayCalendarHoldsBirthdaysAndAnniversariesByMonth) {
    const od::OwnDate appointment = dentist();
    auto dates = calendar_of({yearly("Anna", od::Kind::geburtstag, 1987, 4, 15), appointment,
                              yearly("Hochzeitstag", od::Kind::jahrestag, 2002, 6, 29)});
    const vespera::report::BirthdayCalendar sheet = vespera::report::birthday_calendar(dates, 2027);
    ASSERT_EQ(sheet.months[3].size(), 1u);
    EXPECT_EQ(sheet.months[3][0].label, "Anna: 40. Geburtstag");
    ASSERT_EQ(sheet.months[5].size(), 1u);
    EXPECT_EQ(sheet.months[5][0].label, "Hochzeitstag: 25 Jahre");
}

TEST(ReportOwnDates, ExportedOwnDatesGoInsideTheCalendar) {
    const std::string document = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n";
    EXPECT_EQ(vespera::report::with_events(document, "BEGIN:VEVENT\r\nEND:VEVENT\r\n"),
              "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    EXPECT_EQ(vespera::report::with_events("", "BEGIN:VEVENT\r\nEND:VEVENT\r\n"), "");
}

TEST(ReportOwnDates, CommandLineListsTheFilesDatesWithTheirAge) {
    char folder[] = "/tmp/vespera-cli-termine-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    const std::string file = std::string(folder) + "/termine.ics";
    std::ofstream(file) << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//DE\r\n"
                           "BEGIN:VEVENT\r\nUID:anna@test\r\nDTSTAMP:20260101T000000Z\r\n"
                           "DTSTART;VALUE=DATE:19870415\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Anna\r\n"
                           "CATEGORIES:Geburtstag\r\nEND:VEVENT\r\n"
                           "BEGIN:VEVENT\r\nUID:kurs@test\r\nDTSTAMP:20260101T000000Z\r\n"
                           "DTSTART;TZID=Europe/Berlin:20270105T183000\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\n"
                           "SUMMARY:Kurs\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    vespera::cli::Environment environment;
    environment.now_unix_seconds = 1712578502;
    const vespera::cli::Outcome csv = vespera::cli::run_cli(
        {"liste", "termine", "2027", "--termine", file, "--format", "csv", "--zone", "Europe/Berlin",
         "--koordinaten", "52.52,13.405"},
        environment);
    EXPECT_EQ(csv.exit_code, 0) << csv.err;
    EXPECT_EQ(csv.out, "datum,bis,uhrzeit,titel,art,alter,bezeichnung\n"
                       "2027-01-05,2027-01-05,18:30,Kurs,termin,,Kurs\n"
                       "2027-01-12,2027-01-12,18:30,Kurs,termin,,Kurs\n"
                       "2027-01-19,2027-01-19,18:30,Kurs,termin,,Kurs\n"
                       "2027-04-15,2027-04-15,,Anna,geburtstag,40,Anna: 40. Geburtstag\n");
    std::filesystem::remove_all(folder);
}

} // namespace

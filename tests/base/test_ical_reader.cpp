// The shared iCalendar reader: recurrences expanded as RFC 5545 defines
// them, UTC and TZID times on the place's local day, and German refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/ical_reader.h"
#include "zones/zone.h"
#include "ephemeris/calendar.h"

namespace {

using vespera::ical::Calendar;
using vespera::ical::Clock;
using vespera::ical::DaySpan;
using vespera::ical::DayTime;
using vespera::ical::Occurrence;

std::int64_t day(int year, int month, int d) { return vespera::day_number(year, month, d); }

DaySpan year_window(int year) { return {day(year, 1, 1), day(year, 12, 31)}; }

std::string calendar(const std::string& body) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//DE\r\n" + body + "END:VCALENDAR\r\n";
}

std::string event(const std::string& lines) {
    return "BEGIN:VEVENT\r\nUID:e" + std::to_string(lines.size()) + "\r\n" + lines + "END:VEVENT\r\n";
}

Calendar read(const std::string& text, DaySpan window) {
    vespera::ical::ReadOptions options;
    options.window = window;
    return vespera::ical::read_calendar(text, options);
}

// The local day of an occurrence at a place of the tz database.
std::int64_t local_day(const Occurrence& o, const char* zone) {
    if (o.clock != Clock::utc) return o.start.day;
    const double jd_ut = static_cast<double>(o.start.day) - 0.5 + o.start.seconds / 86400.0;
    return static_cast<std::int64_t>(std::floor(vespera::Zone::named(zone)->local_jd(jd_ut) + 0.5));
}

std::vector<std::int64_t> days_in(const vespera::ical::Event& e, DaySpan window, const char* zone = "Europe/Berlin") {
    std::vector<std::int64_t> days;
    for (const Occurrence& o : e.occurrences) {
        const std::int64_t d = local_day(o, zone);
        if (d >= window.first_day && d <= window.last_day) days.push_back(d);
    }
    return days;
}

// A school calendar as published: a yearly day, a UTC-encoded midnight, a
// TZID from the system's zones and one from the file's own VTIMEZONE, and a
// period whose DTEND is the day after its last (RFC 5545 3.6.1).
TEST(IcalReader, YearlyUtcAndZonedEventsLandOnTheirLocalDays) {
    const std::string text =
        calendar("BEGIN:VTIMEZONE\r\nTZID:W. Europe Standard Time\r\n"
                 "BEGIN:STANDARD\r\nDTSTART:16011028T030000\r\nRRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10\r\n"
                 "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\n"
                 "BEGIN:DAYLIGHT\r\nDTSTART:16010325T020000\r\nRRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3\r\n"
                 "TZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n" +
                 event("SUMMARY:Beweglicher Ferientag\r\nDTSTART;VALUE=DATE:20241003\r\nRRULE:FREQ=YEARLY\r\n") +
                 event("SUMMARY:Neujahr UTC\r\nDTSTART:20261231T230000Z\r\nDTEND:20270101T230000Z\r\n") +
                 event("SUMMARY:Nach der Umstellung\r\nDTSTART;TZID=Europe/Berlin:20270329T003000\r\n") +
                 event("SUMMARY:Eigene Zone\r\nDTSTART;TZID=W. Europe Standard Time:20270701T000000\r\n") +
                 event("SUMMARY:Sommer\r\nDTSTART;VALUE=DATE:20270802\r\nDTEND;VALUE=DATE:20270914\r\n"));
    const DaySpan window = year_window(2027);
    const Calendar cal = read(text, window);
    ASSERT_TRUE(cal.ok) << cal.message;
    ASSERT_EQ(cal.events.size(), 5u) << cal.message;
    EXPECT_EQ(days_in(cal.events[0], window), std::vector<std::int64_t>{day(2027, 10, 3)});
    EXPECT_EQ(days_in(cal.events[1], window), std::vector<std::int64_t>{day(2027, 1, 1)});
    EXPECT_EQ(cal.events[1].series.duration_seconds, 86400);
    // 00:30 CEST on 29 March is 22:30 UT on the 28th.
    EXPECT_EQ(cal.events[2].occurrences.at(0).start, (DayTime{day(2027, 3, 28), 22 * 3600 + 1800}));
    EXPECT_EQ(days_in(cal.events[2], window), std::vector<std::int64_t>{day(2027, 3, 29)});
    EXPECT_EQ(cal.events[3].occurrences.at(0).start, (DayTime{day(2027, 6, 30), 22 * 3600}));
    EXPECT_EQ(days_in(cal.events[3], window), std::vector<std::int64_t>{day(2027, 7, 1)});
    const Occurrence& summer = cal.events[4].occurrences.at(0);
    EXPECT_EQ(summer.clock, Clock::all_day);
    EXPECT_EQ(summer.start.day, day(2027, 8, 2));
    EXPECT_EQ(summer.end.day - 1, day(2027, 9, 13)); // last day
}

struct RuleCase {
    const char* what;
    const char* lines;
    std::vector<std::int64_t> days; // local days in 2027 (Berlin)
};

TEST(IcalReader, RecurrencesFollowRfc5545) {
    const std::vector<RuleCase> cases = {
        {"COUNT counts DTSTART",
         "DTSTART;VALUE=DATE:20270104\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\n",
         {day(2027, 1, 4), day(2027, 1, 11), day(2027, 1, 18)}},
        {"UNTIL is inclusive",
         "DTSTART;VALUE=DATE:20270101\r\nRRULE:FREQ=DAILY;UNTIL=20270103\r\n",
         {day(2027, 1, 1), day(2027, 1, 2), day(2027, 1, 3)}},
        {"UNTIL in UTC closes a zoned series at its instant",
         "DTSTART;TZID=Europe/Berlin:20270301T100000\r\nRRULE:FREQ=WEEKLY;UNTIL=20270315T090000Z\r\n",
         {day(2027, 3, 1), day(2027, 3, 8), day(2027, 3, 15)}},
        {"UNTIL a second early drops that day",
         "DTSTART;TZID=Europe/Berlin:20270301T100000\r\nRRULE:FREQ=WEEKLY;UNTIL=20270315T085959Z\r\n",
         {day(2027, 3, 1), day(2027, 3, 8)}},
        {"DTSTART off the rule is still the first",
         "DTSTART;VALUE=DATE:20270101\r\nRRULE:FREQ=WEEKLY;BYDAY=MO;COUNT=2\r\n",
         {day(2027, 1, 1), day(2027, 1, 4)}},
        {"EXDATE removes, RDATE adds",
         "DTSTART;VALUE=DATE:20270104\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\nEXDATE;VALUE=DATE:20270111\r\n"
         "RDATE;VALUE=DATE:20270106\r\n",
         {day(2027, 1, 4), day(2027, 1, 6), day(2027, 1, 18)}},
        {"a yearly rule from long ago",
         "DTSTART;VALUE=DATE:19040229\r\nRRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1\r\n",
         {day(2027, 2, 28)}},
        {"the last working day of the month",
         "DTSTART;VALUE=DATE:20270101\r\nRRULE:FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-1;COUNT=3\r\n",
         {day(2027, 1, 1), day(2027, 1, 29), day(2027, 2, 26)}},
        {"29 February by the letter of RFC 5545", "DTSTART;VALUE=DATE:20240229\r\nRRULE:FREQ=YEARLY\r\n", {}},
    };
    for (const RuleCase& c : cases) {
        const Calendar cal = read(calendar(event(c.lines)), year_window(2027));
        ASSERT_EQ(cal.events.size(), 1u) << c.what << ": " << cal.message;
        EXPECT_EQ(days_in(cal.events[0], year_window(2027)), c.days) << c.what;
    }
}

TEST(IcalReader, AnOverrideReplacesItsOccurrence) {
    const Calendar cal = read(
        calendar("BEGIN:VEVENT\r\nUID:s\r\nDTSTART;VALUE=DATE:20270104\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\nEND:VEVENT\r\n"
                 "BEGIN:VEVENT\r\nUID:s\r\nRECURRENCE-ID;VALUE=DATE:20270111\r\nDTSTART;VALUE=DATE:20270113\r\n"
                 "END:VEVENT\r\n"),
        year_window(2027));
    ASSERT_EQ(cal.events.size(), 2u);
    EXPECT_EQ(days_in(cal.events[0], year_window(2027)),
              (std::vector<std::int64_t>{day(2027, 1, 4), day(2027, 1, 18)}));
    EXPECT_EQ(days_in(cal.events[1], year_window(2027)), std::vector<std::int64_t>{day(2027, 1, 13)});
}

TEST(IcalReader, RefusesWhatItCannotReadAndSaysWhy) {
    const struct {
        std::string lines;
        const char* reason;
    } cases[] = {
        {"SUMMARY:ohne Datum\r\n", "Der Termin hat kein Datum (DTSTART)."},
        {"DTSTART:2027xx01\r\n", "Die Angabe DTSTART ist nicht lesbar."},
        {"DTSTART;VALUE=DATE:20270101\r\nRRULE:FREQ=SOMETIMES\r\n", "Die Angabe RRULE ist nicht lesbar."},
        {"DTSTART:20270101T100000\r\nRRULE:FREQ=MINUTELY\r\n",
         "Termine, die sich öfter als täglich wiederholen, werden nicht gelesen."},
        // libical would search day by day until the year 2582 for these.
        {"DTSTART;VALUE=DATE:20270101\r\nRRULE:FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30\r\n",
         "Die Wiederholungsregel ergibt keinen Tag."},
        {"DTSTART;VALUE=DATE:20270101\r\nRRULE:FREQ=DAILY;BYMONTH=2;BYMONTHDAY=29;BYDAY=MO;COUNT=4\r\n",
         "Die Wiederholungsregel ergibt keinen Tag."},
        // libical's iterator would look for these until the year 20000 when made.
        {"DTSTART;VALUE=DATE:20270101\r\nRRULE:FREQ=MONTHLY;BYDAY=1MO;BYMONTHDAY=15\r\n",
         "Die Wiederholungsregel ergibt keinen Tag."},
        {"DTSTART;VALUE=DATE:20270101\r\nRRULE:FREQ=YEARLY;INTERVAL=2;BYMONTH=2;BYMONTHDAY=29\r\n",
         "Diese Wiederholungsregel wird nicht unterstützt."},
        {"DTSTART;VALUE=DATE:20270101\r\nSTATUS:CANCELLED\r\n", "Der Termin ist abgesagt (STATUS:CANCELLED)."},
        {"DTSTART:20270101T100000\r\nDTEND:20270101T090000\r\n", "Der Termin endet vor seinem Beginn."},
        {"DTSTART;VALUE=DATE:20270101\r\nDESCRIPTION:" + std::string(70000, 'x') + "\r\n",
         "Eine Zeile ist länger als 64 KB."},
    };
    for (const auto& c : cases) {
        const Calendar cal =
            read(calendar(event(c.lines) + event("DTSTART;VALUE=DATE:20270202\r\n")), year_window(2027));
        ASSERT_TRUE(cal.ok) << c.reason;
        EXPECT_EQ(cal.events.size(), 1u) << c.reason;
        ASSERT_EQ(cal.refused.size(), 1u) << c.reason;
        EXPECT_EQ(cal.refused[0].reason, c.reason);
        EXPECT_EQ(cal.message, "1 Termin gelesen, 1 abgelehnt.");
    }
}

TEST(IcalReader, RefusesFilesThatAreNoCalendar) {
    const struct {
        std::string bytes;
        const char* message;
    } cases[] = {
        {std::string(2 * 1024 * 1024 + 1, ' '), "Die Datei ist größer als 2 MB und wird nicht gelesen."},
        {std::string("BEGIN:VCALENDAR\0\r\n", 18),
         "Die Datei ist keine Textdatei (sie enthält Nullbytes) und wird nicht gelesen."},
        {"BEGIN:VCARD\r\nEND:VCARD\r\n",
         "Die Datei ist kein lesbares iCalendar (BEGIN:VCALENDAR … END:VCALENDAR fehlt)."},
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n",
         "Die Datei ist kein lesbares iCalendar (BEGIN:VCALENDAR … END:VCALENDAR fehlt)."},
    };
    for (const auto& c : cases) {
        const Calendar cal = read(c.bytes, year_window(2027));
        EXPECT_FALSE(cal.ok);
        EXPECT_EQ(cal.message, c.message);
    }
    std::string many;
    for (int i = 0; i < 5002; ++i) many += "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20270101\r\nEND:VEVENT\r\n";
    const Calendar cal = read(calendar(many), year_window(2027));
    EXPECT_EQ(cal.events.size(), 5000u);
    EXPECT_EQ(cal.message, "5000 Termine gelesen, 2 abgelehnt. Die Datei enthält mehr als 5000 Termine; die übrigen "
                           "werden nicht gelesen.");
}

} // namespace

// The user's own dates: ages and counts across years, the 29 February rule,
// address-book imports, and a file that is never lost.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "ephemeris/calendar.h"
#include "own_dates/import.h"
#include "own_dates/occurrence_text.h"
#include "own_dates/occurrences.h"
#include "own_dates/store.h"

namespace {

namespace od = vespera::own_dates;
using od::Kind;
using od::OwnDate;
using od::Repeat;

std::int64_t day(int year, int month, int d) { return vespera::day_number(year, month, d); }

OwnDate yearly(std::string title, Kind kind, int year, int month, int d) {
    OwnDate date;
    date.uid = title + "@test";
    date.title = std::move(title);
    date.kind = kind;
    date.repeat = Repeat::yearly;
    date.first_day = day(year, month, d);
    return date;
}

// The labels of a year's occurrences, as "MM-DD label".
std::vector<std::string> labels(const std::vector<OwnDate>& dates, int year, od::OccurrenceOptions options = {}) {
    od::OccurrenceIndex index(dates, {}, std::move(options));
    std::vector<std::string> out;
    for (const od::DateOccurrence& o : index.in_year(year)) {
        const vespera::CivilDate d = vespera::civil_date(o.first_day);
        char when[8];
        std::snprintf(when, sizeof when, "%02d-%02d ", d.month, d.day);
        out.push_back(when + od::occurrence_label(dates[o.index], o));
    }
    return out;
}

TEST(OwnDates, BirthdaysAndAnniversariesCountTheirYears) {
    const std::vector<OwnDate> dates = {yearly("Anna", Kind::geburtstag, 1987, 4, 15),
                                        yearly("Hochzeitstag", Kind::jahrestag, 2002, 6, 1),
                                        yearly("Müllabfuhr", Kind::termin, 2020, 1, 7)};
    const struct {
        int year;
        std::vector<std::string> expected;
    } cases[] = {
        {1986, {}},
        {1987, {"04-15 Anna: geboren"}},
        {2002, {"04-15 Anna: 15. Geburtstag", "06-01 Hochzeitstag"}},
        {2003, {"04-15 Anna: 16. Geburtstag", "06-01 Hochzeitstag: 1 Jahr"}},
        {2027, {"01-07 Müllabfuhr", "04-15 Anna: 40. Geburtstag", "06-01 Hochzeitstag: 25 Jahre"}},
    };
    for (const auto& c : cases) EXPECT_EQ(labels(dates, c.year), c.expected) << c.year;
}

// § 188 Abs. 3 BGB by default, 1 March as the user's choice; leap years keep
// the day itself, also in 2000 (divisible by 400) but not 2100.
TEST(OwnDates, TwentyNinthOfFebruaryInCommonYears) {
    const std::vector<OwnDate> dates = {yearly("Lea", Kind::geburtstag, 1996, 2, 29)};
    od::OccurrenceOptions march;
    march.leap_day = od::LeapDayRule::march_1;
    EXPECT_EQ(labels(dates, 2027), std::vector<std::string>{"02-28 Lea: 31. Geburtstag"});
    EXPECT_EQ(labels(dates, 2027, march), std::vector<std::string>{"03-01 Lea: 31. Geburtstag"});
    EXPECT_EQ(labels(dates, 2028, march), std::vector<std::string>{"02-29 Lea: 32. Geburtstag"});
    EXPECT_EQ(labels(dates, 2000), std::vector<std::string>{"02-29 Lea: 4. Geburtstag"});
    EXPECT_EQ(labels(dates, 2100), std::vector<std::string>{"02-28 Lea: 104. Geburtstag"});
    od::OccurrenceIndex index(dates, {});
    EXPECT_TRUE(index.in_year(2027).at(0).leap_day_moved);
    EXPECT_FALSE(index.in_year(2028).at(0).leap_day_moved);
}

// A month of one store: spans reaching in from the month before, a floating
// time, and a time in UTC shown on the place's clock.
TEST(OwnDates, AMonthHoldsSpansAndTimesOnThePlacesClock) {
    OwnDate trip = yearly("Urlaub", Kind::termin, 2027, 3, 30);
    trip.repeat = Repeat::once;
    trip.day_count = 5; // 30 March .. 3 April
    OwnDate dentist = trip;
    dentist.uid = "z@test";
    dentist.title = "Zahnarzt";
    dentist.first_day = day(2027, 4, 2);
    dentist.day_count = 1;
    dentist.start_seconds = 10 * 3600;
    OwnDate call = dentist;
    call.uid = "c@test";
    call.title = "Anruf";
    call.clock = vespera::ical::Clock::utc;
    call.first_day = day(2027, 4, 1);
    call.start_seconds = 23 * 3600; // 01:00 on 2 April at UTC+2
    od::OccurrenceOptions options;
    options.local_clock = [](vespera::ical::DayTime utc) { return vespera::ical::add_seconds(utc, 2 * 3600); };
    const std::vector<OwnDate> dates = {trip, dentist, call};
    od::OccurrenceIndex index(dates, {}, options);
    const std::vector<od::DateOccurrence> april = index.between(day(2027, 4, 1), day(2027, 4, 30));
    ASSERT_EQ(april.size(), 3u);
    EXPECT_EQ(april[0].index, 0u);
    EXPECT_EQ(april[0].last_day, day(2027, 4, 3));
    EXPECT_EQ(april[1].index, 2u);
    EXPECT_EQ(april[1].first_day, day(2027, 4, 2));
    EXPECT_EQ(april[1].start_seconds, 3600);
    EXPECT_EQ(april[2].index, 1u);
    EXPECT_EQ(april[2].start_seconds, 10 * 3600);
}

TEST(OwnDates, AddressBookBirthdaysAndAnniversaries) {
    const std::string cards =
        "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:urn:uuid:anna\r\nFN:Anna Berg\r\nBDAY:19870415\r\n"
        "ANNIVERSARY:20020601\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ohne\r\n  Jahr\r\nitem1.BDAY:--0415\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Klein;Max;;;\r\nBDAY;VALUE=date:1990-02-28\r\n"
        "PHOTO;ENCODING=b;TYPE=JPEG:" +
        std::string(100000, 'A') +
        "\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Apple\r\nBDAY;X-APPLE-OMIT-YEAR=1604:1604-12-24\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Falsch\r\nBDAY:19850230\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Nur Jahr\r\nBDAY:1985\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Text\r\nBDAY;VALUE=text:circa 1800\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Alt\r\nBDAY:19800101\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Niemand\r\nEND:VCARD\r\n";
    const od::ImportBatch batch = od::read_import(cards);
    ASSERT_EQ(batch.error, "");
    struct Expected {
        const char* title;
        Kind kind;
        bool year_known;
        std::int64_t first_day;
    };
    const std::vector<Expected> expected = {
        {"Anna Berg", Kind::geburtstag, true, day(1987, 4, 15)},
        {"Hochzeitstag Anna Berg", Kind::jahrestag, true, day(2002, 6, 1)},
        {"Ohne Jahr", Kind::geburtstag, false, day(1604, 4, 15)},
        {"Max Klein", Kind::geburtstag, true, day(1990, 2, 28)},
        {"Apple", Kind::geburtstag, false, day(1604, 12, 24)},
    };
    ASSERT_EQ(batch.dates.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(batch.dates[i].title, expected[i].title);
        EXPECT_EQ(batch.dates[i].kind, expected[i].kind) << expected[i].title;
        EXPECT_EQ(batch.dates[i].year_known, expected[i].year_known) << expected[i].title;
        EXPECT_EQ(batch.dates[i].first_day, expected[i].first_day) << expected[i].title;
        EXPECT_EQ(batch.dates[i].repeat, Repeat::yearly);
    }
    EXPECT_EQ(batch.dates[0].uid, "urn:uuid:anna-geburtstag");
    EXPECT_EQ(labels({batch.dates[2]}, 2027), std::vector<std::string>{"04-15 Ohne Jahr: Geburtstag"});
    std::vector<std::string> reasons;
    for (const auto& r : batch.refused) reasons.push_back(r.event + ": " + r.reason);
    EXPECT_EQ(reasons, (std::vector<std::string>{"Falsch: Das Geburtsdatum „19850230“ ist kein Tag.",
                                                 "Nur Jahr: Das Geburtsdatum „1985“ ist kein Tag.",
                                                 "Text: Das Geburtsdatum „circa 1800“ ist kein Tag.",
                                                 "Alt: vCard 2.1 wird nicht gelesen, nur 3.0 und 4.0."}));
    EXPECT_EQ(batch.without_dates, 1u);
}

// The store in a folder of its own, with a writer that stands in for the
// program's safe writer.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/vespera-own-dates-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        folder_ = name;
        file_ = folder_ / od::kStoreFileName;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    od::OwnDateStore store() const {
        return od::OwnDateStore(file_, od::program_store_files(), [] { return std::int64_t{1800000000}; });
    }
    std::string bytes(const std::filesystem::path& path) const {
        std::ostringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        return text.str();
    }

    std::filesystem::path folder_, file_;
};

TEST_F(StoreTest, KeepsThePreviousVersionAndReadsBackWhatItSaved) {
    od::OwnDateStore first = store();
    EXPECT_FALSE(first.read_only());
    ASSERT_TRUE(first.add(yearly("Anna", Kind::geburtstag, 1987, 4, 15)).ok);
    const std::string one = bytes(file_);
    OwnDate note = yearly("Geburtstag, \"Oma\"; mit Komma", Kind::geburtstag, 1940, 2, 29);
    note.note = "Blumen\nnicht vergessen";
    note.categories = {"Familie"};
    note.year_known = false;
    note.first_day = day(od::kYearUnknown, 2, 29);
    ASSERT_TRUE(first.add(note).ok);
    EXPECT_EQ(bytes(folder_ / "termine.ics.bak"), one);
    EXPECT_NE(one.find("CATEGORIES:Geburtstag\r\n"), std::string::npos);
    EXPECT_NE(one.find("DTSTART;VALUE=DATE:19870415\r\n"), std::string::npos);
    EXPECT_NE(one.find("RRULE:FREQ=YEARLY\r\n"), std::string::npos);
    const od::OwnDateStore second = store();
    ASSERT_EQ(second.dates().size(), 2u);
    EXPECT_EQ(second.dates(), first.dates());
    EXPECT_FALSE(second.dates()[1].year_known);
}

TEST_F(StoreTest, ADamagedFileIsNeverOverwritten) {
    const std::string damaged = "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:x\r\nDTSTART;VALUE=DATE:20271301\r\n"
                                "SUMMARY:Anna\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    std::ofstream(file_, std::ios::binary) << damaged;
    od::OwnDateStore opened = store();
    EXPECT_TRUE(opened.read_only());
    EXPECT_NE(opened.problem().find(file_.string()), std::string::npos) << opened.problem();
    EXPECT_NE(opened.problem().find("beschädigt"), std::string::npos) << opened.problem();
    const od::Change change = opened.add(yearly("Ben", Kind::geburtstag, 1990, 1, 1));
    EXPECT_FALSE(change.ok);
    EXPECT_EQ(change.message, opened.problem());
    EXPECT_EQ(bytes(file_), damaged);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "termine.ics.bak"));
    // Mended, the store writes again.
    std::filesystem::remove(file_);
    opened.reload();
    EXPECT_TRUE(opened.add(yearly("Ben", Kind::geburtstag, 1990, 1, 1)).ok);
}

TEST_F(StoreTest, TwoWindowsKeepEachOthersChanges) {
    od::OwnDateStore a = store(), b = store();
    std::thread first([&a] {
        for (int i = 0; i < 20; ++i) {
            ASSERT_TRUE(a.add(yearly(std::string("A").append(std::to_string(i)), Kind::geburtstag, 1980, 1, i + 1)).ok);
        }
    });
    std::thread second([&b] {
        for (int i = 0; i < 20; ++i) {
            ASSERT_TRUE(b.add(yearly(std::string("B").append(std::to_string(i)), Kind::termin, 1990, 2, i + 1)).ok);
        }
    });
    first.join();
    second.join();
    EXPECT_EQ(store().dates().size(), 40u);

    // b changes a date that a changed after b last read it: b is told.
    b.reload();
    OwnDate by_a = a.dates().front();
    OwnDate by_b = b.dates().front();
    by_a.title = "von A";
    by_b.title = "von B";
    ASSERT_TRUE(a.add(yearly("neu", Kind::termin, 2000, 1, 1)).ok);
    ASSERT_TRUE(a.replace(by_a).ok);
    const od::Change told = b.replace(by_b);
    EXPECT_FALSE(told.ok);
    EXPECT_NE(told.message.find("in einem anderen Fenster geändert"), std::string::npos) << told.message;
    EXPECT_EQ(b.dates().size(), 41u); // b now shows a's state
    EXPECT_EQ(store().dates().front().title, "von A");
}

TEST_F(StoreTest, ImportCountsNewKnownAndRefused) {
    od::OwnDateStore opened = store();
    const std::string ics =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\n"
        "BEGIN:VEVENT\r\nUID:g1\r\nSUMMARY:Anna\r\nCATEGORIES:BIRTHDAY\r\nDTSTART;VALUE=DATE:19870415\r\n"
        "RRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:g2\r\nSUMMARY:Kurs\r\nDTSTART;TZID=Europe/Berlin:20270104T180000\r\n"
        "DTEND;TZID=Europe/Berlin:20270104T193000\r\nRRULE:FREQ=WEEKLY;COUNT=10\r\nLOCATION:VHS\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:g3\r\nSUMMARY:Kaputt\r\nDTSTART:20271301\r\nEND:VEVENT\r\n"
        "END:VCALENDAR\r\n";
    const od::ImportReport report = opened.import(od::read_import(ics));
    EXPECT_EQ(report.message, "2 Termine neu übernommen, 0 schon vorhanden, 1 abgelehnt.");
    ASSERT_EQ(report.reasons.size(), 1u);
    EXPECT_EQ(report.reasons[0], "„Kaputt“: Das Datum (DTSTART) ist kein Tag der Jahre 1 bis 9999.");
    const od::OwnDateStore reread = store();
    ASSERT_EQ(reread.dates().size(), 2u);
    EXPECT_EQ(reread.dates()[0].kind, Kind::geburtstag);
    EXPECT_EQ(reread.dates()[0].repeat, Repeat::yearly);
    const OwnDate& course = reread.dates()[1];
    EXPECT_EQ(course.repeat, Repeat::rule);
    EXPECT_EQ(course.tzid, "Europe/Berlin");
    EXPECT_EQ(course.duration_seconds, 5400);
    EXPECT_EQ(course.kept, std::vector<std::string>{"LOCATION:VHS"});
    od::OccurrenceIndex index(reread.dates(), reread.timezones());
    EXPECT_EQ(index.in_year(2027).size(), 11u); // the birthday and ten evenings

    // Again, by UID; and a birthday typed in by hand, by title and day.
    EXPECT_EQ(opened.import(od::read_import(ics)).message, "0 Termine neu übernommen, 2 schon vorhanden, 1 abgelehnt.");
    OwnDate typed = yearly("Anna", Kind::geburtstag, 1987, 4, 15);
    typed.uid.clear();
    od::ImportBatch batch;
    batch.dates = {typed};
    EXPECT_EQ(opened.import(batch).known, 1u);
}

} // namespace

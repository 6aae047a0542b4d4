// Reports as plain data: a heading, then rows of label, value and kind. The
// window draws them, the clipboard and the command line write them out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "report/typed_value.h"

namespace vespera::report {

enum class RowKind : std::uint8_t {
    Heading,     // a heading inside the report: the label alone
    Entry,       // label and value
    SunAltitude, // an entry that the live display refreshes every second
    MoonPhase,   // likewise
};

// A calendar row's date as numbers, for scripts: the calendar's stable id
// ("hebraeisch") and its parts, "jahr", "monat", "tag" (a count its own
// units); a part without a value (a named day outside the months) is empty.
struct CalendarPart {
    std::string_view key;
    std::optional<std::int64_t> value;
};
struct CalendarParts {
    std::string_view id;
    std::vector<CalendarPart> parts; // empty where the calendar has no date for the day
    std::optional<bool> leap_month;  // only in calendars with leap months
};

struct Row {
    Row() = default;
    Row(std::string row_label, std::string row_value, RowKind row_kind = RowKind::Entry, std::string row_iso_date = {},
        std::string row_category = {}, TypedValue row_typed = {})
        : label(std::move(row_label)), value(std::move(row_value)), kind(row_kind), iso_date(std::move(row_iso_date)),
          category(std::move(row_category)), typed(std::move(row_typed)) {}

    std::string label;
    std::string value;
    RowKind kind = RowKind::Entry;
    std::string iso_date; // "2024-04-08" where the row names a day; empty otherwise
    std::string category; // a third column: the holiday list's "gesetzlich", "Ferien" …; empty otherwise
    TypedValue typed;     // what `value` says, as values; empty where it says nothing countable
    std::optional<CalendarParts> calendar; // the other-calendars report's rows
    std::string tooltip;  // what the window shows over the row; empty for none

    bool is_heading() const { return kind == RowKind::Heading; }
};

struct Report {
    std::string heading;
    std::string iso_date; // the day a day report is about; empty for a list
    std::vector<Row> rows;
    // An engine call failed: the rows end where it did, and the engine has
    // reported the fault once.
    bool stopped = false;
};

// The time of day on the place's clock that a report is made for.
struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// ISO 8601 of a day number, in the proleptic Gregorian calendar as ISO 8601
// counts: "2024-04-08"; a year outside 0..9999 gets a sign and at least four
// digits ("-0044-03-13", "+12345-06-01").
std::string iso_date(std::int64_t day_number);

// "8.4.2024": a day number as the engine writes a date.
std::string date_text(std::int64_t day_number);

// A year as readers count it: "2024"; before year 1 the astronomical year
// (which has a year 0) becomes "v. Chr.": -44 is "45 v. Chr.", 0 "1 v. Chr.".
std::string year_text(std::int64_t year);

// year_text for headings: before year 1 it names the astronomical year the
// engine and the ISO dates count with, "45 v. Chr. (astronomisches Jahr -44)".
std::string year_heading_text(std::int64_t year);

// "Landshut (Bayern)": the place's name, and its region's German name where
// the place has a region, the name carries no "(" tag and differs from the
// region ("Berlin", "Wien (A)"). Blanks around the name are dropped.
std::string place_heading(std::string_view name, std::string_view region_code);

// "8. April 2024 · Landshut (Bayern)"; without a place the date alone.
std::string with_place(std::string heading, std::string_view place);

// The report as the window copies it: one row per line, label TAB value (TAB
// category where a row has one), a heading (the report's own first) alone on
// its line, every line ended by LF.
std::string copied_text(const Report& report);

} // namespace vespera::report

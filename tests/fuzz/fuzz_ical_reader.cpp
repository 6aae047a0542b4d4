// An .ics from anywhere through the shared reader: it must finish (libical
// must never be left to search a rule that cannot match), say what it did,
// and hand over only occurrences that are ordered, bounded and on a clock
// the caller can turn into local days.
#include <string_view>

#include "base/ical_reader.h"
#include "ephemeris/calendar.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace ical = vespera::ical;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ical::ReadOptions options;
    options.window = ical::DaySpan{vespera::day_number(2026, 12, 1), vespera::day_number(2027, 12, 31)};
    const ical::Calendar calendar = ical::read_calendar(bytes, options);
    fuzz::check(!calendar.message.empty(), "the reader said nothing");
    fuzz::check(calendar.ok || calendar.events.empty(), "events from a file that was not read");
    fuzz::check(calendar.events.size() <= options.limits.max_events, "more events than allowed");
    std::size_t total = 0;
    for (const ical::Event& event : calendar.events) {
        fuzz::check(ical::series_problem(event.series, ical::ZoneSet(calendar.timezones)).empty(),
                    "an event handed over with a problem");
        fuzz::check(event.occurrences.size() <= options.limits.max_occurrences_per_event, "too many occurrences");
        total += event.occurrences.size();
        for (std::size_t i = 0; i < event.occurrences.size(); ++i) {
            const ical::Occurrence& o = event.occurrences[i];
            fuzz::check(o.clock != ical::Clock::zoned, "a zoned occurrence");
            fuzz::check(o.start <= o.end, "an occurrence ends before it starts");
            fuzz::check(o.start.seconds >= 0 && o.start.seconds < ical::kDaySeconds, "seconds out of the day");
            fuzz::check(o.clock != ical::Clock::all_day || (o.start.seconds == 0 && o.end.day > o.start.day),
                        "an all-day occurrence with a time or no day");
            fuzz::check(o.start.day >= options.window->first_day - ical::kMarginDays - ical::kMaxEventDays - 1 &&
                            o.start.day <= options.window->last_day + ical::kMarginDays + 1,
                        "an occurrence far outside the window");
            fuzz::check(i == 0 || event.occurrences[i - 1].start < o.start, "occurrences out of order or twice");
        }
    }
    fuzz::check(total <= options.limits.max_occurrences, "more occurrences than allowed in all");
    return 0;
}

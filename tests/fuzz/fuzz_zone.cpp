// Zone with arbitrary names, zone files and numbers: a length byte and that
// many bytes as the zone name for Zone::named, or the length byte 255, a
// three-byte length and that many bytes as a compiled zone file for
// Zone::from_tzif (damaged files, as a damaged /usr/share/zoneinfo would
// give); a fuzzed standard offset for german_rules, then calls with
// arbitrary instants and years. Nothing may crash or throw, and what must
// hold for any zone is checked:
// - offsets are finite and within a day;
// - a year's changes are in order, each a real change, read back by at() on
//   either side of its instant, and summer-time days fall within the year;
// - a wall-clock time read back lands on itself or after it (a skipped time),
//   never earlier.
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "base/date_math.h"
#include "zones/zone.h"
#include "fuzz/fuzz_input.h"

namespace {

using vespera::ClockOffset;
using vespera::Zone;

// The engine's years, a little inside their ends so that the checks' own
// arithmetic stays clear of the edges.
constexpr double kInside_jd = 1.19e7;
constexpr double kInsideBefore_jd = -8.49e6;
// No zone name has 255 bytes.
constexpr std::size_t kZoneFileFollows = 255;

std::string text(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

bool inside(double jd) { return jd > kInsideBefore_jd && jd < kInside_jd; }

void check_offset(const ClockOffset& offset, const std::string& what) {
    fuzz::check(std::isfinite(offset.hours) && std::fabs(offset.hours) <= 24.0, what + " hours " + text(offset.hours));
}

std::int64_t year_from(fuzz::Reader& in) {
    switch (in.byte() % 3) {
    case 0: return in.int32();
    case 1: return 1800 + in.byte() + in.byte(); // the years with most changes
    default: return in.raw<std::int64_t>();
    }
}

void check_year(const Zone& zone, std::int64_t year, const std::string& who) {
    const std::string where = who + " year " + std::to_string(year);
    const auto changes = zone.changes_in_year(year);
    double previous = -std::numeric_limits<double>::infinity();
    for (const vespera::ClockChange& change : changes) {
        fuzz::check(change.jd_ut > previous, where + ": changes out of order");
        fuzz::check(!(change.before == change.after), where + ": a change that changes nothing");
        fuzz::check(zone.at(change.jd_ut) == change.after, where + ": at() after " + text(change.jd_ut));
        const double just_before = std::nextafter(change.jd_ut, -std::numeric_limits<double>::infinity());
        fuzz::check(zone.at(just_before) == change.before, where + ": at() before " + text(change.jd_ut));
        previous = change.jd_ut;
    }
    const vespera::SummerTimeDays days = zone.summer_time_days(year);
    if (year < -vespera::kLargestYear || year > vespera::kLargestYear) {
        fuzz::check(changes.empty() && days.start_day == 0 && days.end_day == 0, where + ": outside the engine's years");
        return;
    }
    const std::int64_t first = vespera::day_number(year, 1, 1);
    const std::int64_t after_last = vespera::day_number(year + 1, 1, 1);
    for (const std::int32_t day : {days.start_day, days.end_day}) {
        fuzz::check(day == 0 || (day >= first && day < after_last), where + ": summer-time day " + std::to_string(day));
    }
}

void check_instant(const Zone& zone, double x, const std::string& who) {
    const std::string where = who + " at " + text(x);
    const ClockOffset offset = zone.at(x);
    check_offset(offset, where + " at()");
    check_offset(zone.at_local(x), where + " at_local()");
    const double local = zone.local_jd(x);
    const double ut = zone.ut_of_local(x);
    if (!inside(x)) return;
    fuzz::check(std::fabs(local - x - offset.hours / 24.0) < 1e-6, where + ": local_jd " + text(local));
    // A skipped time moves forward by the gap; every other time reads back exactly.
    const double read_back = zone.local_jd(ut);
    fuzz::check(read_back >= x - 1e-6 && read_back <= x + 1.0, where + ": reads back as " + text(read_back));
}

void exercise(const Zone& zone, fuzz::Reader& in, const std::string& who) {
    for (int call = 0; call < 12 && !in.empty(); ++call) {
        switch (in.byte() % 4) {
        case 0: check_instant(zone, in.real(), who); break;
        case 1: check_instant(zone, 2451545.0 + in.real() * 10.0, who); break; // near today, often
        case 2: check_year(zone, year_from(in), who); break;
        default: {
            const Zone copy = zone; // the engine keeps its zone by value
            const double x = in.real();
            fuzz::check(copy.at(x) == zone.at(x), who + ": a copy answers differently at " + text(x));
            break;
        }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reader in(data, size);
    const std::size_t name_length = in.byte();
    if (name_length == kZoneFileFollows) {
        std::size_t length = 0;
        for (int i = 0; i < 3; ++i) length = length << 8 | in.byte();
        length = std::min(length, in.remaining());
        const std::string_view file(reinterpret_cast<const char*>(data) + (size - in.remaining()), length);
        for (std::size_t i = 0; i < length; ++i) in.byte();
        if (const std::optional<Zone> read = Zone::from_tzif("Fuzz/Datei", file)) exercise(*read, in, "zone file");
    } else {
        std::string name;
        for (std::size_t length = name_length; length > 0 && !in.empty(); --length) name += static_cast<char>(in.byte());
        const std::optional<Zone> named = Zone::named(name);
        if (named) {
            fuzz::check(named->name() == name, "name() of " + name);
            exercise(*named, in, name);
        }
    }
    const Zone german = Zone::german_rules(in.real());
    fuzz::check(german.name().empty(), "german_rules has a name");
    exercise(german, in, "german_rules");
    return 0;
}

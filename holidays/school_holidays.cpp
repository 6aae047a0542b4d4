#include "holidays/school_holidays.h"

#include <algorithm>
#include <optional>

#include "base/data_files.h"
#include "base/date_math.h"
#include "base/regions.h"
#include "base/text.h"

namespace vespera {
namespace {

constexpr std::string_view kCoveredKeyword = "Zeitraum";

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// "JJJJ-MM-TT", a real Gregorian date of the years 1583..9999.
std::optional<std::int64_t> parse_iso_date(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    for (const std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u}) {
        if (!is_digit(text[i])) return std::nullopt;
    }
    const auto number = [&](std::size_t from, std::size_t count) {
        int value = 0;
        for (std::size_t i = from; i < from + count; ++i) value = value * 10 + (text[i] - '0');
        return value;
    };
    return gregorian_day_number(number(0, 4), number(5, 2), number(8, 2));
}

std::vector<std::string_view> split_tabs(std::string_view line) {
    std::vector<std::string_view> fields;
    while (fields.size() < 8) {
        const std::size_t tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) break;
        line.remove_prefix(tab + 1);
    }
    return fields;
}

bool is_clean_name(std::string_view raw) {
    return !raw.empty() && clean_display_line(raw, kMaxSchoolHolidayNameBytes) == raw;
}

void merge_ranges(std::vector<DayRange>& ranges) {
    std::sort(ranges.begin(), ranges.end(),
              [](const DayRange& a, const DayRange& b) { return a.first_day < b.first_day; });
    std::vector<DayRange> merged;
    for (const DayRange& range : ranges) {
        // Adjacent ranges join too: the day after one is the first of the next.
        if (!merged.empty() && range.first_day <= merged.back().last_day + 1) {
            merged.back().last_day = std::max(merged.back().last_day, range.last_day);
        } else {
            merged.push_back(range);
        }
    }
    ranges = std::move(merged);
}

void sort_periods(std::vector<SchoolHolidayPeriod>& periods) {
    std::stable_sort(periods.begin(), periods.end(), [](const SchoolHolidayPeriod& a, const SchoolHolidayPeriod& b) {
        return a.first_day < b.first_day;
    });
}

} // namespace

SchoolHolidayLoad parse_school_holidays(std::string_view text) {
    if (text.size() > kMaxSchoolHolidayFileBytes) {
        return {std::nullopt, "Die Ferientermine-Datei ist größer als 256 KiB."};
    }
    text = without_byte_order_mark(text);
    SchoolHolidayTable table;
    std::size_t rows = 0;
    while (!text.empty()) {
        const std::string_view line = take_line(text);
        if (line.empty() || line.front() == '#') continue;
        if (++rows > kMaxSchoolHolidayRows) {
            ++table.skipped_rows;
            continue;
        }
        const std::vector<std::string_view> fields = split_tabs(line);
        const std::optional<std::int64_t> first = fields.size() == 3 ? parse_iso_date(fields[1]) : std::nullopt;
        const std::optional<std::int64_t> last = fields.size() == 3 ? parse_iso_date(fields[2]) : std::nullopt;
        if (fields.size() == 3 && fields[0] == kCoveredKeyword) {
            if (first && last && *first <= *last) {
                table.covered.push_back({*first, *last});
            } else {
                ++table.skipped_rows;
            }
            continue;
        }
        const std::optional<std::int64_t> start = fields.size() == 3 ? parse_iso_date(fields[0]) : std::nullopt;
        const std::optional<std::int64_t> stop = fields.size() == 3 ? parse_iso_date(fields[1]) : std::nullopt;
        if (!start || !stop || *stop < *start || *stop - *start >= kMaxSchoolHolidayDays ||
            !is_clean_name(fields[2])) {
            ++table.skipped_rows;
            continue;
        }
        table.periods.push_back({*start, *stop, std::string(fields[2])});
    }
    if (table.covered.empty()) {
        return {std::nullopt, "Die Ferientermine-Datei nennt keinen Zeitraum, für den sie gilt."};
    }
    merge_ranges(table.covered);
    sort_periods(table.periods);
    return {std::move(table), {}};
}

std::span<const std::string_view> school_holiday_files() {
    // The files in data/ferien/; the Austrian ones hold only the years a state
    // deviated from the law.
    static constexpr std::string_view kFiles[] = {
        "DE-BW", "DE-BY", "DE-BE", "DE-BB", "DE-HB", "DE-HH", "DE-HE", "DE-MV", "DE-NI", "DE-NW", "DE-RP",
        "DE-SL", "DE-SN", "DE-ST", "DE-SH", "DE-TH", "CH-AG", "CH-AI", "CH-AR", "CH-BE", "CH-BL", "CH-BS",
        "CH-FR", "CH-GE", "CH-GL", "CH-JU", "CH-LU", "CH-NE", "CH-NW", "CH-OW", "CH-SG", "CH-SH", "CH-SZ",
        "CH-TG", "CH-TI", "CH-UR", "CH-VD", "CH-VS", "CH-ZG", "CH-ZH", "LI",    "AT-4",  "AT-5",  "AT-6",
        "AT-7",  "AT-8"};
    return kFiles;
}

SchoolHolidayLoad load_school_holidays(std::string_view region_code) {
    // Only the listed codes make a file name: nothing else reaches the path.
    const std::span<const std::string_view> files = school_holiday_files();
    if (std::find(files.begin(), files.end(), region_code) == files.end()) {
        return {std::nullopt, "Für diese Region gibt es keine Schulferien-Datei."};
    }
    const std::string name = "ferien/" + std::string(region_code) + ".tsv";
    const std::filesystem::path path = data_file(name);
    if (path.empty()) return {std::nullopt, "Die Datei " + name + " fehlt."};
    const std::optional<std::string> content = read_regular_file(path, kMaxSchoolHolidayFileBytes);
    if (!content) return {std::nullopt, "Die Datei " + name + " kann nicht gelesen werden oder ist zu groß."};
    return parse_school_holidays(*content);
}

const SchoolHolidayPeriod* school_holiday_period(const SchoolHolidayTable& table, std::int64_t day) {
    for (const SchoolHolidayPeriod& period : table.periods) {
        if (period.first_day > day) break;
        if (day <= period.last_day) return &period;
    }
    return nullptr;
}

std::string_view school_holiday_name(const SchoolHolidayTable& table, std::int64_t day) {
    const SchoolHolidayPeriod* period = school_holiday_period(table, day);
    return period ? std::string_view(period->name) : std::string_view();
}

bool covers_year(const SchoolHolidayTable& table, std::int64_t year) {
    const std::int64_t first = day_number(year, 1, 1);
    const std::int64_t last = day_number(year, 12, 31);
    for (const DayRange& range : table.covered) {
        if (range.first_day <= first && last <= range.last_day) return true;
    }
    return false;
}

void merge_imported(SchoolHolidayTable& table, std::span<const SchoolHolidayPeriod> imported) {
    std::vector<SchoolHolidayPeriod> once;
    std::optional<DayRange> span;
    for (const SchoolHolidayPeriod& period : imported) {
        if (period.from_rule) continue;
        once.push_back(period);
        span = span ? DayRange{std::min(span->first_day, period.first_day), std::max(span->last_day, period.last_day)}
                    : DayRange{period.first_day, period.last_day};
    }
    if (span) replace_span(table, span->first_day, span->last_day, once);
    for (const SchoolHolidayPeriod& period : imported) {
        if (period.from_rule) replace_span(table, period.first_day, period.last_day, {&period, 1}, false);
    }
}

void replace_span(SchoolHolidayTable& table, std::int64_t span_first, std::int64_t span_last,
                  std::span<const SchoolHolidayPeriod> imported, bool covers) {
    std::vector<SchoolHolidayPeriod> kept;
    for (SchoolHolidayPeriod& period : table.periods) {
        if (period.last_day < span_first || period.first_day > span_last) {
            kept.push_back(std::move(period));
            continue;
        }
        if (period.first_day < span_first) kept.push_back({period.first_day, span_first - 1, period.name});
        if (period.last_day > span_last) kept.push_back({span_last + 1, period.last_day, period.name});
    }
    kept.insert(kept.end(), imported.begin(), imported.end());
    table.periods = std::move(kept);
    sort_periods(table.periods);
    if (!covers) return;
    table.covered.push_back({span_first, span_last});
    merge_ranges(table.covered);
}

} // namespace vespera

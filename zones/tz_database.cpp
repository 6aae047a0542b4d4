#include "zones/tz_database.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "base/data_files.h"
#include "zones/tzif_file.h"

namespace vespera::tzdb {

// A zone read from its own file. A file the reader declines is no zone: it
// never goes to another reader that trusts its counts and indices.
struct TzZone {
    std::vector<TzifTransition> transitions;
};

namespace {

// The system's compiled zone files (Debian's tzdata).
constexpr std::string_view kZoneInfoDir = "/usr/share/zoneinfo";
// The longest name in the database has 32 characters.
constexpr std::size_t kLongestName = 64;
// A zone's history opens in the year -32767 and closes at the end of 32767
// (kTzifOpenStart_s, kTzifOpenEnd_s); anything beyond ±31000 (past the
// engine's years) is that mark.
constexpr std::int64_t kSecondsPerYear = 31556952; // mean Gregorian year
constexpr std::int64_t kOpenBefore_s = (-31000 - 1970) * kSecondsPerYear;
constexpr std::int64_t kOpenAfter_s = (31000 - 1970) * kSecondsPerYear;
constexpr std::int64_t kLargestOffset_s = 2 * 86400;

constexpr std::array<std::string_view, 10> kAreas = {
    "Africa/", "America/", "Antarctica/", "Arctic/", "Asia/",
    "Atlantic/", "Australia/", "Europe/", "Indian/", "Pacific/",
};

bool is_name_character(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' ||
           c == '_' || c == '-' || c == '+';
}

// Names are paths below the zone folder: no dots, so no way out of it.
bool is_well_formed(std::string_view name) {
    if (name.empty() || name.size() > kLongestName || name.front() == '/' || name.back() == '/') return false;
    char previous = 0;
    for (const char c : name) {
        if (!is_name_character(c) || (c == '/' && previous == '/')) return false;
        previous = c;
    }
    // "localtime" links to the machine's own zone, which the database does not name.
    return name != "localtime";
}

// The list of zones leaves out these entries of the zone folder, at any
// depth: "posix" and "right" hold the same zones again, "Factory" is no place.
bool is_listed_name(std::string_view name) {
    constexpr std::array<std::string_view, 5> kLeftOut = {"Factory", "right", "+VERSION", "version", "leapseconds"};
    while (!name.empty()) {
        const std::size_t slash = name.find('/');
        const std::string_view part = name.substr(0, slash);
        if (part.starts_with("posix") || std::find(kLeftOut.begin(), kLeftOut.end(), part) != kLeftOut.end()) {
            return false;
        }
        if (slash == std::string_view::npos) break;
        name.remove_prefix(slash + 1);
    }
    return true;
}

// The largest zone file has some 4 kB.
constexpr std::size_t kMaxZoneFileBytes = 1u << 20;

} // namespace

std::shared_ptr<const TzZone> zone_from_tzif(std::string_view bytes) {
    std::optional<std::vector<TzifTransition>> transitions = parse_tzif(bytes);
    if (!transitions) return nullptr;
    return std::make_shared<const TzZone>(TzZone{std::move(*transitions)});
}

std::shared_ptr<const TzZone> find_zone(std::string_view name) {
    if (!is_well_formed(name) || !is_listed_name(name)) return nullptr;
    const std::optional<std::string> bytes =
        read_regular_file(std::string(kZoneInfoDir) + "/" + std::string(name), kMaxZoneFileBytes);
    if (!bytes) return nullptr;
    return zone_from_tzif(*bytes);
}

std::optional<RawInterval> raw_interval(const TzZone& zone, std::int64_t unix_s) {
    if (unix_s <= kOpenBefore_s || unix_s >= kOpenAfter_s) return std::nullopt;
    const std::vector<TzifTransition>& transitions = zone.transitions;
    // The last transition at or before the second.
    const auto next = std::upper_bound(transitions.begin(), transitions.end(), unix_s,
                                       [](std::int64_t s, const TzifTransition& t) { return s < t.at_s; });
    if (next == transitions.begin()) return std::nullopt;
    const TzifTransition& in_force = *std::prev(next);
    const std::int64_t end_s = next == transitions.end() ? kTzifOpenEnd_s : next->at_s;
    if (in_force.offset_s < -kLargestOffset_s || in_force.offset_s > kLargestOffset_s) return std::nullopt;
    return RawInterval{in_force.at_s, end_s, in_force.offset_s, in_force.dst, in_force.at_s <= kOpenBefore_s,
                       end_s >= kOpenAfter_s};
}

std::vector<std::string> canonical_names() {
    // Debian installs the database's links (old and moved names) as symbolic
    // links, its zones as files.
    std::vector<std::string> names;
    const std::filesystem::path root{std::string(kZoneInfoDir)};
    for (const std::string_view area : kAreas) {
        std::error_code error;
        std::filesystem::recursive_directory_iterator entry(root / area.substr(0, area.size() - 1), error);
        for (; !error && entry != std::filesystem::recursive_directory_iterator(); entry.increment(error)) {
            std::error_code kind_error;
            if (!entry->is_regular_file(kind_error) || entry->is_symlink(kind_error)) continue;
            const std::string name = entry->path().lexically_relative(root).generic_string();
            if (is_well_formed(name) && is_listed_name(name)) names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace vespera::tzdb

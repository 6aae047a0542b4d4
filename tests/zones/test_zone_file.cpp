// Zones read from their own file must give what the date library gives for
// the same file: the same names held, and the same intervals.
#include <gtest/gtest.h>

#include <date/tz.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "zones/tz_database.h"
#include "zones/tzif_file.h"
#include "zones/zone.h"

namespace {

constexpr const char* kZoneInfo = "/usr/share/zoneinfo";

struct Worst {
    std::string what;
    int mismatches = 0;
};

TEST(ZoneFile, EveryZoneOfTheLibraryGivesTheLibrarysIntervals) {
    Worst worst;
    int zones = 0;
    for (const date::time_zone& library : date::get_tzdb().zones) {
        const std::string name = library.name();
        if (name == "localtime") continue; // the engine never opens the machine's own zone
        const std::shared_ptr<const vespera::tzdb::TzZone> own = vespera::tzdb::find_zone(name);
        ASSERT_NE(own, nullptr) << name;
        ++zones;
        // Every 13 days from 1850 to 2050, then every year up to 2500 and back to 1000.
        std::vector<std::int64_t> instants;
        for (std::int64_t s = -3786825600; s < 2524608000; s += 13 * 86400 + 3607) instants.push_back(s);
        for (std::int64_t s = -30610224000; s < 16725225600; s += 365 * 86400 + 17) instants.push_back(s);
        for (const std::int64_t unix_s : instants) {
            const date::sys_info expected = library.get_info(date::sys_seconds{std::chrono::seconds{unix_s}});
            const std::optional<vespera::tzdb::RawInterval> got = vespera::tzdb::raw_interval(*own, unix_s);
            const bool same = got && got->begin_s == expected.begin.time_since_epoch().count() &&
                              got->end_s == expected.end.time_since_epoch().count() &&
                              got->offset_s == expected.offset.count() &&
                              got->dst_flag == (expected.save != std::chrono::minutes{0});
            if (!same && worst.mismatches++ == 0) worst.what = name + " at " + std::to_string(unix_s);
        }
    }
    EXPECT_GT(zones, 300);
    EXPECT_EQ(worst.mismatches, 0) << "first: " << worst.what;
}

TEST(ZoneFile, HoldsTheNamesTheLibraryHolds) {
    std::set<std::string> held;
    for (const date::time_zone& zone : date::get_tzdb().zones) held.insert(zone.name());
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kZoneInfo)) {
        if (!entry.is_regular_file()) continue;
        const std::string name = std::filesystem::relative(entry.path(), kZoneInfo).string();
        if (name == "localtime") continue;
        ++files;
        const bool own = vespera::tzdb::find_zone(name) != nullptr;
        // Names with a dot (zone.tab) never pass the engine's name check.
        const bool expected = held.count(name) > 0 && name.find('.') == std::string::npos;
        EXPECT_EQ(own, expected) << name;
    }
    EXPECT_GT(files, 600);
}

// The chooser's list, read from the folder, is the library's list of zones
// in the areas without the links.
TEST(ZoneFile, CanonicalNamesAreTheLibrarysZonesThatAreFiles) {
    const std::string areas[] = {"Africa/", "America/", "Antarctica/", "Arctic/", "Asia/",
                                 "Atlantic/", "Australia/", "Europe/", "Indian/", "Pacific/"};
    std::vector<std::string> expected;
    for (const date::time_zone& zone : date::get_tzdb().zones) {
        const std::string name = zone.name();
        const bool in_area = std::any_of(std::begin(areas), std::end(areas),
                                         [&](const std::string& area) { return name.starts_with(area); });
        if (in_area && !std::filesystem::is_symlink(std::string(kZoneInfo) + "/" + name)) expected.push_back(name);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_GT(expected.size(), 300u);
    EXPECT_EQ(vespera::tzdb::canonical_names(), expected);
}

TEST(ZoneFile, DamagedFilesAreRefused) {
    std::string berlin;
    {
        std::FILE* file = std::fopen("/usr/share/zoneinfo/Europe/Berlin", "rb");
        ASSERT_NE(file, nullptr);
        char buffer[4096];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) berlin.append(buffer, got);
        std::fclose(file);
    }
    ASSERT_TRUE(vespera::tzdb::parse_tzif(berlin).has_value());
    // Cut anywhere inside the 64-bit block, the file is refused, not misread.
    for (std::size_t size = 0; size + 1 < berlin.size(); size += 37) {
        const auto parsed = vespera::tzdb::parse_tzif(std::string_view(berlin).substr(0, size));
        // Only a cut in the footer (the rule text after the data) still reads.
        if (parsed) {
            EXPECT_GT(size, berlin.size() - 40) << size;
        }
    }
    std::string bad_type = berlin;
    bad_type[4] = '1'; // version 1: no 64-bit data
    EXPECT_FALSE(vespera::tzdb::parse_tzif(bad_type).has_value());

    // Files the reader declines are no zone: they once went on to the date
    // library, which trusts a file's counts and indices (a type index of 200
    // overflowed its heap; a count of 0x7fffffff asked for 32 GB).
    const auto be32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(berlin[at])) << 24 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(berlin[at + 1])) << 16 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(berlin[at + 2])) << 8 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(berlin[at + 3]));
    };
    // RFC 8536, 3.1: six counts after 20 bytes; the 64-bit header follows the 32-bit data.
    const std::uint32_t isut = be32(20), isstd = be32(24), leap = be32(28), time = be32(32), type = be32(36),
                        chars = be32(40);
    const std::size_t second_header = 44 + time * 5 + type * 6 + chars + leap * 8 + isstd + isut;
    const std::size_t first_index = second_header + 44 + be32(second_header + 32) * 8;
    std::string index_200 = berlin, count_huge = berlin, offset_47h = berlin;
    index_200[first_index] = static_cast<char>(200);
    for (int i = 0; i < 4; ++i) count_huge[second_header + 32 + i] = i == 0 ? '\x7f' : '\xff';
    // The first type's offset, 47 hours (fuzzing found it read as a clock).
    const std::size_t first_type = first_index + be32(second_header + 32);
    for (int i = 0; i < 4; ++i) offset_47h[first_type + i] = static_cast<char>((47 * 3600) >> (24 - 8 * i) & 0xFF);
    for (const std::string& damaged : {bad_type, index_200, count_huge, offset_47h}) {
        EXPECT_FALSE(vespera::Zone::from_tzif("Europe/Berlin", damaged).has_value());
    }
    EXPECT_TRUE(vespera::Zone::from_tzif("Europe/Berlin", berlin).has_value());
}

TEST(ZoneFile, KnownNamesAreTheLibrarysCanonicalZones) {
    // The library's zones in the ten areas of the chooser, without the links.
    const auto in_an_area = [](const std::string& name) {
        for (const char* area : {"Africa/", "America/", "Antarctica/", "Arctic/", "Asia/", "Atlantic/", "Australia/",
                                 "Europe/", "Indian/", "Pacific/"}) {
            if (name.starts_with(area)) return true;
        }
        return false;
    };
    std::vector<std::string> expected;
    for (const date::time_zone& zone : date::get_tzdb().zones) {
        const std::string name(zone.name());
        std::error_code error;
        if (in_an_area(name) && !std::filesystem::is_symlink(std::string(kZoneInfo) + "/" + name, error)) {
            expected.push_back(name);
        }
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(vespera::Zone::known_names(), expected);
}

} // namespace

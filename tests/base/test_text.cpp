// The one UTF-8 decoder, the number reader and the date check that every
// input surface shares (settings, gazetteer, school holidays, iCalendar,
// command line), and the order in which the region box lists its choices.
#include <gtest/gtest.h>

#include <string_view>

#include "base/date_math.h"
#include "base/regions.h"
#include "base/text.h"

namespace {

TEST(Utf8, WellFormedSequencesOnly) {
    // RFC 3629, section 3 and 4: the table of well-formed byte sequences.
    struct Case {
        std::string_view bytes;
        char32_t code_point;
        std::size_t size;
    };
    const Case cases[] = {
        {"A", U'A', 1},
        {"\xC3\xA4", U'ä', 2},
        {"\xE2\x80\x93", U'–', 3},
        {"\xF0\x9F\x8C\x99", U'\U0001F319', 4},
        {"\xF4\x8F\xBF\xBF", U'\U0010FFFF', 4},
        {"\xC0\xAF", 0, 0},         // overlong "/"
        {"\xE0\x80\xAF", 0, 0},     // overlong "/"
        {"\xF0\x80\x80\xAF", 0, 0}, // overlong "/"
        {"\xED\xA0\x80", 0, 0},     // a surrogate
        {"\xF4\x90\x80\x80", 0, 0}, // beyond U+10FFFF
        {"\xF5\x80\x80\x80", 0, 0},
        {"\xC3", 0, 0},             // cut off at the end
        {"\xE2\x80", 0, 0},
        {"\xC3\x28", 0, 0},         // no continuation byte
        {"\x80", 0, 0},             // a continuation byte alone
    };
    for (const Case& c : cases) {
        const vespera::Utf8Char got = vespera::decode_utf8(c.bytes, 0);
        EXPECT_EQ(got.size, c.size) << c.bytes;
        if (c.size != 0) {
            EXPECT_EQ(static_cast<std::uint32_t>(got.code_point), static_cast<std::uint32_t>(c.code_point)) << c.bytes;
        }
    }
}

TEST(Text, WholeNumbersAndLines) {
    EXPECT_EQ(vespera::whole_number("-44", true), -44);
    EXPECT_EQ(vespera::whole_number("+7", true), 7);
    EXPECT_FALSE(vespera::whole_number("-44", false));
    EXPECT_FALSE(vespera::whole_number("", true));
    EXPECT_FALSE(vespera::whole_number("-", true));
    EXPECT_FALSE(vespera::whole_number("1e3", true));
    // Any run of digits stays a plain number beyond every year.
    const std::optional<std::int64_t> long_run = vespera::whole_number("99999999999999999999999", false);
    ASSERT_TRUE(long_run);
    EXPECT_GE(*long_run, 1'000'000'000'000);
    EXPECT_LT(*long_run, 100'000'000'000'000);

    std::string_view rest = vespera::without_byte_order_mark("\xEF\xBB\xBFone\r\ntwo\n\nthree");
    EXPECT_EQ(vespera::take_line(rest), "one");
    EXPECT_EQ(vespera::take_line(rest), "two");
    EXPECT_EQ(vespera::take_line(rest), "");
    EXPECT_EQ(vespera::take_line(rest), "three");
    EXPECT_TRUE(rest.empty());
}

TEST(DateCheck, GregorianDatesOfTheFiles) {
    EXPECT_EQ(vespera::gregorian_day_number(2000, 1, 1), 2451545);
    EXPECT_TRUE(vespera::gregorian_day_number(2000, 2, 29));
    EXPECT_FALSE(vespera::gregorian_day_number(1900, 2, 29)); // no leap year in the Gregorian calendar
    EXPECT_TRUE(vespera::gregorian_day_number(2024, 12, 31));
    EXPECT_FALSE(vespera::gregorian_day_number(2024, 4, 31));
    EXPECT_FALSE(vespera::gregorian_day_number(2024, 13, 1));
    EXPECT_FALSE(vespera::gregorian_day_number(2024, 1, 0));
    EXPECT_FALSE(vespera::gregorian_day_number(1582, 12, 1)); // the civil calendar is Gregorian from 1583 on
}

TEST(Regions, HolidayChoicesByName) {
    const auto codes = vespera::holiday_region_codes();
    const std::string_view expected[] = {"DE-BW", "DE-BY", "DE-BE", "DE-BB", "DE-HB", "DE-HH", "DE-HE",
                                         "DE-MV", "DE-NI", "DE-NW", "DE-RP", "DE-SL", "DE-SN", "DE-ST",
                                         "DE-SH", "DE-TH", "DE",    "AT",    "AT-1",  "AT-2"};
    ASSERT_EQ(codes.size(), 16u + 1 + 1 + 9 + 1 + 26 + 3);
    for (std::size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(codes[i], expected[i]) << i;
    EXPECT_EQ(codes[27], "CH");
    EXPECT_EQ(codes[28], "CH-AG");         // Aargau
    EXPECT_EQ(codes[54], "LI");
    EXPECT_EQ(codes.back(), "IT-32-BZ");
    EXPECT_TRUE(vespera::is_german_state("DE-TH"));
    EXPECT_FALSE(vespera::is_german_state("DE"));
    EXPECT_FALSE(vespera::is_german_state("de-by"));
}

} // namespace

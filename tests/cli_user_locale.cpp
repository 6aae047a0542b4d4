// The window runs under the user's locale (Qt takes it from LANG), and so do
// the reports it shares with the command line: this program takes the
// locale its environment names, and ctest runs it under C and under German.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string_view>

namespace {

const char* const kLocaleTaken = std::setlocale(LC_ALL, "");

// A German run on a machine without the German locale would pass in "C".
TEST(Locale, TheEnvironmentsLocaleIsInForce) {
    const char* wanted = std::getenv("LC_ALL");
    if (wanted == nullptr || std::string_view(wanted).empty()) GTEST_SKIP() << "LC_ALL not set";
    ASSERT_NE(kLocaleTaken, nullptr) << "locale " << wanted << " missing (locale-gen)";
    if (std::string_view(wanted).starts_with("de_DE")) {
        EXPECT_EQ(*std::localeconv()->decimal_point, ',');
    }
}

} // namespace

// Number texts under the user's locale: the window runs with Qt's
// setlocale(LC_ALL, ""), so under de_DE.UTF-8 printf writes "1,5" and strtod
// stops at a '.'; the texts must come out the same as under "C".
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "base/number_text.h"

namespace {

class GermanNumeric {
public:
    GermanNumeric() : before_(std::setlocale(LC_NUMERIC, nullptr)) {
        found_ = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    }
    ~GermanNumeric() { std::setlocale(LC_NUMERIC, before_.c_str()); }
    bool found() const { return found_; }

private:
    std::string before_;
    bool found_ = false;
};

std::vector<std::string> texts() {
    return {vespera::fixed(1.5, 1, '.'),
            vespera::fixed(-0.04, 1, ','), // rounds to zero: no sign
            vespera::fixed(152054253.6, 1, ','),
            vespera::general(0.000123, '.'),
            vespera::general(2461129.5, ','),
            vespera::fixed(vespera::round_half_even(0.125, 2) * 1000.0, 3, '.')};
}

TEST(NumberText, SameUnderAGermanLocale) {
    const std::vector<std::string> in_c = texts();
    EXPECT_EQ(in_c[0], "1.5");
    EXPECT_EQ(in_c[1], "0,0");
    const GermanNumeric german;
    if (!german.found()) GTEST_SKIP() << "de_DE.UTF-8 not generated";
    EXPECT_EQ(texts(), in_c);
}

} // namespace

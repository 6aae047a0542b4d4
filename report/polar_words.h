// In words what the signs of a day without a rise, set or twilight mean:
// "****" (stays above all day) and "...." (stays below), for the day
// report, the sun table and whatever prints them.
#pragma once

#include <string_view>

#include "report/typed_value.h"

namespace vespera::report {

enum class SignSubject { Sun, Twilight, Moon };

struct SignWords {
    std::string_view name;   // "Polartag"; empty for the Moon
    std::string_view clause; // "die Sonne geht nicht unter"
};

// For AlwaysAbove and AlwaysBelow; empty words for the other statuses.
SignWords sign_words(SignSubject subject, EventStatus status);

} // namespace vespera::report

// A large address book as own dates: 10,000 yearly birthdays and
// anniversaries, for the benchmarks of the store and of the window.
#pragma once

#include "own_dates/calendar_file.h"

namespace vespera::bench {

inline constexpr int kAddressBookDates = 10000;

own_dates::OwnDateFile address_book();

} // namespace vespera::bench

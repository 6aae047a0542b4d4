// Birthdays and anniversaries from address books: vCard 4.0 (RFC 6350) and
// 3.0 (RFC 2426). Only what an own date needs is read (UID, FN, N, BDAY,
// ANNIVERSARY and the common X-ANNIVERSARY); everything else is passed over
// unread, photos included.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/ical_reader.h"

namespace vespera::own_dates {

inline constexpr std::size_t kMaxVcardBytes = 32 * 1024 * 1024; // an address book with photos
inline constexpr std::size_t kMaxVcards = 50000;
inline constexpr std::size_t kMaxVcardLineBytes = 64 * 1024; // for the properties read

struct CardDate {
    std::optional<std::int64_t> year; // none: "--0415"
    std::int32_t month = 0;
    std::int32_t day = 0;
    friend bool operator==(const CardDate&, const CardDate&) = default;
};

struct Card {
    std::string uid;
    std::string name; // FN, else the given and family names of N; may be empty
    std::optional<CardDate> birthday;
    std::optional<CardDate> anniversary;
};

struct CardRead {
    std::string error;       // German, when the file as a whole cannot be read
    std::vector<Card> cards; // those with a birthday or an anniversary
    std::vector<ical::Refusal> refused;
    std::size_t without_dates = 0; // cards with neither
};

CardRead read_vcards(std::string_view bytes);

// A BDAY or ANNIVERSARY value: "19850415", "1985-04-15", "--0415",
// "--04-15", each optionally with a time after "T". Nothing for a value
// without a day and month ("1985", "---15") or a day that does not exist.
std::optional<CardDate> parse_card_date(std::string_view value);

} // namespace vespera::own_dates

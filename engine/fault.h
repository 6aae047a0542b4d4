// Run-time faults of the engine: thrown by the checked helpers below, caught by
// the per-member guard of clsCalendar, which restores the fields and reports
// them in the classic numbered form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <source_location>
#include <string>
#include <string_view>

namespace vespera {

enum class FaultCode : int {
    InvalidCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
};

struct EngineFault {
    FaultCode code;
    std::uint_least32_t line;
};

[[noreturn]] void raise_fault(FaultCode code,
                              std::source_location where = std::source_location::current());

std::string_view fault_description(FaultCode code);

// "Error 9 (Subscript out of range), line 12  in procedure X of Klassenmodul clsCalendar"
std::string fault_message(const EngineFault& fault, std::string_view procedure);

// Narrowing to a 32-bit Long; anything outside is an overflow.
std::int32_t to_long(std::int64_t value,
                     std::source_location where = std::source_location::current());

// Narrowing to a 16-bit Integer.
std::int16_t to_integer(std::int64_t value,
                        std::source_location where = std::source_location::current());

// CLng: nearest whole number, halves to even; NaN, infinities and values
// beyond 32 bits are an overflow.
std::int32_t round_to_long(double value,
                           std::source_location where = std::source_location::current());

// Bounds check of a table index.
std::size_t checked_index(std::int64_t index, std::size_t size,
                          std::source_location where = std::source_location::current());

// Index check for tables that start at `first` (for example days of the year 1..366).
std::size_t checked_index(std::int64_t index, std::int64_t first, std::int64_t last,
                          std::source_location where = std::source_location::current());

} // namespace vespera

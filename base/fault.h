// Run-time faults of the engine: thrown by the checked helpers below, caught by
// the per-member guard of clsCalendar, which restores the fields and reports
// them in the classic numbered form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <version>
#if defined(__cpp_lib_source_location)
#include <source_location>
#endif

namespace vespera {

// The line a fault was raised on. clang 14 with libstdc++ 12 (the fuzzing
// build) lacks the builtin behind std::source_location; __builtin_LINE() in a
// default argument gives the caller's line there as well.
#if defined(__cpp_lib_source_location)
using SourceLine = std::source_location;
#else
class SourceLine {
public:
    static constexpr SourceLine current(std::uint_least32_t line = __builtin_LINE()) noexcept {
        return SourceLine(line);
    }
    constexpr std::uint_least32_t line() const noexcept { return line_; }

private:
    constexpr explicit SourceLine(std::uint_least32_t line) noexcept : line_(line) {}
    std::uint_least32_t line_;
};
#endif

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
    const char* procedure = nullptr; // the member it arose in; set by the member's guard
};

[[noreturn]] void raise_fault(FaultCode code,
                              SourceLine where = SourceLine::current());

std::string_view fault_description(FaultCode code);

// "Error 9 (Subscript out of range), line 12  in procedure X of Klassenmodul clsCalendar"
std::string fault_message(const EngineFault& fault, std::string_view procedure);

// Narrowing to a 32-bit Long; anything outside is an overflow.
std::int32_t to_long(std::int64_t value,
                     SourceLine where = SourceLine::current());

// Narrowing to a 16-bit Integer.
std::int16_t to_integer(std::int64_t value,
                        SourceLine where = SourceLine::current());

// CLng: nearest whole number, halves to even; NaN, infinities and values
// beyond 32 bits are an overflow.
std::int32_t round_to_long(double value,
                           SourceLine where = SourceLine::current());

// Bounds check of a table index.
std::size_t checked_index(std::int64_t index, std::size_t size,
                          SourceLine where = SourceLine::current());

// Index check for tables that start at `first` (for example days of the year 1..366).
std::size_t checked_index(std::int64_t index, std::int64_t first, std::int64_t last,
                          SourceLine where = SourceLine::current());

} // namespace vespera

#include "base/fault.h"

#include <cmath>
#include <limits>

#include "base/number_text.h"

namespace vespera {

void raise_fault(FaultCode code, SourceLine where) {
    throw EngineFault{code, where.line()};
}

std::string_view fault_description(FaultCode code) {
    switch (code) {
    case FaultCode::InvalidCall: return "Invalid procedure call or argument";
    case FaultCode::Overflow: return "Overflow";
    case FaultCode::SubscriptOutOfRange: return "Subscript out of range";
    case FaultCode::DivisionByZero: return "Division by zero";
    case FaultCode::TypeMismatch: return "Type mismatch";
    }
    return "Application-defined or object-defined error";
}

std::string fault_message(const EngineFault& fault, std::string_view procedure) {
    std::string text = "Error ";
    text += std::to_string(static_cast<int>(fault.code));
    text += " (";
    text += fault_description(fault.code);
    text += "), line ";
    text += std::to_string(fault.line);
    text += "  in procedure ";
    text += procedure;
    text += " of Klassenmodul clsCalendar";
    return text;
}

std::int32_t to_long(std::int64_t value, SourceLine where) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        raise_fault(FaultCode::Overflow, where);
    }
    return static_cast<std::int32_t>(value);
}

std::int16_t to_integer(std::int64_t value, SourceLine where) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        raise_fault(FaultCode::Overflow, where);
    }
    return static_cast<std::int16_t>(value);
}

std::int32_t round_to_long(double value, SourceLine where) {
    // Checked before rounding so that NaN and huge values never reach a cast.
    if (!(value > -2147483648.5 && value < 2147483647.5)) {
        raise_fault(FaultCode::Overflow, where);
    }
    const double rounded = round_half_even(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) {
        raise_fault(FaultCode::Overflow, where);
    }
    return static_cast<std::int32_t>(rounded);
}

std::size_t checked_index(std::int64_t index, std::size_t size, SourceLine where) {
    if (index < 0 || static_cast<std::uint64_t>(index) >= size) {
        raise_fault(FaultCode::SubscriptOutOfRange, where);
    }
    return static_cast<std::size_t>(index);
}

std::size_t checked_index(std::int64_t index, std::int64_t first, std::int64_t last,
                          SourceLine where) {
    if (index < first || index > last) {
        raise_fault(FaultCode::SubscriptOutOfRange, where);
    }
    return static_cast<std::size_t>(index - first);
}

} // namespace vespera

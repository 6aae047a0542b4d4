// Decoding of fuzz input shared by the fuzz targets: numbers from the bytes,
// biased toward the values where the program changes behaviour, and a way to
// stop with a message when a check fails.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace fuzz {

[[noreturn]] inline void fail(const std::string& what) {
    std::fprintf(stderr, "\n==FUZZ CHECK FAILED== %s\n", what.c_str());
    std::abort();
}

inline void check(bool ok, const std::string& what) {
    if (!ok) fail(what);
}

// Reads from the front; an exhausted input yields zeros.
class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }
    std::size_t remaining() const { return size_ - pos_; }

    std::uint8_t byte() { return empty() ? 0 : data_[pos_++]; }

    // Up to `max` raw bytes, as many as the next byte says.
    std::string text(std::size_t max) {
        const std::size_t length = std::min<std::size_t>(byte(), max);
        std::string out;
        for (std::size_t i = 0; i < length && !empty(); ++i) out += static_cast<char>(byte());
        return out;
    }

    template <class T>
    T raw() {
        unsigned char bytes[sizeof(T)] = {};
        for (auto& b : bytes) b = byte();
        T value;
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

    // A 32-bit value: a boundary value, a small number, any bit pattern, or
    // a boundary value moved a little.
    std::int32_t int32() {
        static constexpr std::array<std::int32_t, 24> kSpecial = {
            0,      1,      -1,     2,      12,      13,     99,         27968,
            27969,  -27968, -27969, 1582,   2024,    1900,   2299161,    2451545,
            366,    367,    72,     73,     std::numeric_limits<std::int32_t>::max(),
            std::numeric_limits<std::int32_t>::min(), 51,    54};
        const std::uint8_t kind = byte();
        switch (kind % 4) {
        case 0: return kSpecial[(kind / 4u) % kSpecial.size()];
        case 1: return static_cast<std::int8_t>(byte());
        case 2: return raw<std::int32_t>();
        default: {
            const std::int32_t base = kSpecial[(kind / 4u) % kSpecial.size()];
            const std::int64_t moved = std::int64_t{base} + static_cast<std::int8_t>(byte());
            return static_cast<std::int32_t>(
                std::clamp<std::int64_t>(moved, std::numeric_limits<std::int32_t>::min(),
                                         std::numeric_limits<std::int32_t>::max()));
        }
        }
    }

    std::int16_t int16() {
        static constexpr std::array<std::int16_t, 12> kSpecial = {
            0, 1, -1, 2, 10, 11, 12, 13, 2024, 1582, std::numeric_limits<std::int16_t>::max(),
            std::numeric_limits<std::int16_t>::min()};
        const std::uint8_t kind = byte();
        switch (kind % 3) {
        case 0: return kSpecial[(kind / 3u) % kSpecial.size()];
        case 1: return static_cast<std::int8_t>(byte());
        default: return raw<std::int16_t>();
        }
    }

    // A double: a special value (NaN, infinities, extremes, boundaries), an
    // ordinary angle or hour, a whole day number, or any bit pattern.
    double real() {
        static constexpr double kInf = std::numeric_limits<double>::infinity();
        static const std::array<double, 24> kSpecial = {
            0.0,       -0.0,     std::numeric_limits<double>::quiet_NaN(),
            kInf,      -kInf,    std::numeric_limits<double>::max(),
            -std::numeric_limits<double>::max(),
            std::numeric_limits<double>::denorm_min(),
            90.0,      -90.0,    180.0,   -180.0,  360.0,     24.0,   -24.0,    1.0,
            2451545.0, 2299160.5, 2147483647.5, -2147483648.5, 1e15,  -1e15,    1e300,   66.56};
        const std::uint8_t kind = byte();
        switch (kind % 4) {
        case 0: return kSpecial[(kind / 4u) % kSpecial.size()];
        case 1: return static_cast<double>(raw<std::int16_t>()) / 100.0;
        case 2: return static_cast<double>(raw<std::int32_t>());
        default: return raw<double>();
        }
    }

    bool flag() { return (byte() & 1u) != 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Whether `text` is well-formed UTF-8.
inline bool valid_utf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        if (c < 0x80) extra = 0;
        else if ((c & 0xE0) == 0xC0 && c >= 0xC2) extra = 1;
        else if ((c & 0xF0) == 0xE0) extra = 2;
        else if ((c & 0xF8) == 0xF0 && c <= 0xF4) extra = 3;
        else return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            if (i + k >= text.size()) return false;
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += extra + 1;
    }
    return true;
}

} // namespace fuzz

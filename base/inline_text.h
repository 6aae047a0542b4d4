// Text kept inside a table's row instead of behind a pointer. A constexpr
// table of pointers is relocated by the loader at every start, each of its
// pages copied; rows of inline text stay in read-only pages until read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vespera {

template <std::size_t Capacity_bytes>
class InlineText {
    static_assert(Capacity_bytes < 256, "the length is kept in one byte");

public:
    // From a literal: a longer one does not compile.
    template <std::size_t N>
    consteval InlineText(const char (&text)[N]) : size_(static_cast<std::uint8_t>(N - 1)) {
        static_assert(N - 1 <= Capacity_bytes, "the text is longer than the row holds");
        for (std::size_t i = 0; i + 1 < N; ++i) bytes_[i] = text[i];
    }

    constexpr std::string_view view() const { return {bytes_, size_}; }
    constexpr operator std::string_view() const { return view(); }
    constexpr std::size_t size() const { return size_; }
    constexpr bool empty() const { return size_ == 0; }

private:
    char bytes_[Capacity_bytes] = {};
    std::uint8_t size_ = 0;
};

} // namespace vespera

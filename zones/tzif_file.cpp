#include "zones/tzif_file.h"

#include <algorithm>
#include <array>

namespace vespera::tzdb {
namespace {

constexpr std::size_t kHeaderBytes = 44;
// RFC 8536 allows up to 256 types; a byte indexes them.
constexpr std::int64_t kMostTypes = 256;
constexpr std::int64_t kMostTransitions = 1 << 20;
// RFC 8536 (3.2) lets offsets reach 26 hours; no clock has been more than 16
// hours from UT (local mean time in the Philippines before 1845), and a zone
// offset beyond a day is a damaged file.
constexpr std::int64_t kLargestOffset_s = 24 * 3600;

class Bytes {
public:
    explicit Bytes(std::string_view bytes) : bytes_(bytes) {}
    bool has(std::size_t count) const { return count <= bytes_.size() - at_; }
    std::uint8_t byte() { return static_cast<std::uint8_t>(bytes_[at_++]); }
    std::int64_t big_endian(int size) {
        std::uint64_t value = 0;
        for (int i = 0; i < size; ++i) value = (value << 8) | byte();
        // Sign-extend a 4-byte field.
        if (size == 4) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
        return static_cast<std::int64_t>(value);
    }
    void skip(std::size_t count) { at_ += count; }
    std::size_t position() const { return at_; }
    std::string_view rest(std::size_t count) const { return bytes_.substr(at_, count); }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

struct Header {
    char version;
    std::array<std::int64_t, 6> counts; // isutcnt, isstdcnt, leapcnt, timecnt, typecnt, charcnt
    std::int64_t isutcnt() const { return counts[0]; }
    std::int64_t isstdcnt() const { return counts[1]; }
    std::int64_t leapcnt() const { return counts[2]; }
    std::int64_t timecnt() const { return counts[3]; }
    std::int64_t typecnt() const { return counts[4]; }
    std::int64_t charcnt() const { return counts[5]; }
    // The data block's size with `time_size` bytes per time value.
    std::int64_t data_bytes(int time_size) const {
        return timecnt() * time_size + timecnt() + typecnt() * 6 + charcnt() + leapcnt() * (time_size + 4) +
               isstdcnt() + isutcnt();
    }
};

std::optional<Header> read_header(Bytes& in) {
    if (!in.has(kHeaderBytes) || in.rest(4) != "TZif") return std::nullopt;
    in.skip(4);
    Header header{};
    header.version = static_cast<char>(in.byte());
    in.skip(15);
    for (std::int64_t& count : header.counts) {
        count = in.big_endian(4);
        if (count < 0) return std::nullopt;
    }
    if (header.timecnt() > kMostTransitions || header.typecnt() < 1 || header.typecnt() > kMostTypes ||
        header.charcnt() > kMostTransitions || header.leapcnt() > kMostTransitions ||
        header.isstdcnt() > kMostTypes || header.isutcnt() > kMostTypes) {
        return std::nullopt;
    }
    return header;
}

struct Type {
    std::int32_t offset_s;
    bool dst;
    std::string abbreviation;
};

} // namespace

std::optional<std::vector<TzifTransition>> parse_tzif(std::string_view bytes) {
    Bytes in(bytes);
    const std::optional<Header> first = read_header(in);
    // Version 1 files carry 32-bit times only; every zone file of a current
    // database has the 64-bit block after the first one.
    if (!first || first->version < '2') return std::nullopt;
    const std::int64_t first_block = first->data_bytes(4);
    if (!in.has(static_cast<std::size_t>(first_block))) return std::nullopt;
    in.skip(static_cast<std::size_t>(first_block));
    const std::optional<Header> header = read_header(in);
    if (!header || header->leapcnt() != 0) return std::nullopt;
    if (!in.has(static_cast<std::size_t>(header->data_bytes(8)))) return std::nullopt;

    const auto count = static_cast<std::size_t>(header->timecnt());
    std::vector<std::int64_t> times(count);
    for (std::int64_t& time : times) time = in.big_endian(8);
    std::vector<std::uint8_t> indices(count);
    for (std::uint8_t& index : indices) index = in.byte();
    const auto type_count = static_cast<std::size_t>(header->typecnt());
    std::vector<std::int64_t> offsets(type_count), abbreviation_at(type_count);
    std::vector<bool> dst(type_count);
    for (std::size_t i = 0; i < type_count; ++i) {
        offsets[i] = in.big_endian(4);
        if (offsets[i] < -kLargestOffset_s || offsets[i] > kLargestOffset_s) return std::nullopt;
        dst[i] = in.byte() != 0;
        abbreviation_at[i] = in.byte();
    }
    const std::string_view characters = in.rest(static_cast<std::size_t>(header->charcnt()));
    std::vector<Type> types;
    for (std::size_t i = 0; i < type_count; ++i) {
        const auto at = static_cast<std::size_t>(abbreviation_at[i]);
        if (at >= characters.size()) return std::nullopt;
        const std::size_t end = characters.find('\0', at);
        if (end == std::string_view::npos) return std::nullopt;
        types.push_back({static_cast<std::int32_t>(offsets[i]), dst[i], std::string(characters.substr(at, end - at))});
    }

    std::vector<TzifTransition> transitions;
    transitions.reserve(count + 1);
    // Before the first transition the zone keeps its first standard-time
    // type (the first type when all are summer time), as the date library reads it.
    if (count == 0 || times.front() > kTzifOpenStart_s) {
        const auto standard = std::find_if(types.begin(), types.end(), [](const Type& type) { return !type.dst; });
        const Type& initial = standard != types.end() ? *standard : types.front();
        transitions.push_back({kTzifOpenStart_s, initial.offset_s, initial.dst, initial.abbreviation});
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (indices[i] >= types.size()) return std::nullopt;
        if (i > 0 && times[i] <= times[i - 1]) return std::nullopt;
        const Type& type = types[indices[i]];
        TzifTransition transition{std::max(times[i], kTzifOpenStart_s), type.offset_s, type.dst, type.abbreviation};
        // Times before the open start all fall on it; the last of them holds.
        if (!transitions.empty() && transitions.back().at_s == transition.at_s) {
            transitions.back() = std::move(transition);
        } else {
            transitions.push_back(std::move(transition));
        }
    }
    // A transition that changes nothing the date library keeps is no transition.
    std::vector<TzifTransition> merged;
    merged.reserve(transitions.size());
    for (TzifTransition& transition : transitions) {
        if (!merged.empty() && merged.back().offset_s == transition.offset_s && merged.back().dst == transition.dst &&
            merged.back().abbreviation == transition.abbreviation) {
            continue;
        }
        merged.push_back(std::move(transition));
    }
    return merged;
}

} // namespace vespera::tzdb

#include "holidays/communes.h"

#include <algorithm>

namespace vespera::holidays {
namespace {

// Case-blind for ASCII and the German umlauts: enough to meet a list's
// official spelling; a gazetteer that knows the commune key need not.
char32_t folded_at(std::string_view text, std::size_t& i) {
    const unsigned char c = static_cast<unsigned char>(text[i++]);
    if (c >= 'A' && c <= 'Z') return c - 'A' + 'a';
    if (c == 0xC3 && i < text.size()) {
        const unsigned char d = static_cast<unsigned char>(text[i]);
        if (d == 0x84 || d == 0x96 || d == 0x9C) { // Ä Ö Ü
            ++i;
            return 0xC300u | (d + 0x20u);
        }
    }
    return c;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool same_name(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (folded_at(a, i) != folded_at(b, j)) return false;
    }
    return i == a.size() && j == b.size();
}

CommuneAnswer answer(const Commune& commune) {
    if (!commune.holds) return {Status::None, {}};
    if (!commune.note.empty()) return {Status::Regional, commune.note};
    return {Status::Statutory, {}};
}

} // namespace

CommuneAnswer resolve(const CommuneList& list, const Locality& place) {
    const CommuneAnswer unknown{Status::Regional, list.unresolved};
    const std::string_view key = trimmed(place.commune_key);
    if (!key.empty()) {
        if (!key.starts_with(list.key_prefix)) return unknown;
        const auto keyed_end = std::find_if(list.communes.begin(), list.communes.end(),
                                            [](const Commune& c) { return c.key.empty(); });
        const auto hit = std::lower_bound(list.communes.begin(), keyed_end, key,
                                          [](const Commune& c, std::string_view k) { return c.key < k; });
        if (hit != keyed_end && hit->key == key) return answer(*hit);
        for (const District& district : list.districts) {
            if (key.starts_with(district.prefix)) return {district.holds ? Status::Statutory : Status::None, {}};
        }
        return list.complete ? CommuneAnswer{Status::None, {}} : unknown;
    }
    const std::string_view name = trimmed(place.name);
    if (name.empty()) return unknown;
    const Commune* found = nullptr;
    for (const Commune& commune : list.communes) {
        if (!same_name(commune.name, name)) continue;
        if (found && (found->holds != commune.holds || found->note != commune.note)) return unknown; // two communes of that name
        found = &commune;
    }
    if (found) return answer(*found);
    return list.complete && list.districts.empty() ? CommuneAnswer{Status::None, {}} : unknown;
}

} // namespace vespera::holidays

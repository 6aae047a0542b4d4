#include "holidays/communes.h"

#include <algorithm>
#include <optional>

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
    if (a.size() != b.size()) return false; // folding keeps each letter's length
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (folded_at(a, i) != folded_at(b, j)) return false;
    }
    return i == a.size() && j == b.size();
}

CommuneAnswer answer(const CommuneList& list, const Commune& commune) {
    if (!commune.holds) return {Status::None, {}};
    if (commune.note != 0) return {Status::Regional, list.notes[commune.note]};
    return {Status::Statutory, {}};
}

CommuneAnswer answer(const District& district) {
    if (!district.holds) return {Status::None, {}};
    if (!district.note.empty()) return {Status::Regional, district.note};
    return {Status::Statutory, {}};
}

CommuneAnswer answer_for_others(const CommuneList& list) {
    switch (list.others) {
    case Others::Without: return {Status::None, {}};
    case Others::With: return {Status::Statutory, {}};
    case Others::Unknown: break;
    }
    return {Status::Regional, list.unresolved};
}

// The one commune of that name among `communes`; two of that name that
// answer differently leave the place unresolved.
std::optional<CommuneAnswer> by_name(const CommuneList& list, std::span<const Commune> communes,
                                     std::string_view name, const CommuneAnswer& unknown) {
    const Commune* found = nullptr;
    for (const Commune& commune : communes) {
        if (!same_name(commune.name, name)) continue;
        if (found && (found->holds != commune.holds || found->note != commune.note)) return unknown;
        found = &commune;
    }
    if (found == nullptr) return std::nullopt;
    return answer(list, *found);
}

} // namespace

CommuneAnswer resolve(const CommuneList& list, const Locality& place) {
    const CommuneAnswer unknown{Status::Regional, list.unresolved};
    const std::string_view key = trimmed(place.commune_key);
    const std::string_view name = trimmed(place.name);
    const auto keyed_end = std::partition_point(list.communes.begin(), list.communes.end(),
                                                [](const Commune& c) { return !c.key.empty(); });
    if (!key.empty()) {
        if (!key.starts_with(list.key_prefix)) return unknown;
        const auto hit = std::lower_bound(list.communes.begin(), keyed_end, key,
                                          [](const Commune& c, std::string_view k) { return c.key.view() < k; });
        if (hit != keyed_end && hit->key.view() == key) return answer(list, *hit);
        // A commune the source names without its key is still met by its name.
        if (!name.empty()) {
            const std::span<const Commune> keyless(keyed_end, list.communes.end());
            if (const auto found = by_name(list, keyless, name, unknown)) return *found;
        }
        for (const District& district : list.districts) {
            if (key.starts_with(district.prefix)) return answer(district);
        }
        return answer_for_others(list);
    }
    if (name.empty()) return unknown;
    if (const auto found = by_name(list, list.communes, name, unknown)) return *found;
    // By its name alone a place's district is not known.
    return list.districts.empty() ? answer_for_others(list) : unknown;
}

} // namespace vespera::holidays

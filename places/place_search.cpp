#include "places/place_search.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>
#include <cmath>
#include <numbers>
#include <utility>

#include "places/name_folding.h"
#include "base/regions.h"
#include "base/text.h"

namespace vespera {
namespace {

// Best first. A match of the loosened names ("kus" for "Kues") counts only
// when the plainly folded ones do not match, and ranks after every plain
// match: otherwise "Kues" would bring Kushiro and Kusatsu before
// Bernkastel-Kues. A typo's guess ("munchn" for "munchen") comes last.
enum class Match : std::uint8_t {
    exact, prefix, word_prefix, loose_exact, loose_prefix, loose_word_prefix, near_exact, near_prefix, none
};

// The shortest queries a typo is guessed for: below them one edit reaches
// half the gazetteer. A guessed name start needs one letter more than a
// guessed whole name ("Ulmm" finds Ulm; "Neusx" finds the Neus… towns).
constexpr std::size_t kNearNameLetters = 4;
constexpr std::size_t kNearStartLetters = 5;

// A built-in row and a gazetteer row this close, in one country and with
// the same first word, are one place.
constexpr double kSamePlaceRadius_km = 10.0;
constexpr double kKmPerDegree = 111.2; // a degree of a great circle on the 6371 km mean Earth

// The country of each zone the built-in cities use, from the tz database's
// zone.tab; the German, Austrian and Swiss cities take theirs from the region.
constexpr std::array<std::pair<std::string_view, std::string_view>, 14> kZoneCountries = {{
    {"Africa/Johannesburg", "ZA"},
    {"America/Los_Angeles", "US"},
    {"America/New_York", "US"},
    {"Europe/Berlin", "DE"},
    {"Europe/Copenhagen", "DK"},
    {"Europe/London", "GB"},
    {"Europe/Madrid", "ES"},
    {"Europe/Moscow", "RU"},
    {"Europe/Paris", "FR"},
    {"Europe/Prague", "CZ"},
    {"Europe/Rome", "IT"},
    {"Europe/Vienna", "AT"},
    {"Europe/Warsaw", "PL"},
    {"Europe/Zurich", "CH"},
}};

std::string_view country_of(const City& city) {
    if (city.region.size() >= 2) return city.region.substr(0, 2);
    for (const auto& [zone, country] : kZoneCountries) {
        if (zone == city.zone) return country;
    }
    return {};
}

Match match(std::string_view name, std::string_view query) {
    if (query.empty() || name.size() < query.size()) return Match::none;
    if (name.starts_with(query)) return name.size() == query.size() ? Match::exact : Match::prefix;
    // Folding has made every word boundary a single blank.
    for (std::size_t at = name.find(query, 1); at != std::string_view::npos; at = name.find(query, at + 1)) {
        if (name[at - 1] == ' ') return Match::word_prefix;
    }
    return Match::none;
}

bool same_bytes(std::string_view a, std::size_t a_at, std::string_view b, std::size_t b_at, std::size_t count) {
    return a.size() >= a_at + count && b.size() >= b_at + count && a.substr(a_at, count) == b.substr(b_at, count);
}

// Whether one edit turns the query into the name or into the name's start:
// a letter wrong, missing or extra, or two neighbours swapped (Damerau-
// Levenshtein distance 1, Damerau 1964, Commun. ACM 7(3):171). The first
// letter must agree, which the caller has checked: it is rarely the one
// mistyped, and the word initials then keep skipping the rows unread.
// Called only once `query` is no prefix of `name`.
[[gnu::noinline]] Match near_match(std::string_view name, std::string_view query) {
    const std::size_t m = query.size();
    std::size_t same = 1;
    while (same < m && same < name.size() && name[same] == query[same]) ++same;
    if (same == m) return Match::none;
    // How much of the name each edit reaches; 0: that edit does not fit.
    const std::size_t reached[] = {
        same_bytes(name, same + 1, query, same + 1, m - same - 1) ? m : 0,            // a letter wrong
        same_bytes(name, same, query, same + 1, m - same - 1) ? m - 1 : 0,            // a letter extra
        same_bytes(name, same + 1, query, same, m - same) ? m + 1 : 0,                // a letter missing
        same + 1 < m && same + 1 < name.size() && name[same] == query[same + 1] &&
                name[same + 1] == query[same] && same_bytes(name, same + 2, query, same + 2, m - same - 2)
            ? m : 0,                                                                  // two swapped
    };
    bool start = false;
    for (const std::size_t length : reached) {
        if (length == 0) continue;
        if (length == name.size()) return Match::near_exact;
        start = true;
    }
    return start && m >= kNearStartLetters ? Match::near_prefix : Match::none;
}

bool is_guess(Match found) { return found == Match::near_exact || found == Match::near_prefix; }

Match match(std::string_view folded_name, std::string_view loose_name, std::string_view folded_query,
            std::string_view loose_query) {
    const Match plain = match(folded_name, folded_query);
    if (plain != Match::none) return plain;
    const Match loose = match(loose_name, loose_query);
    if (loose != Match::none) return static_cast<Match>(static_cast<int>(loose) + static_cast<int>(Match::loose_exact));
    // Most rows fail on the first letter: the common path stays short.
    if (loose_query.size() < kNearNameLetters || loose_name.empty() || loose_name[0] != loose_query[0]) {
        return Match::none;
    }
    return near_match(loose_name, loose_query);
}

// "Rom (I)" -> "Rom": the built-in list tags foreign cities with their country.
std::string_view without_country_tag(std::string_view name) {
    name = trimmed(name);
    if (name.ends_with(')')) {
        if (const std::size_t open = name.rfind(" ("); open != std::string_view::npos) return trimmed(name.substr(0, open));
    }
    return name;
}

std::string_view first_word(std::string_view folded) { return folded.substr(0, folded.find(' ')); }

// "rom" and "rome", "halle" and "halle saale": one first word begins the other.
bool same_name_start(std::string_view a, std::string_view b) {
    const std::string_view word_a = first_word(a), word_b = first_word(b);
    if (word_a.empty() || word_b.empty()) return false;
    return word_a.size() <= word_b.size() ? word_b.starts_with(word_a) : word_a.starts_with(word_b);
}

// Equirectangular distance: ample for deciding "within 10 km".
double distance_km(double lat1_deg, double lon1_deg, double lat2_deg, double lon2_deg) {
    const double mean_lat_rad = (lat1_deg + lat2_deg) / 2.0 * std::numbers::pi / 180.0;
    double dlon_deg = std::fabs(lon1_deg - lon2_deg);
    if (dlon_deg > 180.0) dlon_deg = 360.0 - dlon_deg;
    const double dx = dlon_deg * std::cos(mean_lat_rad);
    const double dy = lat1_deg - lat2_deg;
    return std::sqrt(dx * dx + dy * dy) * kKmPerDegree;
}

std::string degrees_text(double value_deg, char positive, char negative) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value_deg),
                                            std::chars_format::fixed, 2);
    std::string text = error == std::errc() ? std::string(buffer, end) : std::string("?");
    std::replace(text.begin(), text.end(), '.', ',');
    return text + "° " + (value_deg < 0.0 ? negative : positive);
}

// " (48,54° N, 12,16° O)": the German compass letters.
std::string coordinates_text(double latitude_deg, double longitude_deg) {
    return " (" + degrees_text(latitude_deg, 'N', 'S') + ", " + degrees_text(longitude_deg, 'O', 'W') + ")";
}

} // namespace

struct PlaceSearch::Candidate {
    Match match;
    bool built_in;
    std::uint32_t population;
    std::uint32_t index; // into built_ins_ or the gazetteer's rows
    std::uint32_t alias; // 1 + the gazetteer's alias that matched; 0: the name did
};

PlaceSearch::PlaceSearch(std::shared_ptr<const Gazetteer> gazetteer) : gazetteer_(std::move(gazetteer)) {
    for (const City& city : cities()) {
        BuiltIn built_in{&city, std::string(country_of(city)), fold_name(city.name), {}, {}, {}};
        built_in.loose = loosen_folded_name(built_in.folded);
        built_in.base_folded = fold_name(without_country_tag(city.name));
        built_in.base_loose = loosen_folded_name(built_in.base_folded);
        built_ins_.push_back(std::move(built_in));
    }
}

bool PlaceSearch::same_place(const BuiltIn& built_in, std::size_t row) const {
    const GazetteerEntry entry = gazetteer_->entry(row);
    return built_in.country == entry.country && same_name_start(built_in.base_loose, gazetteer_->loose_name(row)) &&
           distance_km(built_in.city->latitude_deg, built_in.city->longitude_deg, entry.latitude_deg,
                       entry.longitude_deg) <= kSamePlaceRadius_km;
}

bool PlaceSearch::same_as_built_in(std::size_t row, const std::vector<Candidate>& built_ins) const {
    return std::any_of(built_ins.begin(), built_ins.end(),
                       [&](const Candidate& candidate) { return same_place(built_ins_[candidate.index], row); });
}

Place PlaceSearch::built_in_place(const BuiltIn& built_in) const {
    const City& city = *built_in.city;
    Place place;
    place.name = std::string(city.name);
    place.label = std::string(trimmed(city.name));
    const std::string_view region = region_name(city.region);
    // "Frankfurt/Main, Hessen"; "Wien (A)" already says where it is.
    if (!region.empty() && region != place.label && place.label.find('(') == std::string::npos) {
        place.label += ", ";
        place.label += region;
    }
    place.latitude_deg = city.latitude_deg;
    place.longitude_deg = city.longitude_deg;
    place.zone = std::string(city.zone);
    place.region = std::string(city.region);
    place.commune_key = std::string(city.commune_key);
    place.country = built_in.country;
    place.built_in = true;
    return place;
}

Place PlaceSearch::gazetteer_place(std::size_t row) const {
    const GazetteerEntry entry = gazetteer_->entry(row);
    Place place;
    place.name = std::string(entry.name);
    // "Frankfurt (Oder), Brandenburg", "Sydney, Australien"; "Berlin,
    // Deutschland" rather than "Berlin, Berlin".
    std::string_view where = region_name(entry.region);
    if (where.empty() || where == entry.name) where = gazetteer_->country_name(entry.country);
    if (where.empty()) where = region_name(entry.country);
    if (where.empty()) where = entry.country;
    place.label = place.name + ", " + std::string(where);
    if (gazetteer_->has_namesake(row)) place.label += coordinates_text(entry.latitude_deg, entry.longitude_deg);
    place.latitude_deg = entry.latitude_deg;
    place.longitude_deg = entry.longitude_deg;
    place.zone = std::string(entry.zone);
    place.region = std::string(entry.region);
    place.country = std::string(entry.country);
    place.commune_key = std::string(entry.commune_key);
    place.population = entry.population;
    return place;
}

// A row found by a further name as well as by its own keeps the better of
// the two matches. The rows' candidates follow the built-in ones in row
// order, so a row's own candidate is found by bisection.
void PlaceSearch::add_alias_matches(std::string_view folded, std::string_view loose, std::size_t first_row_candidate,
                                    std::vector<Candidate>& candidates) const {
    const std::uint32_t initial = initial_bit(folded.front());
    const std::vector<std::uint32_t>& initials = gazetteer_->alias_initials();
    const std::size_t rows_end = candidates.size();
    // Positions, not iterators: a push_back moves the candidates.
    const auto at = [&candidates](std::size_t i) { return candidates.begin() + static_cast<std::ptrdiff_t>(i); };
    for (std::size_t alias = 0; alias < initials.size(); ++alias) {
        if ((initials[alias] & initial) == 0) continue;
        const Match found = match(gazetteer_->alias_folded(alias), gazetteer_->alias_loose(alias), folded, loose);
        if (found == Match::none) continue;
        const auto row = static_cast<std::uint32_t>(gazetteer_->alias_row(alias));
        const auto alias_number = static_cast<std::uint32_t>(alias + 1);
        auto same_row = std::lower_bound(at(first_row_candidate), at(rows_end), row,
                                         [](const Candidate& c, std::uint32_t r) { return c.index < r; });
        if (same_row == at(rows_end) || same_row->index != row) {
            same_row = std::find_if(at(rows_end), candidates.end(), [row](const Candidate& c) { return c.index == row; });
        }
        if (same_row == candidates.end()) {
            candidates.push_back({found, false, gazetteer_->population(row), row, alias_number});
        } else if (found < same_row->match) {
            same_row->match = found;
            same_row->alias = alias_number;
        }
    }
}

// A built-in city guessed from a typo gives way to its own gazetteer row
// found for real: "Frankfurt am" is no typo of Frankfurt/Main but the start
// of Frankfurt am Main. The real matches thus stay what they were without
// the guesses. The built-in candidates lead `candidates`.
void PlaceSearch::give_way_to_real_matches(std::vector<Candidate>& built_ins, std::vector<Candidate>& candidates) const {
    const auto rows = candidates.begin() + static_cast<std::ptrdiff_t>(built_ins.size());
    std::vector<Candidate> kept;
    for (const Candidate& built_in : built_ins) {
        const bool gives_way = is_guess(built_in.match) && std::any_of(rows, candidates.end(), [&](const Candidate& c) {
            return !is_guess(c.match) && same_place(built_ins_[built_in.index], c.index);
        });
        if (!gives_way) kept.push_back(built_in);
    }
    if (kept.size() == built_ins.size()) return;
    candidates.erase(candidates.begin(), rows);
    candidates.insert(candidates.begin(), kept.begin(), kept.end());
    built_ins = std::move(kept);
}

std::vector<Place> PlaceSearch::search(std::string_view query, std::size_t limit) const {
    const std::string folded = fold_name(query);
    const std::string loose = loosen_folded_name(folded);
    if (folded.empty() || limit == 0) return {};

    std::vector<Candidate> built_in_matches;
    for (std::size_t i = 0; i < built_ins_.size(); ++i) {
        const BuiltIn& b = built_ins_[i];
        const Match found = std::min(match(b.folded, b.loose, folded, loose),
                                     match(b.base_folded, b.base_loose, folded, loose));
        if (found != Match::none) built_in_matches.push_back({found, true, 0, static_cast<std::uint32_t>(i), 0});
    }

    std::vector<Candidate> candidates = built_in_matches;
    if (gazetteer_) {
        const std::uint32_t initial = initial_bit(folded.front());
        const std::vector<std::uint32_t>& initials = gazetteer_->word_initials();
        for (std::size_t row = 0; row < initials.size(); ++row) {
            if ((initials[row] & initial) == 0) continue;
            const Match found = match(gazetteer_->folded_name(row), gazetteer_->loose_name(row), folded, loose);
            if (found != Match::none) {
                candidates.push_back({found, false, gazetteer_->population(row), static_cast<std::uint32_t>(row), 0});
            }
        }
        add_alias_matches(folded, loose, built_in_matches.size(), candidates);
        give_way_to_real_matches(built_in_matches, candidates);
    }

    std::vector<Candidate> real_built_ins;
    std::copy_if(built_in_matches.begin(), built_in_matches.end(), std::back_inserter(real_built_ins),
                 [](const Candidate& c) { return !is_guess(c.match); });

    const auto ranks_before = [](const Candidate& a, const Candidate& b) {
        if (a.match != b.match) return a.match < b.match;
        if ((a.alias == 0) != (b.alias == 0)) return a.alias == 0;
        if (a.built_in != b.built_in) return a.built_in;
        if (a.population != b.population) return a.population > b.population;
        return a.index < b.index;
    };
    // Ranked in slices, so that a short query with thousands of matches
    // orders only what it shows; rows that repeat a built-in city are passed
    // over, which may take a further slice.
    std::vector<const Candidate*> chosen;
    std::size_t sorted = 0;
    for (std::size_t next = 0; next < candidates.size() && chosen.size() < limit; ++next) {
        if (next == sorted) {
            const std::size_t slice = std::min(candidates.size() - sorted, std::max<std::size_t>(limit, 16));
            std::partial_sort(candidates.begin() + static_cast<std::ptrdiff_t>(sorted),
                              candidates.begin() + static_cast<std::ptrdiff_t>(sorted + slice), candidates.end(),
                              ranks_before);
            sorted += slice;
        }
        const Candidate& candidate = candidates[next];
        if (!candidate.built_in && !built_in_matches.empty() &&
            same_as_built_in(candidate.index, is_guess(candidate.match) ? built_in_matches : real_built_ins)) {
            continue;
        }
        chosen.push_back(&candidate);
    }

    std::vector<Place> places;
    places.reserve(chosen.size());
    for (const Candidate* candidate : chosen) {
        places.push_back(candidate->built_in ? built_in_place(built_ins_[candidate->index])
                                             : gazetteer_place(candidate->index));
        if (candidate->alias != 0) places.back().found_as = gazetteer_->alias_name(candidate->alias - 1u);
        places.back().guessed = is_guess(candidate->match);
    }
    // A gazetteer place that reads like a built-in city beside it shows where it is.
    for (std::size_t i = 0; i < places.size(); ++i) {
        Place& place = places[i];
        if (place.built_in || gazetteer_->has_namesake(chosen[i]->index)) continue;
        const bool clash = std::any_of(places.begin(), places.end(), [&](const Place& other) {
            return other.built_in && other.label == place.label;
        });
        if (clash) place.label += coordinates_text(place.latitude_deg, place.longitude_deg);
    }
    return places;
}

} // namespace vespera

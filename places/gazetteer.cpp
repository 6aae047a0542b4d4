#include "places/gazetteer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <span>
#include <tuple>
#include <utility>

#include "base/data_files.h"
#include "places/name_folding.h"
#include "base/regions.h"
#include "base/text.h"

namespace vespera {
namespace {

// Version 1 rows: name, country, region, population, latitude, longitude,
// zone. Version 2 adds the commune code and the further names ("a|b").
constexpr std::string_view kHeader = "# vespera-gazetteer 2";
constexpr std::string_view kHeaderVersion1 = "# vespera-gazetteer 1";
constexpr std::size_t kPlaceFieldsVersion1 = 7;
constexpr std::size_t kPlaceFields = 9;
constexpr std::size_t kMaxNameBytes = 255;         // fits Row::name_size
constexpr std::size_t kMaxCountries = 400;         // ISO 3166-1 has 249 codes
constexpr std::size_t kMaxZones = 2000;            // the tz database has about 600 names
constexpr std::size_t kMaxCountryNameBytes = 100;
constexpr std::size_t kMaxZoneNameBytes = 64;
constexpr std::size_t kMaxCommuneKeyDigits = 8;    // the German AGS is the longest
constexpr std::size_t kMaxAliasesPerRow = 64;
constexpr std::size_t kMaxRegions = 255;           // fits Row::region

// Where a row's holiday region comes from, by country.
enum class RegionRule : std::uint8_t { none, subdivision, country_itself, optional_subdivision };
constexpr std::array<std::pair<std::string_view, RegionRule>, 6> kRegionRules = {{
    {"DE", RegionRule::subdivision},
    {"AT", RegionRule::subdivision},
    {"CH", RegionRule::subdivision},
    {"LI", RegionRule::country_itself},
    {"LU", RegionRule::country_itself},
    {"IT", RegionRule::optional_subdivision}, // South Tyrol
}};

RegionRule region_rule(std::string_view country) {
    for (const auto& [code, rule] : kRegionRules) {
        if (code == country) return rule;
    }
    return RegionRule::none;
}

// Splits at tabs; false when there are more than `fields.size()` fields.
bool split_fields(std::string_view line, std::span<std::string_view> fields, std::size_t& count) {
    count = 0;
    while (true) {
        if (count == fields.size()) return false;
        const std::size_t tab = line.find('\t');
        fields[count++] = line.substr(0, tab);
        if (tab == std::string_view::npos) return true;
        line.remove_prefix(tab + 1);
    }
}

bool is_country_code(std::string_view text) {
    return text.size() == 2 && text[0] >= 'A' && text[0] <= 'Z' && text[1] >= 'A' && text[1] <= 'Z';
}

// Letters, digits and "/_+-", no empty or dot-led part: a name that cannot
// leave the zone folder when a caller opens the file it names.
bool is_zone_name(std::string_view text) {
    if (text.empty() || text.size() > kMaxZoneNameBytes) return false;
    bool part_start = true;
    for (const char c : text) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (c == '/') {
            if (part_start) return false;
            part_start = true;
            continue;
        }
        if (!letter && c != '_' && c != '+' && c != '-') return false;
        part_start = false;
    }
    return !part_start;
}

template <class T>
bool parse_whole_number(std::string_view text, T& value) {
    if (text.empty() || text.size() > 10) return false;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    std::uint64_t wide = 0;
    std::from_chars(text.data(), text.data() + text.size(), wide);
    if (wide > std::numeric_limits<T>::max()) return false;
    value = static_cast<T>(wide);
    return true;
}

bool parse_degrees(std::string_view text, double limit_deg, double& value) {
    if (text.empty() || text.size() > 24) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(value) &&
           std::fabs(value) <= limit_deg;
}

bool is_commune_key(std::string_view text) {
    return text.size() <= kMaxCommuneKeyDigits &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string in_quotes(std::string_view text) { return "„" + std::string(text) + "“"; }

} // namespace

bool gazetteer_region_fits(std::string_view country, std::string_view region) {
    const bool subdivision = region.size() > 3 && region.substr(0, 2) == country && region[2] == '-' &&
                             !region_name(region).empty();
    switch (region_rule(country)) {
    case RegionRule::subdivision: return subdivision;
    case RegionRule::country_itself: return region.empty() || (region == country && !region_name(region).empty());
    case RegionRule::optional_subdivision: return region.empty() || subdivision;
    case RegionRule::none: break;
    }
    return region.empty();
}

class GazetteerParser {
public:
    static GazetteerLoad parse(std::string content, std::string_view source) {
        GazetteerLoad result;
        Gazetteer gazetteer;
        gazetteer.text_ = std::move(content);
        if (gazetteer.text_.size() > kMaxGazetteerBytes) {
            result.error = "Das Ortsverzeichnis " + in_quotes(source) + " ist größer als " +
                           std::to_string(kMaxGazetteerBytes >> 20) + " MB.";
            return result;
        }
        GazetteerParser parser(gazetteer);
        if (!parser.read()) {
            result.error = "Das Ortsverzeichnis " + in_quotes(source) +
                           " hat nicht das erwartete Format: Die erste Zeile muss " + in_quotes(kHeader) + " lauten.";
            return result;
        }
        if (gazetteer.size() == 0) {
            result.error = "Das Ortsverzeichnis " + in_quotes(source) + " enthält keinen lesbaren Ort (" +
                           std::to_string(gazetteer.skipped_lines()) + " fehlerhafte Zeilen).";
            return result;
        }
        gazetteer.mark_namesakes();
        gazetteer.folded_.shrink_to_fit();
        gazetteer.rows_.shrink_to_fit();
        gazetteer.word_initials_.shrink_to_fit();
        gazetteer.aliases_.shrink_to_fit();
        gazetteer.alias_initials_.shrink_to_fit();
        result.gazetteer = std::move(gazetteer);
        return result;
    }

private:
    explicit GazetteerParser(Gazetteer& gazetteer) : g_(gazetteer) {}

    // False when the first line is not the header.
    bool read() {
        std::string_view rest = without_byte_order_mark(g_.text_);
        std::size_t number = 0;
        while (!rest.empty()) {
            const std::string_view line = take_line(rest);
            ++number;
            if (number == 1) {
                if (line == kHeaderVersion1) {
                    place_fields_ = kPlaceFieldsVersion1;
                } else if (line != kHeader) {
                    return false;
                }
                continue;
            }
            if (!read_line(line)) g_.skip_line(number);
        }
        return number >= 1;
    }

    std::uint32_t offset_of(std::string_view part) const {
        return static_cast<std::uint32_t>(part.data() - g_.text_.data());
    }
    Gazetteer::Span span_of(std::string_view part) const {
        return {offset_of(part), static_cast<std::uint32_t>(part.size())};
    }

    bool read_line(std::string_view line) {
        if (line.empty() || line.front() == '#') return true;
        std::string_view fields[kPlaceFields];
        std::size_t count = 0;
        if (!split_fields(line, fields, count)) return false;
        if (fields[0] == "@land") return count == 3 && read_country(fields[1], fields[2]);
        if (fields[0] == "@zone") return read_zone(count == 2 ? fields[1] : std::string_view());
        if (fields[0].starts_with('@')) return false;
        return count == place_fields_ && read_place(std::span<const std::string_view>(fields, count));
    }

    bool read_country(std::string_view code, std::string_view name) {
        if (!is_country_code(code) || name.empty() || name.size() > kMaxCountryNameBytes ||
            !is_printable_utf8(name) || g_.countries_.size() >= kMaxCountries ||
            !g_.country_name(code).empty()) {
            return false;
        }
        Gazetteer::Country country{{code[0], code[1]}, span_of(name)};
        const auto at = std::lower_bound(g_.countries_.begin(), g_.countries_.end(), country,
                                         [](const Gazetteer::Country& a, const Gazetteer::Country& b) {
                                             return std::memcmp(a.code, b.code, 2) < 0;
                                         });
        g_.countries_.insert(at, country);
        return true;
    }

    // A malformed zone keeps its number, so that the zones after it keep theirs.
    bool read_zone(std::string_view name) {
        if (g_.zones_.size() >= kMaxZones) return false;
        const bool good = is_zone_name(name);
        g_.zones_.push_back(good ? span_of(name) : Gazetteer::Span{});
        return good;
    }

    // 1 + the index in region_codes_, 0 for none; -1 when the region does
    // not fit the country. Rows come sorted by region, so the last one found
    // is tried first.
    int region_number(std::string_view code, std::string_view country) {
        if (code.empty()) return gazetteer_region_fits(country, code) ? 0 : -1;
        // A code fits the country its first two letters name, or none.
        auto& codes = g_.region_codes_;
        if (last_region_ < codes.size() && codes[last_region_] == code && code.starts_with(country)) {
            return static_cast<int>(last_region_) + 1;
        }
        if (!gazetteer_region_fits(country, code)) return -1;
        const auto known = std::find(codes.begin(), codes.end(), code);
        if (known == codes.end() && codes.size() >= kMaxRegions) return -1;
        last_region_ = static_cast<std::size_t>(known - codes.begin());
        if (known == codes.end()) codes.push_back(region_name_view(code));
        return static_cast<int>(last_region_) + 1;
    }

    // The code as regions() or the country table spells it, so that the view
    // outlives nothing but the program.
    static std::string_view region_name_view(std::string_view code) {
        for (const Region& region : regions()) {
            if (region.code == code) return region.code;
        }
        for (const auto& [country, rule] : kRegionRules) {
            if (country == code) return country;
        }
        return {};
    }

    // Names of at most 255 bytes fold to at most 255 and loosen to at most
    // 640 ("st" -> "sankt"), well within 16 bits.
    Gazetteer::Folded append_folded(const std::string& folded, const std::string& loose) {
        const Gazetteer::Folded at{static_cast<std::uint32_t>(g_.folded_.size()),
                                   static_cast<std::uint16_t>(folded.size()), static_cast<std::uint16_t>(loose.size())};
        g_.folded_ += folded;
        g_.folded_ += loose;
        return at;
    }

    // "a|b": each name printable UTF-8, 1 to 255 bytes.
    bool read_aliases(std::string_view text, std::uint32_t row) {
        if (text.empty()) return true;
        std::size_t count = 0;
        const std::size_t first = g_.aliases_.size();
        while (true) {
            const std::size_t bar = text.find('|');
            const std::string_view name = text.substr(0, bar);
            if (name.empty() || name.size() > kMaxNameBytes || !is_printable_utf8(name) ||
                ++count > kMaxAliasesPerRow || g_.aliases_.size() >= kMaxGazetteerAliases) {
                g_.aliases_.resize(first);
                g_.alias_initials_.resize(first);
                return false;
            }
            const std::string folded = fold_name(name);
            g_.aliases_.push_back({row, span_of(name), append_folded(folded, loosen_folded_name(folded))});
            g_.alias_initials_.push_back(word_initials(folded));
            if (bar == std::string_view::npos) return true;
            text.remove_prefix(bar + 1);
        }
    }

    bool read_place(std::span<const std::string_view> fields) {
        const std::string_view name = fields[0], country = fields[1];
        if (g_.rows_.size() >= kMaxGazetteerRows) return false;
        if (name.empty() || name.size() > kMaxNameBytes || !is_printable_utf8(name)) return false;
        if (!is_country_code(country)) return false;
        const int region = region_number(fields[2], country);
        if (region < 0) return false;
        Gazetteer::Row row{};
        std::uint16_t zone = 0;
        if (!parse_whole_number(fields[3], row.population) ||
            !parse_degrees(fields[4], 90.0, row.latitude_deg) ||
            !parse_degrees(fields[5], 180.0, row.longitude_deg) || !parse_whole_number(fields[6], zone) ||
            zone >= g_.zones_.size() || g_.zones_[zone].size == 0) {
            return false;
        }
        const std::string_view key = fields.size() > kPlaceFieldsVersion1 ? fields[7] : std::string_view();
        if (!is_commune_key(key)) return false;
        const std::size_t folded_before = g_.folded_.size();
        if (fields.size() > kPlaceFieldsVersion1 &&
            !read_aliases(fields[8], static_cast<std::uint32_t>(g_.rows_.size()))) {
            g_.folded_.resize(folded_before);
            return false;
        }
        row.key_at = offset_of(key.empty() ? name : key);
        row.key_size = static_cast<std::uint8_t>(key.size());
        row.zone = zone;
        row.region = static_cast<std::uint8_t>(region);
        row.country[0] = country[0];
        row.country[1] = country[1];
        row.name_at = offset_of(name);
        row.name_size = static_cast<std::uint8_t>(name.size());
        const std::string folded = fold_name(name);
        const std::string loose = loosen_folded_name(folded);
        row.folded = append_folded(folded, loose);
        g_.rows_.push_back(row);
        g_.word_initials_.push_back(word_initials(folded));
        return true;
    }

    Gazetteer& g_;
    std::size_t place_fields_ = kPlaceFields;
    std::size_t last_region_ = 0;
};

GazetteerEntry Gazetteer::entry(std::size_t index) const {
    const Row& row = rows_.at(index);
    GazetteerEntry entry{};
    entry.name = std::string_view(text_).substr(row.name_at, row.name_size);
    entry.country = std::string_view(row.country, 2);
    entry.region = row.region == 0 ? std::string_view() : region_codes_.at(row.region - 1u);
    entry.zone = text(zones_.at(row.zone));
    entry.commune_key = std::string_view(text_).substr(row.key_at, row.key_size);
    entry.population = row.population;
    entry.latitude_deg = row.latitude_deg;
    entry.longitude_deg = row.longitude_deg;
    return entry;
}

std::string_view Gazetteer::country_name(std::string_view code) const {
    if (code.size() != 2) return {};
    const auto at = std::lower_bound(countries_.begin(), countries_.end(), code,
                                     [](const Country& country, std::string_view key) {
                                         return std::memcmp(country.code, key.data(), 2) < 0;
                                     });
    if (at == countries_.end() || std::memcmp(at->code, code.data(), 2) != 0) return {};
    return text(at->name);
}

void Gazetteer::skip_line(std::size_t line_number) {
    if (skipped_lines_++ == 0) first_skipped_line_ = line_number;
}

// Same-named places in one region sit next to each other once the rows are
// ordered by country, region and name; the generator writes them so, and
// any other order is sorted here first.
void Gazetteer::mark_namesakes() {
    const auto key = [this](const Row& row) {
        return std::make_tuple(std::string_view(row.country, 2), row.region,
                               std::string_view(text_).substr(row.name_at, row.name_size));
    };
    std::vector<std::uint32_t> order(rows_.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<std::uint32_t>(i);
    const auto before = [&](std::uint32_t a, std::uint32_t b) { return key(rows_[a]) < key(rows_[b]); };
    if (!std::is_sorted(order.begin(), order.end(), before)) std::sort(order.begin(), order.end(), before);
    for (std::size_t i = 1; i < order.size(); ++i) {
        Row& previous = rows_[order[i - 1]];
        Row& current = rows_[order[i]];
        if (key(previous) == key(current)) previous.namesake = current.namesake = true;
    }
}

GazetteerLoad parse_gazetteer(std::string content, std::string_view source) {
    return GazetteerParser::parse(std::move(content), source);
}

GazetteerLoad load_gazetteer(const std::filesystem::path& path) {
    std::optional<std::string> content = read_regular_file(path, kMaxGazetteerBytes);
    if (!content) {
        GazetteerLoad result;
        result.error = "Das Ortsverzeichnis " + in_quotes(path.string()) +
                       " lässt sich nicht lesen: Es fehlt, ist keine gewöhnliche Datei oder ist größer als " +
                       std::to_string(kMaxGazetteerBytes >> 20) + " MB.";
        return result;
    }
    return parse_gazetteer(std::move(*content), path.string());
}

GazetteerLoad load_gazetteer() {
    const std::filesystem::path path = data_file("gazetteer.tsv");
    if (path.empty()) {
        GazetteerLoad result;
        result.error = "Das Ortsverzeichnis „gazetteer.tsv“ wurde nicht gefunden (gesucht in "
                       "$VESPERA_DATA_DIR, share/vespera neben dem Programm und data/ im Quellbaum).";
        return result;
    }
    return load_gazetteer(path);
}

} // namespace vespera

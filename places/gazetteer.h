// The gazetteer (data/gazetteer.tsv): about 34 000 real places with their
// coordinates, zone, region and commune code, and the further names a place
// is found by, read at run time without trusting the file. The whole file
// stays in one buffer; rows refer into it by offset.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vespera {

// One place as the file gives it; the views point into the gazetteer.
struct GazetteerEntry {
    std::string_view name;    // UTF-8
    std::string_view country; // ISO 3166-1 alpha-2, "DE"
    std::string_view region;  // holiday region: "DE-BY", "AT-9", "CH-ZH", "IT-32-BZ", "LI", "LU"; empty elsewhere
    std::string_view zone;    // IANA name
    // The official commune code: AGS in DE ("09162000"), Gemeindekennziffer
    // in AT, BFS number in CH, ISTAT code in South Tyrol, NIS code in East
    // Belgium; empty where the file has none.
    std::string_view commune_key;
    std::uint32_t population;
    double latitude_deg;  // north positive
    double longitude_deg; // east positive
};

class Gazetteer {
public:
    std::size_t size() const { return rows_.size(); }
    GazetteerEntry entry(std::size_t index) const;

    // The name folded for search (fold_name) and loosened
    // (loosen_folded_name), and the population: what every search reads for
    // every row, so they are inline.
    std::string_view folded_name(std::size_t index) const { return folded_of(rows_.at(index).folded); }
    std::string_view loose_name(std::size_t index) const { return loose_of(rows_.at(index).folded); }
    std::uint32_t population(std::size_t index) const { return rows_.at(index).population; }
    // word_initials of the folded name; kept apart from the rows so that a
    // search can pass over most of them reading 4 bytes each.
    const std::vector<std::uint32_t>& word_initials() const { return word_initials_; }

    // The further names a place is found by but not shown under: its own
    // name beside a German one ("Genève" for Genf, "Bolzano" for Bozen),
    // GeoNames' name. Each belongs to one row; kept apart from the rows, with
    // their folded forms and word initials, so that a search passes over
    // them as over the names.
    std::size_t alias_count() const { return aliases_.size(); }
    std::size_t alias_row(std::size_t index) const { return aliases_.at(index).row; }
    std::string_view alias_name(std::size_t index) const { return text(aliases_.at(index).name); }
    std::string_view alias_folded(std::size_t index) const { return folded_of(aliases_.at(index).folded); }
    std::string_view alias_loose(std::size_t index) const { return loose_of(aliases_.at(index).folded); }
    const std::vector<std::uint32_t>& alias_initials() const { return alias_initials_; }

    // Whether another row has the same name in the same region and country,
    // so that only the coordinates tell the two apart.
    bool has_namesake(std::size_t index) const { return rows_.at(index).namesake; }

    // The German name of a country code from the file's table; empty if absent.
    std::string_view country_name(std::string_view code) const;

    // Lines that were left out because they were malformed, and the first of
    // them (1-based; 0 when none).
    std::size_t skipped_lines() const { return skipped_lines_; }
    std::size_t first_skipped_line() const { return first_skipped_line_; }

private:
    struct Span {
        std::uint32_t at = 0;
        std::uint32_t size = 0;
    };
    // A name's folded and loose forms in folded_, the loose one right after.
    struct Folded {
        std::uint32_t at;
        std::uint16_t size;
        std::uint16_t loose_size;
    };
    struct Row {
        double latitude_deg;
        double longitude_deg;
        std::uint32_t population;
        std::uint32_t name_at;
        Folded folded;
        std::uint32_t key_at;
        std::uint16_t zone;
        std::uint8_t name_size;
        std::uint8_t key_size;
        std::uint8_t region; // 1 + index into region_codes_; 0 for none
        char country[2];
        bool namesake;
    };
    struct Alias {
        std::uint32_t row;
        Span name;
        Folded folded;
    };
    struct Country {
        char code[2];
        Span name;
    };

    std::string_view text(Span span) const { return std::string_view(text_).substr(span.at, span.size); }
    std::string_view folded_of(Folded f) const { return {folded_.data() + f.at, f.size}; }
    std::string_view loose_of(Folded f) const { return {folded_.data() + f.at + f.size, f.loose_size}; }
    void skip_line(std::size_t line_number);
    void mark_namesakes();

    std::string text_;   // the whole file
    std::string folded_; // every row's folded and loose name, one after the other
    std::vector<Row> rows_;
    std::vector<std::uint32_t> word_initials_; // one per row
    std::vector<Alias> aliases_;
    std::vector<std::uint32_t> alias_initials_; // one per alias
    std::vector<std::string_view> region_codes_; // the distinct regions the rows name
    std::vector<Country> countries_;
    std::vector<Span> zones_; // empty span: a malformed zone line
    std::size_t skipped_lines_ = 0;
    std::size_t first_skipped_line_ = 0;

    friend class GazetteerParser;
};

// A gazetteer, or the German reason why there is none.
struct GazetteerLoad {
    std::optional<Gazetteer> gazetteer;
    std::string error;
};

// The real file has 1.6 MB and 34 500 rows; these bounds leave room for a
// larger selection and cap what a hostile file can make the index allocate.
inline constexpr std::size_t kMaxGazetteerBytes = 8u << 20;
inline constexpr std::size_t kMaxGazetteerRows = 200'000;
inline constexpr std::size_t kMaxGazetteerAliases = 200'000;

// Whether a row of `country` may carry `region`: a state or canton in DE, AT
// and CH (required), the country itself or none in LI and LU (files of the
// first format have none there), South Tyrol or none in Italy, none
// elsewhere.
bool gazetteer_region_fits(std::string_view country, std::string_view region);

// data_file("gazetteer.tsv").
GazetteerLoad load_gazetteer();
GazetteerLoad load_gazetteer(const std::filesystem::path& path);
// `source` names the file in error messages.
GazetteerLoad parse_gazetteer(std::string content, std::string_view source);

} // namespace vespera

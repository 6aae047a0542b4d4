// Finding a place by name: the built-in cities first, then the gazetteer.
// Case, diacritics and the German transcriptions do not matter ("muenchen",
// "Munchen" and "münchen" find München).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "places/city_table.h"
#include "places/gazetteer.h"

namespace vespera {

struct Place {
    std::string name;  // a built-in city's list text ("Rom (I)"), or the gazetteer's (German) name
    std::string label; // "Frankfurt (Oder), Brandenburg", "Sydney, Australien", "Genf, Schweiz"
    double latitude_deg = 0.0;
    double longitude_deg = 0.0;
    std::string zone;    // IANA name
    std::string region;  // holiday region: ISO 3166-2 in DE, AT, CH and South Tyrol, "LI", "LU"; empty elsewhere
    std::string country; // ISO 3166-1 alpha-2; empty for a built-in city whose zone names no country
    std::string commune_key; // official commune code (the gazetteer's or the city table's); empty where unknown
    // The further name the query matched when it was not the shown one:
    // "Geneva" for Genf, "Bolzano" for Bozen; empty otherwise.
    std::string found_as;
    std::uint32_t population = 0; // 0 for the built-in cities, which record none
    // Found only as a typo's guess: one letter of the query wrong, missing,
    // extra or swapped ("Muenchn" for München).
    bool guessed = false;
    bool built_in = false;
};

class PlaceSearch {
public:
    // Only the built-in cities when there is no gazetteer.
    explicit PlaceSearch(std::shared_ptr<const Gazetteer> gazetteer = nullptr);

    // At most `limit` places: exact matches before matches of the name's
    // start before matches of a later word's start (after a blank, hyphen,
    // slash or parenthesis); within each, a shown name before a further
    // name of the same kind of match, built-in cities first, then the larger
    // places. A gazetteer row that is the same place as a built-in city in
    // the result is left out, and each place comes once.
    std::vector<Place> search(std::string_view query, std::size_t limit) const;

private:
    struct BuiltIn {
        const City* city;
        std::string country;
        std::string folded;      // the whole list text
        std::string loose;
        std::string base_folded; // without a trailing "(I)", "(USA)"
        std::string base_loose;
    };
    struct Candidate;

    bool same_place(const BuiltIn& built_in, std::size_t row) const;
    bool same_as_built_in(std::size_t row, const std::vector<Candidate>& built_ins) const;
    void give_way_to_real_matches(std::vector<Candidate>& built_ins, std::vector<Candidate>& candidates) const;
    void add_alias_matches(std::string_view folded, std::string_view loose, std::size_t first_row_candidate,
                           std::vector<Candidate>& candidates) const;
    Place built_in_place(const BuiltIn& built_in) const;
    Place gazetteer_place(std::size_t row) const;

    std::shared_ptr<const Gazetteer> gazetteer_;
    std::vector<BuiltIn> built_ins_;
};

} // namespace vespera

// The gazetteer file from arbitrary bytes, then a search with a query from
// the same input: loading either gives rows and further names that keep
// every promise of GazetteerEntry or a German message, and no search
// crashes, hangs or returns more than it was asked for.
//
// Layout: one byte of flags (bit 0: put the present header line in front, so
// that the rows are reached; bits 1..6: the query's length), one byte for the
// limit, then the file, and the query as the input's last bytes.
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <string_view>

#include "places/gazetteer.h"
#include "places/name_folding.h"
#include "places/place_search.h"
#include "base/regions.h"
#include "fuzz/fuzz_input.h"

namespace {

void check_entry(const vespera::GazetteerEntry& entry) {
    fuzz::check(!entry.name.empty() && entry.name.size() <= 255 && vespera::is_printable_utf8(entry.name),
                "name: " + std::string(entry.name));
    fuzz::check(entry.country.size() == 2, "country: " + std::string(entry.country));
    fuzz::check(vespera::gazetteer_region_fits(entry.country, entry.region) &&
                    (entry.region.empty() || !vespera::region_name(entry.region).empty()),
                "region: " + std::string(entry.region));
    fuzz::check(entry.commune_key.size() <= 8 &&
                    entry.commune_key.find_first_not_of("0123456789") == std::string_view::npos,
                "commune key: " + std::string(entry.commune_key));
    fuzz::check(!entry.zone.empty() && entry.zone.find("..") == std::string_view::npos && entry.zone.front() != '/',
                "zone: " + std::string(entry.zone));
    fuzz::check(std::isfinite(entry.latitude_deg) && std::fabs(entry.latitude_deg) <= 90.0 &&
                    std::isfinite(entry.longitude_deg) && std::fabs(entry.longitude_deg) <= 180.0,
                "coordinates of " + std::string(entry.name));
}

void check_places(const std::vector<vespera::Place>& places, std::size_t limit) {
    fuzz::check(places.size() <= limit, "more places than the limit");
    for (const vespera::Place& place : places) {
        fuzz::check(!place.label.empty() && fuzz::valid_utf8(place.label), "label: " + place.label);
        fuzz::check(!place.zone.empty(), "place without zone: " + place.label);
        fuzz::check(fuzz::valid_utf8(place.found_as), "found as: " + place.found_as);
    }
    fuzz::check(std::is_partitioned(places.begin(), places.end(), [](const vespera::Place& p) { return !p.guessed; }),
                "a typo's guess before a real match");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reader in(data, size);
    const std::uint8_t flags = in.byte();
    const std::size_t limit = 1u + in.byte() % 24u;
    const std::size_t rest = in.remaining();
    const std::size_t query_size = std::min<std::size_t>((flags >> 1) & 0x3Fu, rest);
    const char* body = reinterpret_cast<const char*>(data) + (size - rest);
    std::string file((flags & 1u) != 0 ? "# vespera-gazetteer 2\n" : "");
    file.append(body, rest - query_size);
    const std::string query(body + rest - query_size, query_size);

    if (fuzz::valid_utf8(query)) {
        const std::string folded = vespera::fold_name(query);
        fuzz::check(vespera::fold_name(folded) == folded, "folding twice changes \"" + query + "\"");
    }
    check_places(vespera::PlaceSearch().search(query, limit), limit);

    vespera::GazetteerLoad load = vespera::parse_gazetteer(std::move(file), "fuzz");
    fuzz::check(load.gazetteer.has_value() != !load.error.empty(), "a gazetteer and an error, or neither");
    if (!load.gazetteer) {
        fuzz::check(load.error.starts_with("Das Ortsverzeichnis") && fuzz::valid_utf8(load.error), load.error);
        return 0;
    }
    const auto gazetteer = std::make_shared<const vespera::Gazetteer>(std::move(*load.gazetteer));
    fuzz::check(gazetteer->size() > 0 && gazetteer->size() <= vespera::kMaxGazetteerRows, "row count");
    for (std::size_t i = 0; i < gazetteer->size(); ++i) check_entry(gazetteer->entry(i));
    fuzz::check(gazetteer->alias_initials().size() == gazetteer->alias_count(), "alias index");
    for (std::size_t i = 0; i < gazetteer->alias_count(); ++i) {
        const std::string_view alias = gazetteer->alias_name(i);
        fuzz::check(gazetteer->alias_row(i) < gazetteer->size(), "alias of no row");
        fuzz::check(!alias.empty() && alias.size() <= 255 && vespera::is_printable_utf8(alias),
                    "alias: " + std::string(alias));
        fuzz::check(gazetteer->alias_folded(i) == vespera::fold_name(alias), "alias folding");
    }
    check_places(vespera::PlaceSearch(gazetteer).search(query, limit), limit);
    return 0;
}

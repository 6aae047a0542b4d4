#include "cli/place_choice.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "cli/arguments.h"
#include "cli/printable.h"
#include "places/city_table.h"
#include "places/name_folding.h"
#include "places/place_search.h"
#include "report/report.h"

namespace vespera::cli {
namespace {

constexpr std::size_t kCandidates = 8;
constexpr std::size_t kNamedOthers = 3; // in the note on an ambiguous name
constexpr double kSamePlace_deg = 0.1; // about 10 km: two rows of one town

// "Rom (I)" -> "Rom": the built-in list tags foreign cities with their country.
std::string_view without_tag(std::string_view name) {
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    if (name.ends_with(')')) {
        if (const std::size_t open = name.rfind(" ("); open != std::string_view::npos) return name.substr(0, open);
    }
    return name;
}

// Whether the query is the place's whole name, shown or further ("Geneva").
bool names_it(const Place& place, std::string_view folded_query) {
    const std::string loose_query = loosen_folded_name(folded_query);
    for (const std::string& folded :
         {fold_name(place.name), fold_name(without_tag(place.name)), fold_name(place.found_as)}) {
        if (folded == folded_query || loosen_folded_name(folded) == loose_query) return true;
    }
    return false;
}

bool same_spot(const Place& a, const Place& b) {
    return std::fabs(a.latitude_deg - b.latitude_deg) < kSamePlace_deg &&
           std::fabs(a.longitude_deg - b.longitude_deg) < kSamePlace_deg;
}

std::string degrees_text(double value_deg, const char* positive, const char* negative) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.2f", std::fabs(value_deg));
    std::string text = buffer;
    for (char& c : text) {
        if (c == '.') c = ',';
    }
    return text + "\u00b0 " + (value_deg < 0.0 ? negative : positive);
}

PlaceOutcome with_zone(ChosenPlace place, const std::optional<std::string>& zone_request, PlaceOutcome outcome) {
    if (zone_request) place.zone_name = *zone_request;
    place.zone = Zone::named(place.zone_name);
    if (!place.zone) {
        outcome.error = "Die Zeitzone \u201e" + place.zone_name + "\u201c kennt die Zeitzonendatenbank nicht.";
        return outcome;
    }
    outcome.place = std::move(place);
    return outcome;
}

ChosenPlace from_place(const Place& found) {
    ChosenPlace place;
    place.heading = report::place_heading(found.name, found.region);
    place.name = std::string(without_tag(found.name));
    place.region = found.region;
    place.commune_key = found.commune_key;
    place.latitude_deg = found.latitude_deg;
    place.longitude_deg = found.longitude_deg;
    place.zone_name = found.zone;
    if (const City* city = find_city(found.name); city != nullptr && found.built_in) {
        place.zone_offset_hours = static_cast<float>(city->zone_offset_hours);
    }
    return place;
}

} // namespace

PlaceOutcome choose_place(const PlaceRequest& request, const GazetteerSource& gazetteer) {
    PlaceOutcome outcome;
    if (request.coordinates) {
        const std::optional<Coordinates> at = parse_coordinates(*request.coordinates);
        ChosenPlace place;
        if (at) {
            place.latitude_deg = at->latitude_deg;
            place.longitude_deg = at->longitude_deg;
        }
        place.heading = degrees_text(place.latitude_deg, "N", "S") + ", " + degrees_text(place.longitude_deg, "O", "W");
        return with_zone(std::move(place), request.zone, std::move(outcome));
    }
    if (!request.name) {
        const City* berlin = find_city("Berlin");
        ChosenPlace place;
        place.heading = report::place_heading(berlin->name, berlin->region);
        place.name = std::string(berlin->name);
        place.region = std::string(berlin->region);
        place.commune_key = std::string(berlin->commune_key);
        place.latitude_deg = berlin->latitude_deg;
        place.longitude_deg = berlin->longitude_deg;
        place.zone_offset_hours = static_cast<float>(berlin->zone_offset_hours);
        place.zone_name = std::string(berlin->zone);
        return with_zone(std::move(place), request.zone, std::move(outcome));
    }

    const std::string& query = *request.name;
    const std::string folded_query = fold_name(query);
    std::vector<Place> found = PlaceSearch().search(query, kCandidates);
    const bool built_in_named = !found.empty() && names_it(found.front(), folded_query);
    std::string why;
    bool whole_gazetteer = false;
    if (!built_in_named) {
        const std::shared_ptr<const Gazetteer> places = gazetteer ? gazetteer(why) : nullptr;
        whole_gazetteer = places != nullptr;
        if (places) found = PlaceSearch(places).search(query, kCandidates);
    }
    // A typo's guess is named, never taken: a script runs for the place it wrote.
    const auto guesses = std::find_if(found.begin(), found.end(), [](const Place& p) { return p.guessed; });
    const std::string guess =
        guesses == found.end() ? std::string() : " Meinten Sie " + printable(guesses->label) + "?";
    found.erase(guesses, found.end());
    if (found.empty()) {
        outcome.error = whole_gazetteer
                            ? "Den Ort \u201e" + query + "\u201c gibt es im Ortsverzeichnis nicht." + guess
                            : "Den Ort \u201e" + query + "\u201c gibt es in der Liste der St\u00e4dte nicht" +
                                  (why.empty() ? "." : "; " + why) + guess;
        return outcome;
    }
    // The search ranks exact names first. The name is ambiguous when a
    // second place as good as the first lies elsewhere; the note names the
    // first few of them.
    const Place& chosen = found.front();
    const bool exact = names_it(chosen, folded_query);
    std::vector<const Place*> others;
    for (std::size_t i = 1; i < found.size(); ++i) {
        if (names_it(found[i], folded_query) != exact || same_spot(found[i], chosen)) continue;
        const bool repeated = std::any_of(others.begin(), others.end(),
                                          [&](const Place* other) { return same_spot(*other, found[i]); });
        if (!repeated) others.push_back(&found[i]);
    }
    if (!others.empty()) {
        outcome.note = "vespera-cli: \u201e" + printable(query) + "\u201c ist mehrdeutig; gew\u00e4hlt: " +
                       printable(chosen.label) +
                       "; au\u00dferdem: ";
        for (std::size_t i = 0; i < std::min(others.size(), kNamedOthers); ++i) {
            outcome.note += (i == 0 ? "" : "; ") + printable(others[i]->label);
        }
        if (others.size() > kNamedOthers) outcome.note += " und weitere";
        outcome.note += "\n";
    }
    return with_zone(from_place(chosen), request.zone, std::move(outcome));
}

} // namespace vespera::cli

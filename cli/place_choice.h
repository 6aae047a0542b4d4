// The place of a command: a built-in city or gazetteer place by name, or
// coordinates with a zone; Berlin when none is given.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "places/gazetteer.h"
#include "zones/zone.h"

namespace vespera::cli {

struct PlaceRequest {
    std::optional<std::string> name;        // --ort
    std::optional<std::string> coordinates; // --koordinaten, checked already
    std::optional<std::string> zone;        // --zone
};

struct ChosenPlace {
    std::string heading; // "Landshut (Bayern)", for the reports' headings
    std::string name;    // "Landshut", for the days of one city
    std::string region;  // the holiday region as the place brings it ("DE-BY", "LI"); empty abroad
    std::string commune_key; // the gazetteer's official commune code ("09162000"); empty otherwise
    double latitude_deg = 0.0;
    double longitude_deg = 0.0;
    float zone_offset_hours = 0.0f; // a built-in city's standard offset, as the window sets it
    std::string zone_name;
    std::optional<Zone> zone;
};

// Loads the gazetteer, or says in German why it cannot.
using GazetteerSource = std::function<std::shared_ptr<const Gazetteer>(std::string& error)>;

struct PlaceOutcome {
    std::optional<ChosenPlace> place;
    std::string note;  // for standard error: which place an ambiguous name chose
    std::string error; // German, when there is no place
};

// A name is looked up among the built-in cities first; only a name that
// none of them carries loads the gazetteer.
PlaceOutcome choose_place(const PlaceRequest& request, const GazetteerSource& gazetteer);

} // namespace vespera::cli

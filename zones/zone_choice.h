// The zone a place's settings choose: a zone of the tz database by name, or
// else the fixed standard offset with the German summer-time rules.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "zones/zone.h"

namespace vespera {

class ZoneChoice {
public:
    // False, and nothing changed, for a name the tz database does not know;
    // an empty name chooses the German rules.
    bool choose(std::string_view iana_name);
    // A zone read already (the command line has read the place's zone to
    // know its clock); a zone without a name chooses the German rules.
    void choose(const Zone& zone);
    // Empty for the German rules.
    std::string name() const { return named_ ? named_->name() : std::string{}; }
    // The chosen zone; for the German rules, with `standard_offset_hours`.
    // An offset beyond a day puts no instant on a clock: an invalid call.
    const Zone& zone(float standard_offset_hours) const;

private:
    std::optional<Zone> named_;
    mutable std::optional<Zone> german_; // built from the offset on demand
    mutable float german_offset_hours_ = 0.0f;
};

// The zone of a place: its tz database zone, or the fixed offset with the
// German summer-time rules when it has none (or an unknown one).
Zone zone_of_place(std::string_view iana_name, double zone_offset_hours);

} // namespace vespera

#include "zones/zone_choice.h"

#include <cmath>

#include "base/fault.h"

namespace vespera {

bool ZoneChoice::choose(std::string_view iana_name) {
    if (iana_name.empty()) {
        named_.reset();
        return true;
    }
    std::optional<Zone> zone = Zone::named(iana_name);
    if (!zone) return false;
    named_ = std::move(zone);
    return true;
}

void ZoneChoice::choose(const Zone& zone) {
    if (zone.name().empty()) {
        named_.reset();
        return;
    }
    named_ = zone;
}

const Zone& ZoneChoice::zone(float standard_offset_hours) const {
    if (named_) return *named_;
    if (!(std::fabs(standard_offset_hours) <= 24.0f)) raise_fault(FaultCode::InvalidCall);
    if (!german_ || german_offset_hours_ != standard_offset_hours) {
        german_ = Zone::german_rules(static_cast<double>(standard_offset_hours));
        german_offset_hours_ = standard_offset_hours;
    }
    return *german_;
}

Zone zone_of_place(std::string_view iana_name, double zone_offset_hours) {
    if (!iana_name.empty()) {
        if (std::optional<Zone> zone = Zone::named(iana_name)) return *zone;
    }
    return Zone::german_rules(zone_offset_hours);
}

} // namespace vespera

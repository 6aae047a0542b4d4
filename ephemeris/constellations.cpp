#include "ephemeris/constellations.h"

#include "ephemeris/precession.h"

namespace vespera {

std::size_t constellation_index(double right_ascension_deg, double declination_deg, double equinox_jde) {
    const Equatorial b1875 = precessed({right_ascension_deg, declination_deg}, equinox_jde, kB1875_jde);
    const double ra_hours = b1875.right_ascension_deg / 15.0;
    for (const ConstellationBound& row : kConstellationBounds) {
        if (b1875.declination_deg >= row.dec_low_deg && ra_hours >= row.ra_low_hours && ra_hours < row.ra_high_hours) {
            return row.constellation;
        }
    }
    return kNoConstellation;
}

} // namespace vespera

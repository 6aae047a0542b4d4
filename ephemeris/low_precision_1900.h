// The classical low-precision Sun and Moon referred to 1900 January 0.5
// (JD 2415020.0), in UT without Delta T: the Sun's elliptic orbit with its
// planetary and lunar perturbations, the Moon from the abridged series of
// Brown's lunar theory (Duffett-Smith & Zwart, Practical Astronomy with your
// Calculator or Spreadsheet, 4th ed.; the same series in Meeus, Astronomical
// Formulae for Calculators). They stay because the eclipse module's
// occurrence-era method of local circumstances is built on them.
#pragma once

namespace vespera {

struct SunPlace1900 {
    double lon_deg;     // geometric, mean equinox of date
    double distance_au;
};

struct MoonPlace1900 {
    double lon_deg;     // geometric
    double lat_deg;
    double parallax_deg; // equatorial horizontal parallax
};

// `days` counts from 1900 January 0.5 UT.
SunPlace1900 sun_1900(double days);
MoonPlace1900 moon_1900(double days);

} // namespace vespera

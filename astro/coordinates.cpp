// Angles, ecliptic and equatorial coordinates and the parallax of hour angle
// and declination in the eclipse module's units (Duffett-Smith & Zwart,
// Practical Astronomy with your Calculator or Spreadsheet, 4th ed., the
// coordinate chapter). Obliquity and nutation come from the ephemeris.
#include <array>
#include <cmath>
#include <numbers>

#include "astro/AstroModuleDetail.h"
#include "ephemeris/angles.h"
#include "ephemeris/coordinates.h"
#include "ephemeris/moon.h"
#include "ephemeris/nutation.h"
#include "ephemeris/time_scales.h"

namespace AstroModule::detail {

namespace {


double centuries_of_date(double day, double month, double year) {
    return vespera::centuries_since_j2000(DatumZuJD(day, month, year));
}

struct Topocentric {
    double ha_rad;
    double dec_rad;
};

// The geocentric hour angle and declination seen from the observer: the
// ephemeris's topocentric place, r the body's distance in Earth radii.
Topocentric true_to_apparent(double ha, double dec, double r, const vespera::ObserverGeocentric& o) {
    const vespera::TopocentricEquatorial seen = vespera::topocentric_equatorial(
        0.0, Grad(dec), r * vespera::kEarthEquatorialRadius_km, Grad(ha), o);
    // Right ascension 0 in, so the shift in right ascension is -seen's.
    double ha_app = ha - Bogenmass(seen.right_ascension_deg);
    ha_app -= kTwoPi * std::floor(ha_app / kTwoPi);
    return {ha_app, Bogenmass(seen.declination_deg)};
}

Topocentric parallax(double ha_hours, double dec_deg, std::string_view direction, double GLat,
                     double height_m, double hp_deg) {
    const double ha = Bogenmass(ha_hours * 15.0);
    const double dec = Bogenmass(dec_deg);
    const double sin_hp = std::sin(Bogenmass(hp_deg));
    if (sin_hp == 0.0) return {ha, dec}; // a body at infinity shows no parallax
    const double r = 1.0 / sin_hp;
    const vespera::ObserverGeocentric o = vespera::observer_geocentric(GLat, height_m);

    const bool true_to_apparent_wanted =
        !direction.empty() && (direction.front() == 'T' || direction.front() == 't');
    if (true_to_apparent_wanted) return true_to_apparent(ha, dec, r, o);

    // Back from the apparent place: find the true place whose apparent place
    // it is. The correction changes by far less than 1e-6 rad after a few
    // rounds; the bound only keeps a pathological input from looping.
    double trial_ha = ha;
    double trial_dec = dec;
    double p1 = 0.0;
    double q1 = 0.0;
    for (int round = 0; round < 100; ++round) {
        const Topocentric seen = true_to_apparent(trial_ha, trial_dec, r, o);
        const double p2 = signed_angle(seen.ha_rad - trial_ha);
        const double q2 = seen.dec_rad - trial_dec;
        trial_ha = ha - p2;
        trial_dec = dec - q2;
        if (std::abs(p2 - p1) < 0.000001 && std::abs(q2 - q1) < 0.000001) break;
        p1 = p2;
        q1 = q2;
    }
    return {trial_ha - kTwoPi * std::floor(trial_ha / kTwoPi), trial_dec};
}

} // namespace

double Bogenmass(double deg) { return deg * vespera::kRoundedRadPerDeg; }
double Grad(double rad) { return rad * vespera::kRoundedDegPerRad; }

double Atan2(double x, double y) {
    constexpr double kPiHere = 3.1415926535;
    constexpr double kTwoPiHere = 6.283185307;
    double angle = 0.0;
    if (std::abs(x) < 1e-20) {
        // On the y axis the quadrant is already right; adding pi for a tiny
        // negative x would turn the point around.
        angle = y >= 0 ? kPiHere / 2 : -kPiHere / 2;
    } else {
        angle = std::atan(y / x);
        if (x < 0) angle += kPiHere;
    }
    if (angle < 0) angle += kTwoPiHere;
    return angle;
}

double ArcSin(double x) {
    if (x >= 1.0) return kPi / 2;
    if (x <= -1.0) return -kPi / 2;
    return std::atan(x / std::sqrt(1.0 - x * x));
}

double Schiefe(double day, double month, double year) {
    return vespera::true_obliquity_deg(centuries_of_date(day, month, year));
}

double EkliptikZuRektaszension(double lon_deg, double lat_deg, double day, double month,
                               double year) {
    return vespera::equatorial_of_ecliptic(lon_deg, lat_deg, Schiefe(day, month, year)).right_ascension_deg;
}

double EkliptikZuDeklination(double lon_deg, double lat_deg, double day, double month, double year) {
    return vespera::equatorial_of_ecliptic(lon_deg, lat_deg, Schiefe(day, month, year)).declination_deg;
}

double AequatorZuEklLaenge(double ra_deg, double dec_deg, double day, double month, double year) {
    return vespera::ecliptic_of_equatorial(ra_deg, dec_deg, Schiefe(day, month, year)).longitude_deg;
}

double AequatorZuEklBreite(double ra_deg, double dec_deg, double day, double month, double year) {
    return vespera::ecliptic_of_equatorial(ra_deg, dec_deg, Schiefe(day, month, year)).latitude_deg;
}

double NutationLaenge(double day, double month, double year) {
    return vespera::nutation(centuries_of_date(day, month, year)).longitude_deg;
}

double NutationSchiefe(double day, double month, double year) {
    return vespera::nutation(centuries_of_date(day, month, year)).obliquity_deg;
}

double ParallaxeStundenwinkel(double ha_hours, double dec_deg, std::string_view direction,
                              double GLat, double height_m, double hp_deg) {
    const Topocentric p = parallax(ha_hours, dec_deg, direction, GLat, height_m, hp_deg);
    return Grad(p.ha_rad) / 15.0;
}

double ParallaxeDeklination(double ha_hours, double dec_deg, std::string_view direction,
                            double GLat, double height_m, double hp_deg) {
    return Grad(parallax(ha_hours, dec_deg, direction, GLat, height_m, hp_deg).dec_rad);
}

} // namespace AstroModule::detail

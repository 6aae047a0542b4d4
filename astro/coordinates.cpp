// Angles, ecliptic and equatorial coordinates and the parallax of hour angle
// and declination in the eclipse module's units (Duffett-Smith & Zwart,
// Practical Astronomy with your Calculator or Spreadsheet, 4th ed., the
// coordinate chapter). Obliquity and nutation come from the ephemeris.
#include <array>
#include <cmath>
#include <numbers>

#include "astro/AstroModuleDetail.h"
#include "ephemeris/angles.h"
#include "ephemeris/nutation.h"
#include "ephemeris/time_scales.h"

namespace AstroModule::detail {

namespace {


// Earth ellipsoid of the parallax correction (IAU 1964: b/a and a).
constexpr double kEarthAxisRatio = 0.996647;
constexpr double kEarthRadius_m = 6378160.0;

double centuries_of_date(double day, double month, double year) {
    return vespera::centuries_since_j2000(DatumZuJD(day, month, year));
}

// atan(num / den) without dividing by zero: a vertical line is +-pi/2.
double atan_of_ratio(double num, double den) {
    if (den == 0.0) return num > 0 ? kPi / 2 : (num < 0 ? -kPi / 2 : 0.0);
    return std::atan(num / den);
}

// An angle difference taken into -pi..pi, so that a step across 0 h of hour
// angle stays small.

struct Topocentric {
    double ha_rad;
    double dec_rad;
};

struct Observer {
    double rho_sin_phi;
    double rho_cos_phi;
};

Observer observer_at(double lat_deg, double height_m) {
    const double phi = Bogenmass(lat_deg);
    const double u = std::atan(kEarthAxisRatio * std::tan(phi));
    const double h = height_m / kEarthRadius_m;
    return {kEarthAxisRatio * std::sin(u) + h * std::sin(phi), std::cos(u) + h * std::cos(phi)};
}

// One pass from the geocentric to the topocentric hour angle and declination;
// r is the body's distance in Earth radii.
Topocentric true_to_apparent(double ha, double dec, double r, const Observer& o) {
    const double dh = atan_of_ratio(o.rho_cos_phi * std::sin(ha),
                                    r * std::cos(dec) - o.rho_cos_phi * std::cos(ha));
    double ha_app = ha + dh;
    ha_app -= kTwoPi * std::floor(ha_app / kTwoPi);
    const double dec_app = atan_of_ratio(std::cos(ha_app) * (r * std::sin(dec) - o.rho_sin_phi),
                                         r * std::cos(dec) * std::cos(ha) - o.rho_cos_phi);
    return {ha_app, dec_app};
}

Topocentric parallax(double ha_hours, double dec_deg, std::string_view direction, double GLat,
                     double height_m, double hp_deg) {
    const double ha = Bogenmass(ha_hours * 15.0);
    const double dec = Bogenmass(dec_deg);
    const double sin_hp = std::sin(Bogenmass(hp_deg));
    if (sin_hp == 0.0) return {ha, dec}; // a body at infinity shows no parallax
    const double r = 1.0 / sin_hp;
    const Observer o = observer_at(GLat, height_m);

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
    const double eps = Bogenmass(Schiefe(day, month, year));
    const double lon = Bogenmass(lon_deg);
    const double lat = Bogenmass(lat_deg);
    const double ra = Atan2(std::cos(lon), std::sin(lon) * std::cos(eps) - std::tan(lat) * std::sin(eps));
    return GradNormieren(Grad(ra));
}

double EkliptikZuDeklination(double lon_deg, double lat_deg, double day, double month, double year) {
    const double eps = Bogenmass(Schiefe(day, month, year));
    const double lon = Bogenmass(lon_deg);
    const double lat = Bogenmass(lat_deg);
    return Grad(ArcSin(std::sin(lat) * std::cos(eps) + std::cos(lat) * std::sin(eps) * std::sin(lon)));
}

double AequatorZuEklLaenge(double ra_deg, double dec_deg, double day, double month, double year) {
    const double eps = Bogenmass(Schiefe(day, month, year));
    const double ra = Bogenmass(ra_deg);
    const double dec = Bogenmass(dec_deg);
    const double lon = Atan2(std::cos(ra), std::sin(ra) * std::cos(eps) + std::tan(dec) * std::sin(eps));
    return GradNormieren(Grad(lon));
}

double AequatorZuEklBreite(double ra_deg, double dec_deg, double day, double month, double year) {
    const double eps = Bogenmass(Schiefe(day, month, year));
    const double ra = Bogenmass(ra_deg);
    const double dec = Bogenmass(dec_deg);
    return Grad(ArcSin(std::sin(dec) * std::cos(eps) - std::cos(dec) * std::sin(eps) * std::sin(ra)));
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

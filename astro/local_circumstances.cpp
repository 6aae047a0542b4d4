// Local circumstances of a solar eclipse: the topocentric Moon an hour before
// and after the new moon, the topocentric Sun, and the straight-line relative
// path between them, which gives greatest eclipse, the contacts and the
// magnitude. Duffett-Smith & Zwart, Practical Astronomy with your Calculator
// or Spreadsheet, 4th ed., the solar-eclipse circumstances. An eclipse that
// stays below the place's horizon from first to last contact is not seen there.
#include <cmath>
#include <numbers>
#include <optional>

#include "astro/AstroModule.h"
#include "astro/AstroModuleDetail.h"

namespace AstroModule::detail {

namespace {


constexpr double kMoonRadius_earth_radii = 0.272446;
constexpr double kSunRadius_au = 0.00465242;
constexpr double kEarthRadius_au = 0.00004263452;
// Aberration of the Sun's longitude, degrees.
constexpr double kSunAberration_deg = -0.00569;
// The Sun is taken one light-time (499 s) before the Moon's node crossing.
constexpr double kSunLightTime_hours = 0.13851852;
// The Sun's centre at rising and setting: refraction and semidiameter.
constexpr double kSunriseAltitude_deg = -0.833;

struct GreenwichDate {
    double day;
    double month;
    double year;
};

struct EclipticPlace {
    double lon_rad;
    double lat_rad;
};

// The place of a body as seen from (GLong, GLat) at sea level at ut_hours on
// the Greenwich date: through right ascension and hour angle, corrected for
// parallax, and back to the ecliptic.
EclipticPlace topocentric(double lon_deg, double lat_deg, double hp_deg, double ut_hours,
                          const GreenwichDate& g, double GLong, double GLat) {
    const double ra_deg = EkliptikZuRektaszension(lon_deg, lat_deg, g.day, g.month, g.year);
    const double dec_deg = EkliptikZuDeklination(lon_deg, lat_deg, g.day, g.month, g.year);
    const double ha_hours = RektaszensionZuStundenwinkel(ra_deg / 15.0, ut_hours, 0, 0, 0, 0, g.day,
                                                         g.month, g.year, GLong);
    const double ha_seen = ParallaxeStundenwinkel(ha_hours, dec_deg, "True", GLat, 0.0, hp_deg);
    const double dec_seen = ParallaxeDeklination(ha_hours, dec_deg, "True", GLat, 0.0, hp_deg);
    const double ra_seen = StundenwinkelZuRektaszension(ha_seen, ut_hours, 0, 0, 0, 0, g.day, g.month,
                                                        g.year, GLong);
    return {Bogenmass(AequatorZuEklLaenge(ra_seen * 15.0, dec_seen, g.day, g.month, g.year)),
            Bogenmass(AequatorZuEklBreite(ra_seen * 15.0, dec_seen, g.day, g.month, g.year))};
}

// Altitude of the Sun's centre (degrees, geocentric) at the place.
double sun_altitude_deg(double ut_hours, const GreenwichDate& g, double GLong, double GLat) {
    const double lon_deg = SonneLaenge(ut_hours, 0, 0, 0, 0, g.day, g.month, g.year) +
                           NutationLaenge(g.day, g.month, g.year) + kSunAberration_deg;
    const double ra_deg = EkliptikZuRektaszension(lon_deg, 0.0, g.day, g.month, g.year);
    const double dec = Bogenmass(EkliptikZuDeklination(lon_deg, 0.0, g.day, g.month, g.year));
    const double ha_hours = RektaszensionZuStundenwinkel(ra_deg / 15.0, ut_hours, 0, 0, 0, 0, g.day,
                                                         g.month, g.year, GLong);
    const double ha = Bogenmass(15.0 * ha_hours);
    const double lat = Bogenmass(GLat);
    return Grad(ArcSin(std::sin(lat) * std::sin(dec) + std::cos(lat) * std::cos(dec) * std::cos(ha)));
}

// The contact solution treats the Earth as transparent: a place on the night
// side shares the answer of the day-side place in line with it, so it would
// "see" an eclipse of a Sun below its horizon. The eclipse counts at a place
// only if the Sun is up at some moment between the contacts; samples five
// minutes apart find that, since the Sun's altitude has at most one turning
// point within a few hours.
bool sun_up_during(double first_ut, double last_ut, const GreenwichDate& g, double GLong, double GLat) {
    constexpr double kStep_hours = 5.0 / 60.0;
    const double span = last_ut - first_ut;
    if (!(span >= 0.0 && span <= 12.0)) return false;
    const int intervals = 1 + static_cast<int>(std::ceil(span / kStep_hours));
    for (int i = 0; i <= intervals; ++i) {
        const double ut = first_ut + span * i / intervals;
        if (sun_altitude_deg(ut, g, GLong, GLat) > kSunriseAltitude_deg) return true;
    }
    return false;
}

double forward_angle(double rad) { return rad < 0 ? rad + kTwoPi : rad; }

// A longitude difference taken into -pi..pi: Sun and Moon may stand on either
// side of the equinox.

std::optional<ContactSolution> local_eclipse(double day, double month, double year, double DS,
                                             double ZC, double GLong, double GLat) {
    const NewMoon nm = new_moon_of_lunation(lunation_number(DS, ZC, day, month, year));
    if (occurrence_for_node_distance(node_distance_rad(nm.argument_of_latitude_rad)) ==
        kNoSolarEclipse) {
        return std::nullopt;
    }
    const double day_with_fraction = JDZuTag(nm.jd_ut);
    const GreenwichDate g{std::trunc(day_with_fraction), JDZuMonat(nm.jd_ut), JDZuJahr(nm.jd_ut)};
    const double ut_new_moon = (day_with_fraction - g.day) * 24.0;
    const double ut1 = ut_new_moon - 1.0;
    const double ut2 = ut_new_moon + 1.0;

    const double sun1 = SonneLaenge(ut1, 0, 0, 0, 0, g.day, g.month, g.year);
    const double sun2 = SonneLaenge(ut2, 0, 0, 0, 0, g.day, g.month, g.year);

    const double hp1_deg = MondParallaxe(ut1, 0, 0, 0, 0, g.day, g.month, g.year);
    const double hp2_deg = MondParallaxe(ut2, 0, 0, 0, 0, g.day, g.month, g.year);
    const EclipticPlace moon1 =
        topocentric(MondLaenge(ut1, 0, 0, 0, 0, g.day, g.month, g.year),
                    MondBreite(ut1, 0, 0, 0, 0, g.day, g.month, g.year), hp1_deg, ut1, g, GLong, GLat);
    const EclipticPlace moon2 =
        topocentric(MondLaenge(ut2, 0, 0, 0, 0, g.day, g.month, g.year),
                    MondBreite(ut2, 0, 0, 0, 0, g.day, g.month, g.year), hp2_deg, ut2, g, GLong, GLat);
    if (moon2.lat_rad == moon1.lat_rad) return std::nullopt; // no node crossing to interpolate

    // The Moon's topocentric latitude passes 0 at t0 (linear between the two hours).
    const double t0 = ut2 - 2.0 * moon2.lat_rad / (moon2.lat_rad - moon1.lat_rad);
    const double t3 = t0 - kSunLightTime_hours;
    const double sun_distance_au = SonneAbstand(t3, 0, 0, 0, 0, g.day, g.month, g.year);
    if (!(sun_distance_au > 0)) return std::nullopt;
    const double sun_apparent_deg = SonneLaenge(t3, 0, 0, 0, 0, g.day, g.month, g.year) +
                                    NutationLaenge(g.day, g.month, g.year) + kSunAberration_deg;
    const EclipticPlace sun = topocentric(sun_apparent_deg, 0.0, Grad(kEarthRadius_au / sun_distance_au),
                                          t3, g, GLong, GLat);

    const ContactSolution solution =
        solve_contacts({ut_new_moon, moon1.lon_rad, moon1.lat_rad, moon2.lon_rad, moon2.lat_rad,
                        Bogenmass(hp1_deg), Bogenmass(hp2_deg),
                        forward_angle(Bogenmass(sun2) - Bogenmass(sun1)), t0, sun.lon_rad,
                        sun.lat_rad, sun_distance_au});
    if (solution.half_duration_sq >= 0) {
        const double half = std::sqrt(solution.half_duration_sq);
        if (!sun_up_during(solution.max_ut_hours - half, solution.max_ut_hours + half, g, GLong, GLat)) {
            return std::nullopt;
        }
    }
    return solution;
}

} // namespace

ContactSolution solve_contacts(const ContactInput& in) {
    constexpr ContactSolution kNoContact{0.0, -1.0, 0.0};
    const double moon_motion = forward_angle(in.moon_lon2_rad - in.moon_lon1_rad);
    const double rate = (moon_motion - in.sun_motion_rad) / 2.0; // relative motion, rad per hour
    if (!(rate > 0) || !(in.sun_distance_au > 0)) return kNoContact;

    const double t0 = in.latitude_crossing_ut_hours;
    const double moon_lon_t0 = in.moon_lon1_rad + (t0 - in.ut_new_moon_hours + 1.0) * moon_motion / 2.0;
    // Hours of relative motion: x from t0 to conjunction in longitude, y the
    // latitude difference at conjunction.
    const double x = signed_angle(in.sun_lon_rad - moon_lon_t0) / rate;
    const double tc = t0 + x;
    const double lat_diff2 = in.moon_lat2_rad - in.sun_lat_rad;
    const double lat_diff1 = in.moon_lat1_rad - in.sun_lat_rad;
    const double y = ((tc - in.ut_new_moon_hours - 1.0) * (lat_diff2 - lat_diff1) / 2.0 + lat_diff2) / rate;

    const double r2 = x * x + y * y;
    const double to_max = r2 > 0 ? x * x * x / r2 : 0.0;
    const double least_distance = r2 > 0 ? std::abs(x * y / std::sqrt(r2)) : 0.0;
    const double moon_radius = kMoonRadius_earth_radii * (in.moon_hp1_rad + in.moon_hp2_rad) / (2.0 * rate);
    const double sun_radius = kSunRadius_au / (rate * in.sun_distance_au);
    const double sum_of_radii = moon_radius + sun_radius;
    const double half_duration_sq =
        to_max * to_max - (x * x - sum_of_radii * sum_of_radii) * (x != 0 ? to_max / x : 0.0);
    return {t0 + to_max, half_duration_sq, (sum_of_radii - least_distance) / (2.0 * sun_radius)};
}

} // namespace AstroModule::detail

namespace AstroModule {

double Finsternis_Beginn(double day, double month, double year, double DS, double ZC, double GLong,
                         double GLat) {
    const auto e = detail::local_eclipse(day, month, year, DS, ZC, GLong, GLat);
    if (!e || !(e->half_duration_sq >= 0)) return kNoEclipseHere;
    // Into 0..24 both ways: a first contact after midnight UT of an eclipse
    // whose new moon falls late on the day before is no "24:15".
    const double begin = e->max_ut_hours - std::sqrt(e->half_duration_sq) + ZC;
    return begin - 24.0 * std::floor(begin / 24.0);
}

double Finsternis_Ende(double day, double month, double year, double DS, double ZC, double GLong,
                       double GLat) {
    const auto e = detail::local_eclipse(day, month, year, DS, ZC, GLong, GLat);
    // Without a real root there is no last contact either.
    if (!e || !(e->half_duration_sq >= 0)) return kNoEclipseHere;
    const double end = e->max_ut_hours + std::sqrt(e->half_duration_sq);
    return end - 24.0 * detail::Abrunden(end / 24.0);
}

double Finsternis_Groesse(double day, double month, double year, double DS, double ZC, double GLong,
                          double GLat) {
    const auto e = detail::local_eclipse(day, month, year, DS, ZC, GLong, GLat);
    if (!e || !(e->half_duration_sq >= 0)) return kNoEclipseHere;
    return e->magnitude;
}

} // namespace AstroModule

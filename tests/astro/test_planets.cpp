// The planets of the ephemeris layer: Meeus's worked examples, the
// magnitudes of Mallama & Hilton's own program, and the constellation test
// positions of Roman's catalogue.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ephemeris/angles.h"
#include "ephemeris/constellations.h"
#include "ephemeris/planet_magnitude.h"
#include "ephemeris/planets.h"
#include "ephemeris/precession.h"
#include "published_values.h"

namespace {

constexpr double kArcsec = 1.0 / 3600.0;
constexpr double kExample33aJde = 2448976.5; // 1992 December 20, 0h TD

TEST(Planets, MeeusExamples32aAnd33aVenus) {
    // Example 32.a: the heliocentric place from the abridged series.
    const vespera::EclipticVector v = vespera::planet_heliocentric(vespera::Planet::Venus, kExample33aJde);
    const double longitude_deg = vespera::reduce_degrees(std::atan2(v.y_au, v.x_au) / vespera::kRadPerDeg);
    const double latitude_deg = std::atan2(v.z_au, std::hypot(v.x_au, v.y_au)) / vespera::kRadPerDeg;
    // Example 33.a: the apparent place. The book's nutation is the full
    // series; the four largest terms used here leave under an arcsecond.
    const vespera::PlanetPlace p = vespera::planet_place(vespera::Planet::Venus, kExample33aJde);
    expect_published({
        {"L", longitude_deg, 26.11428, 0.00001},
        {"B", latitude_deg, -2.62070, 0.00001},
        {"R", vespera::length(v), 0.724603, 0.000001},
        {"right ascension", p.right_ascension_deg, hms_deg(21, 4, 41.454), 1.0 * kArcsec},
        {"declination", p.declination_deg, dms(-18, 53, 16.84), 1.0 * kArcsec},
    });
}

TEST(Planets, MagnitudesOfTheAlmanacProgram) {
    // Input and output rows of Ap_Mag_V3 (Mallama & Hilton 2018, the
    // program published with the paper). Its Mars adds the tables for
    // rotation and season that are left out here: a tenth of a magnitude.
    using vespera::Planet;
    struct Row {
        Planet planet;
        vespera::MagnitudeGeometry g;
        double published;
        double tolerance;
    };
    const Row rows[] = {
        {Planet::Mercury, {0.310295423552, 1.32182643625754, 1.1677, 0, 0, 2006}, -2.477, 0.0005},
        {Planet::Mercury, {0.413629222334, 0.92644808718613, 90.1662, 0, 0, 2006}, 0.181, 0.0005},
        {Planet::Mercury, {0.448947624811, 0.56004973217883, 178.7284, 0, 0, 2006}, 7.167, 0.0005},
        {Planet::Venus, {0.722722540169, 1.71607489554051, 1.3232, 0, 0, 2006}, -3.917, 0.0005},
        {Planet::Venus, {0.721480714554, 0.37762511206278, 124.1348, 0, 0, 2006}, -4.916, 0.0005},
        {Planet::Venus, {0.726166592736, 0.28889582420642, 179.1845, 0, 0, 2006}, -3.090, 0.0005},
        {Planet::Mars, {1.381191244505, 0.37274381097911, 4.8948, 0, 0, 2006}, -2.862, 0.1},
        {Planet::Jupiter, {4.957681473205, 3.95393078136013, 0.3431, 0, 0, 2006}, -2.934, 0.0005},
        {Planet::Saturn, {9.014989659493, 8.03160470546889, 0.1055, -26.224864126755417, -26.332275658328648, 2006},
         -0.552, 0.0005},
        {Planet::Uranus, {18.321003215845, 17.3229728525108, 0.0410, -20.29, -20.28, 2006}, 5.381, 0.0005},
    };
    double worst = 0.0;
    for (const Row& row : rows) {
        const double m = vespera::planet_magnitude(row.planet, row.g);
        EXPECT_NEAR(m, row.published, row.tolerance) << static_cast<int>(row.planet) << " at " << row.g.phase_angle_deg;
        if (row.tolerance < 0.01) worst = std::max(worst, std::fabs(m - row.published));
    }
    RecordProperty("worst_magnitude_error", std::to_string(worst));
}

TEST(Planets, ConstellationTestPositionsOfTheCatalogue) {
    // CDS VI/42 (Roman 1987), its test positions, equinox 1950.0.
    struct Row {
        double ra_hours;
        double dec_deg;
        const char* abbreviation;
    };
    const Row rows[] = {{9.0, 65.0, "UMa"},       {23.5, -20.0, "Aqr"},     {5.12, 9.12, "Ori"},
                        {9.4555, -19.9, "Hya"},   {12.8888, 22.0, "Com"},   {15.6687, -12.1234, "Lib"},
                        {19.0, -40.0, "CrA"},     {6.2222, -81.1234, "Men"}};
    constexpr double kB1950_jde = 2433282.4235;
    for (const Row& row : rows) {
        const std::size_t i = vespera::constellation_index(15.0 * row.ra_hours, row.dec_deg, kB1950_jde);
        ASSERT_LT(i, vespera::kConstellations.size());
        EXPECT_EQ(vespera::kConstellations[i].abbreviation, row.abbreviation) << row.ra_hours << " " << row.dec_deg;
    }
    EXPECT_EQ(vespera::constellation_index(NAN, 0.0, kB1950_jde), vespera::kNoConstellation);
}

TEST(Planets, PrecessionMeeusExample21b) {
    // Theta Persei from J2000.0 to 2028 November 13.19 TD (Meeus, Example 21.b),
    // its proper motion already applied.
    const vespera::Equatorial p =
        vespera::precessed({41.054063, 49.227750}, 2451545.0, 2462088.69);
    expect_published({
        {"right ascension", p.right_ascension_deg, 41.547214, 0.000005},
        {"declination", p.declination_deg, 49.348483, 0.000005},
    });
}

} // namespace

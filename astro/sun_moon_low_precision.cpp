// The eclipse module's Sun and Moon at a local civil time: the 1900-epoch
// low-precision theories of the ephemeris, reached through the module's own
// conversion of local civil time to universal time.
#include "astro/AstroModuleDetail.h"
#include "ephemeris/low_precision_1900.h"

namespace AstroModule::detail {

namespace {

// Days from 1900 January 0.5 of a local civil time.
double days_since_1900(double h, double m, double s, double DS, double ZC, double day,
                       double month, double year) {
    const UniversalTime ut = local_to_universal(h, m, s, DS, ZC, day, month, year);
    return DatumZuJD(ut.day, ut.month, ut.year) - 2415020.0 + ut.ut_hours / 24.0;
}

} // namespace

double SonneLaenge(double h, double m, double s, double DS, double ZC, double day, double month,
                   double year) {
    return vespera::sun_1900(days_since_1900(h, m, s, DS, ZC, day, month, year)).lon_deg;
}

double SonneAbstand(double h, double m, double s, double DS, double ZC, double day, double month,
                    double year) {
    return vespera::sun_1900(days_since_1900(h, m, s, DS, ZC, day, month, year)).distance_au;
}

double MondLaenge(double h, double m, double s, double DS, double ZC, double day, double month,
                  double year) {
    return vespera::moon_1900(days_since_1900(h, m, s, DS, ZC, day, month, year)).lon_deg;
}

double MondBreite(double h, double m, double s, double DS, double ZC, double day, double month,
                  double year) {
    return vespera::moon_1900(days_since_1900(h, m, s, DS, ZC, day, month, year)).lat_deg;
}

double MondParallaxe(double h, double m, double s, double DS, double ZC, double day, double month,
                     double year) {
    return vespera::moon_1900(days_since_1900(h, m, s, DS, ZC, day, month, year)).parallax_deg;
}

} // namespace AstroModule::detail

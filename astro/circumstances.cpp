// The module's three circumstance routines: the local circumstances of the
// accurate Sun and Moon, for the new moon the occurrence test chose, as hours
// of the day in the described ranges.
#include <cmath>

#include "astro/AstroModule.h"
#include "astro/AstroModuleDetail.h"
#include "astro/solar_eclipse.h"

namespace {

// The eclipse of the date's new moon at the place, if the occurrence test
// allows one and the Sun is up during some part of it.
vespera::LocalSolarEclipse seen_eclipse(double day, double month, double year, double DS, double ZC,
                                        double GLong, double GLat) {
    namespace d = AstroModule::detail;
    const d::NewMoon nm = d::new_moon_of_lunation(d::lunation_number(DS, ZC, day, month, year));
    if (d::occurrence_for_node_distance(d::node_distance_rad(nm.argument_of_latitude_rad)) ==
        AstroModule::kNoSolarEclipse) {
        return {};
    }
    vespera::LocalSolarEclipse e = vespera::local_solar_eclipse(nm.jd_ut, GLat, GLong);
    if (!e.visible) e.kind = vespera::SolarEclipseKind::None;
    return e;
}

// Hours since the midnight (UT) before an instant, shifted by `shift_hours`
// and reduced into 0..24.
double hours_of_day(double jd_ut, double shift_hours) {
    const double hours = (jd_ut + 0.5 - std::floor(jd_ut + 0.5)) * 24.0 + shift_hours;
    double reduced = std::fmod(hours, 24.0); // exact, also for a huge shift
    if (reduced < 0.0) reduced += 24.0;
    return reduced < 24.0 ? reduced : 0.0;
}

} // namespace

namespace AstroModule {

double Finsternis_Beginn(double day, double month, double year, double DS, double ZC, double GLong,
                         double GLat) {
    const vespera::LocalSolarEclipse e = seen_eclipse(day, month, year, DS, ZC, GLong, GLat);
    if (e.kind == vespera::SolarEclipseKind::None || !std::isfinite(ZC)) return kNoEclipseHere;
    return hours_of_day(e.first.jd_ut, ZC);
}

double Finsternis_Ende(double day, double month, double year, double DS, double ZC, double GLong,
                       double GLat) {
    const vespera::LocalSolarEclipse e = seen_eclipse(day, month, year, DS, ZC, GLong, GLat);
    if (e.kind == vespera::SolarEclipseKind::None) return kNoEclipseHere;
    return hours_of_day(e.last.jd_ut, 0.0);
}

double Finsternis_Groesse(double day, double month, double year, double DS, double ZC, double GLong,
                          double GLat) {
    const vespera::LocalSolarEclipse e = seen_eclipse(day, month, year, DS, ZC, GLong, GLat);
    if (e.kind == vespera::SolarEclipseKind::None) return kNoEclipseHere;
    return e.magnitude;
}

} // namespace AstroModule

// The eclipse module with arbitrary doubles (NaN, infinities, huge and
// negative values) in its five entry points, its detail routines and the
// solar and lunar eclipse geometry: nothing
// may crash, hang or run into undefined behaviour, and for finite arguments
// the entry points stay within their documented ranges.
#include <cmath>
#include <string>

#include "astro/AstroModule.h"
#include "astro/AstroModuleDetail.h"
#include "astro/lunar_eclipse.h"
#include "astro/solar_eclipse.h"
#include "fuzz/fuzz_input.h"

namespace {

namespace am = AstroModule;
namespace d = AstroModule::detail;

bool all_finite(std::initializer_list<double> values) {
    for (const double v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

std::string args(std::initializer_list<double> values) {
    std::string text;
    char buffer[40];
    for (const double v : values) {
        std::snprintf(buffer, sizeof buffer, "%.17g", v);
        if (!text.empty()) text += ", ";
        text += buffer;
    }
    return "(" + text + ")";
}

// A contact time in hours: reduced into 0..24, or "no eclipse here".
void check_contact(double hours, const char* name, std::initializer_list<double> arguments) {
    if (!all_finite(arguments)) return;
    fuzz::check(hours == am::kNoEclipseHere || (hours >= 0.0 && hours < 24.0),
                std::string(name) + args(arguments) + " = " + args({hours}));
}

void entry_points(fuzz::Reader& in) {
    const double day = in.real(), month = in.real(), year = in.real();
    const double ds = in.real(), zc = in.real(), lon = in.real(), lat = in.real();
    switch (in.byte() % 5) {
    case 0: {
        const std::string text = am::Finsternis_Vorkommen(ds, zc, day, month, year);
        fuzz::check(text == am::kNoSolarEclipse || text == am::kSolarEclipsePossible ||
                        text == am::kSolarEclipseCertain,
                    "Finsternis_Vorkommen: " + text);
        break;
    }
    case 1: (void)am::Neumond_JD(ds, zc, day, month, year); break;
    case 2:
        check_contact(am::Finsternis_Beginn(day, month, year, ds, zc, lon, lat), "Finsternis_Beginn",
                      {day, month, year, ds, zc, lon, lat});
        break;
    case 3:
        check_contact(am::Finsternis_Ende(day, month, year, ds, zc, lon, lat), "Finsternis_Ende",
                      {day, month, year, ds, zc, lon, lat});
        break;
    default: {
        const double size = am::Finsternis_Groesse(day, month, year, ds, zc, lon, lat);
        if (all_finite({day, month, year, ds, zc, lon, lat})) {
            fuzz::check(size == am::kNoEclipseHere || std::isfinite(size),
                        "Finsternis_Groesse" + args({day, month, year, ds, zc, lon, lat}) + " = " + args({size}));
        }
        break;
    }
    }
}

void detail_routines(fuzz::Reader& in) {
    const double a = in.real(), b = in.real(), c = in.real(), e = in.real(), f = in.real(), g = in.real(),
                 h = in.real(), i = in.real();
    switch (in.byte() % 6) {
    case 0: (void)d::GradNormieren(a); (void)d::Abrunden(a); (void)d::Bruchteil(a); break;
    case 1: (void)d::DatumZuJD(a, b, c); (void)d::JDZuTag(a); (void)d::JDZuMonat(a); (void)d::JDZuJahr(a); break;
    case 2: (void)d::local_to_universal(a, b, c, e, f, g, h, i); break;
    case 3: (void)d::lunation_number(a, b, c, e, f); break;
    case 4: (void)d::new_moon_of_lunation(a); break;
    default: {
        const std::string_view text = d::occurrence_for_node_distance(d::node_distance_rad(a));
        fuzz::check(text == am::kNoSolarEclipse || text == am::kSolarEclipsePossible ||
                        text == am::kSolarEclipseCertain,
                    "occurrence_for_node_distance");
        break;
    }
    }
}

// The eclipse geometry itself: any instant and place gives a kind and, for
// an eclipse, contacts in time order.
void eclipse_geometry(fuzz::Reader& in) {
    const double jd = in.real(), lat = in.real(), lon = in.real();
    switch (in.byte() % 3) {
    case 0: {
        const vespera::LocalSolarEclipse e = vespera::local_solar_eclipse(jd, lat, lon);
        if (e.kind != vespera::SolarEclipseKind::None) {
            fuzz::check(e.first.jd_ut <= e.maximum.jd_ut && e.maximum.jd_ut <= e.last.jd_ut,
                        "local_solar_eclipse contacts out of order" + args({jd, lat, lon}));
            fuzz::check(e.obscuration >= 0.0 && e.obscuration <= 1.0, "obscuration" + args({jd, lat, lon}));
        }
        break;
    }
    case 1: (void)vespera::global_solar_eclipse(jd); break;
    default: {
        const vespera::LunarEclipse e = vespera::lunar_eclipse_near(jd);
        (void)vespera::lunar_eclipse_seen_from(e, lat, lon);
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reader in(data, size);
    for (int call = 0; call < 8 && !in.empty(); ++call) {
        switch (in.byte() % 3) {
        case 0: entry_points(in); break;
        case 1: detail_routines(in); break;
        default: eclipse_geometry(in); break;
        }
    }
    return 0;
}

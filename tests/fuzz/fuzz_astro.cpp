// The eclipse module with arbitrary doubles (NaN, infinities, huge and
// negative values) in its five entry points and its detail routines: nothing
// may crash, hang or run into undefined behaviour, and for finite arguments
// the entry points stay within their documented ranges.
#include <cmath>
#include <string>

#include "astro/AstroModule.h"
#include "astro/AstroModuleDetail.h"
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
                 h = in.real(), i = in.real(), j = in.real(), k = in.real();
    const char* const direction = in.flag() ? "True" : "Apparent";
    switch (in.byte() % 16) {
    case 0: (void)d::GradNormieren(a); (void)d::Abrunden(a); (void)d::Bruchteil(a); break;
    case 1: (void)d::DatumZuJD(a, b, c); (void)d::JDZuTag(a); (void)d::JDZuMonat(a); (void)d::JDZuJahr(a); break;
    case 2: (void)d::GMSZuDezimal(a, b, c); (void)d::local_to_universal(a, b, c, e, f, g, h, i); break;
    case 3:
        (void)d::OrtszeitZuWeltzeit(a, b, c, e, f, g, h, i);
        (void)d::OrtszeitZuWeltTag(a, b, c, e, f, g, h, i);
        (void)d::OrtszeitZuWeltMonat(a, b, c, e, f, g, h, i);
        (void)d::OrtszeitZuWeltJahr(a, b, c, e, f, g, h, i);
        break;
    case 4: (void)d::WeltzeitZuSternzeit(a, b, c, e, f, g); (void)d::SternzeitZuOrtssternzeit(a, b, c, e); break;
    case 5:
        (void)d::RektaszensionZuStundenwinkel(a, b, c, e, f, g, h, i, j, k);
        (void)d::StundenwinkelZuRektaszension(a, b, c, e, f, g, h, i, j, k);
        break;
    case 6: {
        (void)d::Bogenmass(a);
        (void)d::Grad(a);
        const double angle = d::Atan2(a, b);
        if (all_finite({a, b})) fuzz::check(angle >= 0.0 && angle <= d::kTwoPi, "Atan2" + args({a, b}));
        const double arcsine = d::ArcSin(a);
        if (!std::isnan(a)) {
            fuzz::check(std::fabs(arcsine) <= d::kPi / 2 + 1e-12, "ArcSin" + args({a}) + " = " + args({arcsine}));
        }
        (void)d::signed_angle(a);
        break;
    }
    case 7: (void)d::Schiefe(a, b, c); (void)d::NutationLaenge(a, b, c); (void)d::NutationSchiefe(a, b, c); break;
    case 8:
        (void)d::EkliptikZuRektaszension(a, b, c, e, f);
        (void)d::EkliptikZuDeklination(a, b, c, e, f);
        (void)d::AequatorZuEklLaenge(a, b, c, e, f);
        (void)d::AequatorZuEklBreite(a, b, c, e, f);
        break;
    case 9:
        (void)d::ParallaxeStundenwinkel(a, b, direction, c, e, f);
        (void)d::ParallaxeDeklination(a, b, direction, c, e, f);
        break;
    case 10:
        (void)d::SonneLaenge(a, b, c, e, f, g, h, i);
        (void)d::SonneAbstand(a, b, c, e, f, g, h, i);
        break;
    case 11:
        (void)d::MondLaenge(a, b, c, e, f, g, h, i);
        (void)d::MondBreite(a, b, c, e, f, g, h, i);
        (void)d::MondParallaxe(a, b, c, e, f, g, h, i);
        break;
    case 12: (void)d::lunation_number(a, b, c, e, f); break;
    case 13: (void)d::new_moon_of_lunation(a); break;
    case 14: {
        const std::string_view text = d::occurrence_for_node_distance(d::node_distance_rad(a));
        fuzz::check(text == am::kNoSolarEclipse || text == am::kSolarEclipsePossible ||
                        text == am::kSolarEclipseCertain,
                    "occurrence_for_node_distance");
        break;
    }
    default: {
        const d::ContactInput input{a, b, c, e, f, g, h, i, j, k, in.real(), in.real()};
        (void)d::solve_contacts(input);
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reader in(data, size);
    for (int call = 0; call < 8 && !in.empty(); ++call) {
        if (in.flag()) {
            entry_points(in);
        } else {
            detail_routines(in);
        }
    }
    return 0;
}

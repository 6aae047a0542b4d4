// Whether the set day's nearest new moon eclipses the Sun at the engine's
// place, and the Saros series of that eclipse.
#include <cmath>
#include <cstdint>

#include "astro/AstroModule.h"
#include "astro/AstroModuleDetail.h"
#include "engine/clsCalendar.h"

namespace {

// The total eclipse of 11 August 1999 belongs to Saros 145; its new moon is
// lunation 1232 of the eclipse module's count (lunation 0 near 1900 January 0).
constexpr std::int64_t kAnchorLunation = 1232;
constexpr std::int64_t kAnchorSaros = 145;

// One saros (223 lunations) stays in a series, one inex (358 lunations) moves
// to the next. Since 1 = 38 * 358 - 61 * 223, a distance of n lunations is
// n = 223 s + 358 i with s = -61 n - 358 t, i = 38 n + 223 t for any whole t.
// The t with the least |s| keeps the eclipse within a few saros of the anchor
// in its own series: a series lives about 1300 years (some 73 saros), while
// the next solution lies 358 saros away. (van den Bergh, Periodicity and
// Variation of Solar (and Lunar) Eclipses, 1955; Meeus, Mathematical
// Astronomy Morsels, ch. on the saros and inex.)
std::int64_t saros_series(std::int64_t lunation) {
    constexpr std::int64_t kSaros = 223;
    constexpr std::int64_t kInex = 358;
    const std::int64_t n = lunation - kAnchorLunation;
    const std::int64_t s0 = -61 * n;
    const std::int64_t i0 = 38 * n;
    // Nearest whole t to s0 / 358, halves away from zero.
    const std::int64_t t = (s0 >= 0 ? s0 + kInex / 2 : s0 - kInex / 2) / kInex;
    return kAnchorSaros + i0 + kSaros * t;
}

} // namespace

void clsCalendar::Sonnenstrahlung() {
    guarded_void("Sonnenstrahlung", [&] {
        f_.IstSonnenfinsternis = false;
        f_.Saroszyklus = 0;
        const double day = f_.Tag;
        const double month = f_.Monat;
        const double year = f_.Jahr;
        // Finsternis_Beginn answers the sentinel both when no eclipse is due
        // and when the place lies outside the Moon's penumbra.
        const double begin =
            AstroModule::Finsternis_Beginn(day, month, year, 0, 0, f_.Longitude, f_.Latitude);
        if (!(begin >= 0)) return;
        const double k = AstroModule::detail::lunation_number(0, 0, day, month, year);
        const std::int64_t series = saros_series(vespera::round_to_long(k));
        f_.Saroszyklus = vespera::to_long(series);
        f_.IstSonnenfinsternis = true;
    });
}

// Whether the set day's nearest new moon eclipses the Sun at the engine's
// place, and the Saros series of that eclipse.
#include <cmath>
#include <cstdint>

#include "astro/AstroModule.h"
#include "astro/AstroModuleDetail.h"
#include "engine/clsCalendar.h"
#include "sky/saros.h"

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
        const std::int64_t series = vespera::saros_series(vespera::round_to_long(k));
        f_.Saroszyklus = vespera::to_long(series);
        f_.IstSonnenfinsternis = true;
    });
}

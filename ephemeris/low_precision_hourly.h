// The low-precision Sun and Moon of the hourly rise and set search. They stay
// beside the accurate ones because the search samples them 25 times a day and
// their minute-rounded times have always been the ones shown; the accurate
// theories would cost a hundred times more for changes under a minute.
#pragma once

namespace vespera {

struct EquatorialPlace {
    double ra_hours;
    double dec_deg;
};

// t in Julian centuries of UT from J2000.0; geocentric, equator of date
// (Sun) and of J2000.0 (Moon), as the routines were published.
EquatorialPlace mini_sun(double t);
EquatorialPlace mini_moon(double t);

} // namespace vespera

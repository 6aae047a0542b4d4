// The Sun's twilights over one local day at one place: nautical (-12 deg)
// and astronomical (-18 deg) twilight as morning and evening crossings, and
// the photographers' golden hour (-4 .. +6 deg) and blue hour (-8 .. -4 deg)
// as the spans the Sun's centre spends in its band. Geometric altitudes of
// the Sun's centre, no refraction, as the definitions of these terms use
// them (nautical and astronomical twilight: the Explanatory Supplement to
// the Astronomical Almanac, 3rd ed., 7.2). Instants are UT Julian Days.
#pragma once

#include <vector>

#include "sky/day_event.h"

namespace vespera {

inline constexpr double kCivilTwilightAltitude_deg = -6.0;
inline constexpr double kNauticalTwilightAltitude_deg = -12.0;
inline constexpr double kAstronomicalTwilightAltitude_deg = -18.0;
inline constexpr double kBlueHourLowAltitude_deg = -8.0;
inline constexpr double kBlueHourHighAltitude_deg = -4.0; // also the golden hour's low edge
inline constexpr double kGoldenHourHighAltitude_deg = 6.0;

// Morning: the Sun rising through the altitude; evening: setting through it.
// AlwaysAbove / AlwaysBelow: the Sun stays on one side of it all day.
struct TwilightTimes {
    DayEvent morning;
    DayEvent evening;
};

// One span of the day in a band; a span that runs on from the day before
// or into the next day is cut at the day's edge and says so.
struct BandSpan {
    double from_jd_ut = 0.0;
    double until_jd_ut = 0.0;
    bool from_day_start = false;
    bool until_day_end = false;
};

enum class BandStatus {
    Spans,       // `spans` holds the day's spans in time order
    AlwaysAbove, // the Sun stays above the band all day
    AlwaysBelow, // below it all day
};

struct BandSpans {
    BandStatus status = BandStatus::AlwaysBelow;
    std::vector<BandSpan> spans;
};

struct Twilights {
    TwilightTimes nautical;
    TwilightTimes astronomical;
    BandSpans golden_hour;
    BandSpans blue_hour;
};

// The day is the span [start_jd_ut, end_jd_ut) of a local civil day (23, 24
// or 25 hours); longitude east and latitude north positive, degrees. Input
// that is not finite or a span over two days gives the empty result of
// polar night.
Twilights twilights_of_day(double start_jd_ut, double end_jd_ut, double longitude_deg, double latitude_deg);

} // namespace vespera

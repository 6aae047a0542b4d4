#include "report/sky_samples.h"

#include <algorithm>
#include <cmath>

#include "ephemeris/calendar.h"

namespace vespera::report {
namespace {

// The highest of the samples, refined by the parabola through it and its
// neighbours and read once more at the parabola's vertex.
template <class Altitude>
SkyHighest highest(const std::vector<double>& samples, double start_jd_ut, double step_days, Altitude&& altitude,
                   clsCalendar& cal) {
    const auto top = std::max_element(samples.begin(), samples.end());
    const auto i = static_cast<std::size_t>(top - samples.begin());
    double jd_ut = start_jd_ut + static_cast<double>(i) * step_days;
    double best = *top;
    if (i > 0 && i + 1 < samples.size()) {
        const double ym = samples[i - 1];
        const double yp = samples[i + 1];
        const double curvature = ym - 2.0 * best + yp;
        if (curvature < 0.0) {
            const double x = 0.5 * (ym - yp) / curvature;
            const double refined_jd = jd_ut + x * step_days;
            const double refined = altitude(refined_jd);
            if (refined > best) {
                best = refined;
                jd_ut = refined_jd;
            }
        }
    }
    const double local_jd = cal.local_jd_at(jd_ut) + 0.5;
    return {best, (local_jd - std::floor(local_jd)) * 24.0};
}

} // namespace

SkyDay sky_of_day(clsCalendar& cal, int samples) {
    SkyDay day;
    const clsCalendar::DaySpan span = cal.local_day_span();
    day.start_jd_ut = span.start_jd_ut;
    day.span_hours = span.hours;
    const int n = std::max(samples, 2);
    const double step_days = span.hours / 24.0 / (n - 1);
    day.sun_altitude_deg.reserve(static_cast<std::size_t>(n));
    day.moon_altitude_deg.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double jd_ut = span.start_jd_ut + i * step_days;
        day.sun_altitude_deg.push_back(cal.sun_altitude_deg_at(jd_ut));
        day.moon_altitude_deg.push_back(cal.moon_altitude_deg_at(jd_ut));
    }
    day.sun_highest = highest(day.sun_altitude_deg, span.start_jd_ut, step_days,
                              [&](double jd_ut) { return cal.sun_altitude_deg_at(jd_ut); }, cal);
    day.moon_highest = highest(day.moon_altitude_deg, span.start_jd_ut, step_days,
                               [&](double jd_ut) { return cal.moon_altitude_deg_at(jd_ut); }, cal);
    const int whole_hours = static_cast<int>(std::lround(span.hours));
    for (int hour = 0; hour <= whole_hours; ++hour) {
        // Half a minute in, so that an hour's own instant reads as that hour.
        const double local_jd = cal.local_jd_at(span.start_jd_ut + (hour + 1.0 / 120.0) / 24.0) + 0.5;
        day.clock_hour_labels.push_back(static_cast<int>(std::floor((local_jd - std::floor(local_jd)) * 24.0)));
    }
    // The day ends at 24 o'clock, not at the next day's 0.
    if (!day.clock_hour_labels.empty() && day.clock_hour_labels.back() == 0) day.clock_hour_labels.back() = 24;
    return day;
}

std::vector<double> day_lengths_of_year(clsCalendar& cal) {
    const std::int64_t first = vespera::day_number(cal.Jahr(), 1, 1);
    const std::int64_t count = vespera::day_number(cal.Jahr() + 1, 1, 1) - first;
    std::vector<double> hours(static_cast<std::size_t>(count), 0.0);
    const auto exact = [&](std::int64_t i) {
        hours[static_cast<std::size_t>(i)] = cal.day_length_hours(static_cast<std::int32_t>(first + i));
    };
    // Every fourth day as the day report counts it, a straight line between
    // where the length changes by less than half an hour in those four days:
    // it then bends so little that the line misses by seconds, at a quarter
    // of the cost. Faster change (high latitudes) and polar day and night are
    // counted day by day.
    constexpr std::int64_t kStep = 4;
    for (std::int64_t i = 0; i < count; i += kStep) exact(i);
    exact(count - 1);
    for (std::int64_t i = 0; i < count - 1; i += kStep) {
        const std::int64_t j = std::min(i + kStep, count - 1);
        const double a = hours[static_cast<std::size_t>(i)];
        const double b = hours[static_cast<std::size_t>(j)];
        const bool smooth = std::abs(b - a) < 0.5 && a > 0.0 && a < 24.0 && b > 0.0 && b < 24.0;
        for (std::int64_t k = i + 1; k < j; ++k) {
            if (smooth) {
                hours[static_cast<std::size_t>(k)] = a + (b - a) * static_cast<double>(k - i) / static_cast<double>(j - i);
            } else {
                exact(k);
            }
        }
    }
    // The longest and the shortest day are named: every day around them exactly.
    const auto longest = std::max_element(hours.begin(), hours.end()) - hours.begin();
    const auto shortest = std::min_element(hours.begin(), hours.end()) - hours.begin();
    for (const std::int64_t extreme : {static_cast<std::int64_t>(longest), static_cast<std::int64_t>(shortest)}) {
        for (std::int64_t k = std::max<std::int64_t>(0, extreme - kStep); k <= std::min(count - 1, extreme + kStep); ++k) {
            exact(k);
        }
    }
    return hours;
}

PlaceYear place_year_of(const clsCalendar& cal) {
    return {cal.Jahr(), cal.Longitude(), cal.Latitude(), cal.Zeitzone_Offset(), cal.Zeitzone()};
}

const std::vector<double>& YearDayLengths::of(clsCalendar& cal) {
    const PlaceYear key = place_year_of(cal);
    if (!valid_ || !(key == key_)) {
        const std::uint64_t faults = cal.fault_count();
        hours_ = day_lengths_of_year(cal);
        key_ = key;
        // After a fault the next call counts again.
        valid_ = cal.fault_count() == faults;
    }
    return hours_;
}

} // namespace vespera::report

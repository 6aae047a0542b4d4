#include "sky/horizon_crossings.h"

#include <algorithm>
#include <cmath>

#include "ephemeris/root_finding.h"

namespace vespera {
namespace {

constexpr double kStep_days = 1.0 / 24.0;     // an hour: a body's height is smooth over it
constexpr double kSecond_days = 1.0 / 86400.0;
// A parabola's extremum this close to the threshold (in the height's units)
// is probed: the hourly samples cannot tell whether it gets across.
constexpr double kNearThreshold = 0.02;

// The extremum of the parabola through (-1, a), (0, b), (+1, c), when it
// lies between -1 and +1 on the samples' side of zero and within `near` of
// it (a maximum below zero, a minimum above).
bool turns_near_zero(double a, double b, double c, double& x_extremum) {
    const double curvature = 0.5 * (a + c) - b;
    if (curvature == 0.0 || (a > 0.0) != (b > 0.0) || (b > 0.0) != (c > 0.0)) return false;
    if ((b > 0.0) != (curvature > 0.0)) return false; // turns away from zero
    x_extremum = -0.25 * (c - a) / curvature;
    const double y_extremum = b - curvature * x_extremum * x_extremum;
    return std::fabs(x_extremum) < 1.0 && std::fabs(y_extremum) < kNearThreshold;
}

} // namespace

std::vector<Crossing> threshold_crossings(const std::function<double(double)>& height, double from_jd_ut,
                                          double to_jd_ut) {
    std::vector<Crossing> found;
    if (!std::isfinite(from_jd_ut) || !std::isfinite(to_jd_ut) || !(to_jd_ut > from_jd_ut)) return found;
    const int steps = static_cast<int>(std::ceil((to_jd_ut - from_jd_ut) / kStep_days - 1e-9));
    const double step = (to_jd_ut - from_jd_ut) / steps;
    const auto t_of = [&](int i) { return from_jd_ut + i * step; };
    std::vector<double> samples(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) samples[static_cast<std::size_t>(i)] = height(t_of(i));
    const auto refine = [&](double a, double fa, double b, double fb) {
        const double t = zero_between(height, a, fa, b, fb, kSecond_days, 60);
        found.push_back({t, fb > 0.0});
    };
    for (int i = 0; i < steps; ++i) {
        const double fa = samples[static_cast<std::size_t>(i)];
        const double fb = samples[static_cast<std::size_t>(i + 1)];
        if (!std::isfinite(fa) || !std::isfinite(fb)) continue;
        if ((fa > 0.0) != (fb > 0.0)) {
            refine(t_of(i), fa, t_of(i + 1), fb);
            continue;
        }
        // No sign change: a parabola through this step and the next sample
        // tells whether the height turns back between the samples.
        if (i + 1 >= steps) continue;
        const double fc = samples[static_cast<std::size_t>(i + 2)];
        double x_extremum = 0.0;
        if (!turns_near_zero(fa, fb, fc, x_extremum)) continue;
        const double t_extremum = t_of(i + 1) + x_extremum * step;
        const double f_extremum = height(t_extremum);
        if ((f_extremum > 0.0) == (fb > 0.0)) continue;
        const double t_before = t_extremum <= t_of(i + 1) ? t_of(i) : t_of(i + 1);
        const double f_before = t_extremum <= t_of(i + 1) ? fa : fb;
        const double t_after = t_extremum <= t_of(i + 1) ? t_of(i + 1) : t_of(i + 2);
        const double f_after = t_extremum <= t_of(i + 1) ? fb : fc;
        refine(t_before, f_before, t_extremum, f_extremum);
        refine(t_extremum, f_extremum, t_after, f_after);
    }
    std::sort(found.begin(), found.end(), [](const Crossing& a, const Crossing& b) { return a.jd_ut < b.jd_ut; });
    // A brief passage found from two windows is one passage.
    found.erase(std::unique(found.begin(), found.end(),
                            [](const Crossing& a, const Crossing& b) {
                                return a.rising == b.rising && std::fabs(a.jd_ut - b.jd_ut) < 2.0 * kSecond_days;
                            }),
                found.end());
    return found;
}

const Crossing* first_after(const std::vector<Crossing>& crossings, double jd_ut, bool rising) {
    for (const Crossing& c : crossings) {
        if (c.rising == rising && c.jd_ut >= jd_ut) return &c;
    }
    return nullptr;
}

const Crossing* last_before(const std::vector<Crossing>& crossings, double jd_ut, bool rising) {
    const Crossing* last = nullptr;
    for (const Crossing& c : crossings) {
        if (c.jd_ut > jd_ut) break;
        if (c.rising == rising) last = &c;
    }
    return last;
}

DayEvent crossing_on_day(const std::vector<Crossing>& crossings, bool rising, double start_jd_ut, double end_jd_ut,
                         bool above_at_start) {
    const Crossing* c = first_after(crossings, start_jd_ut, rising);
    if (c != nullptr && c->jd_ut < end_jd_ut) return {EventStatus::Occurs, c->jd_ut};
    const Crossing* other = first_after(crossings, start_jd_ut, !rising);
    if (other != nullptr && other->jd_ut < end_jd_ut) return {EventStatus::NotThisDay, 0.0};
    return {above_at_start ? EventStatus::AlwaysAbove : EventStatus::AlwaysBelow, 0.0};
}

} // namespace vespera

#include "sky/saros.h"

namespace vespera {
namespace {

// The total eclipse of 11 August 1999 belongs to Saros 145; its new moon is
// lunation 1232 of the eclipse module's count.
constexpr std::int64_t kAnchorLunation = 1232;
constexpr std::int64_t kAnchorSaros = 145;

} // namespace

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

} // namespace vespera

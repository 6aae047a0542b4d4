#include "zones/local_instant.h"

#include <cmath>

#include "base/date_math.h"
#include "base/fault.h"

namespace vespera {

LocalInstant split_local_instant(double local_jd) {
    if (!std::isfinite(local_jd) || std::fabs(local_jd) > 2.0e9) raise_fault(FaultCode::Overflow);
    const auto minutes = static_cast<std::int64_t>(std::llround((local_jd + 0.5) * 1440.0));
    return {to_long(floor_div(minutes, 1440)), static_cast<std::int32_t>(floor_mod(minutes, 1440))};
}

} // namespace vespera

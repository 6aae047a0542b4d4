// The Saros series of a solar eclipse.
#pragma once

#include <cstdint>

namespace vespera {

// The series of the eclipse at the new moon `lunation` of the eclipse
// module's count (lunation 0 near 1900 January 0).
std::int64_t saros_series(std::int64_t lunation);

} // namespace vespera

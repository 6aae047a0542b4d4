// Periodic terms of Venus's heliocentric longitude L, latitude B and radius
// vector R, abridged VSOP87 (Bretagnon & Francou): Meeus, Astronomical Algorithms,
// 2nd ed. (1998), Appendix III, Venus. Terms and units as in ephemeris/vsop87_earth.h.
#pragma once

#include <array>
#include <span>

#include "ephemeris/vsop87.h"

namespace vespera::vsop87::venus {

// Series L0.
inline constexpr std::array<Term, 24> kL0 = {{
    {317614667, 0, 0},
    {1353968, 5.5931332, 10213.2855462},
    {89892, 5.30650, 20426.57109},
    {5477, 4.4163, 7860.4194},
    {3456, 2.6996, 11790.6291},
    {2372, 2.9938, 3930.2097},
    {1664, 4.2502, 1577.3435},
    {1438, 4.1575, 9683.5946},
    {1317, 5.1867, 26.2983},
    {1201, 6.1536, 30639.8566},
    {769, 0.816, 9437.763},
    {761, 1.950, 529.691},
    {708, 1.065, 775.523},
    {585, 3.998, 191.448},
    {500, 4.123, 15720.839},
    {429, 3.586, 19367.189},
    {327, 5.677, 5507.553},
    {326, 4.591, 10404.734},
    {232, 3.163, 9153.904},
    {180, 4.653, 1109.379},
    {155, 5.570, 19651.048},
    {128, 4.226, 20.775},
    {128, 0.962, 5661.332},
    {106, 1.537, 801.821},
}};

// Series L1.
inline constexpr std::array<Term, 12> kL1 = {{
    {1021352943053, 0, 0},
    {95708, 2.46424, 10213.28555},
    {14445, 0.51625, 20426.57109},
    {213, 1.795, 30639.857},
    {174, 2.655, 26.298},
    {152, 6.106, 1577.344},
    {82, 5.70, 191.45},
    {70, 2.68, 9437.76},
    {52, 3.60, 775.52},
    {38, 1.03, 529.69},
    {30, 1.25, 5507.55},
    {25, 6.11, 10404.73},
}};

// Series L2.
inline constexpr std::array<Term, 8> kL2 = {{
    {54127, 0, 0},
    {3891, 0.3451, 10213.2855},
    {1338, 2.0201, 20426.5711},
    {24, 2.05, 26.30},
    {19, 3.54, 30639.86},
    {10, 3.97, 775.52},
    {7, 1.52, 1577.34},
    {6, 1, 191.45},
}};

// Series L3.
inline constexpr std::array<Term, 3> kL3 = {{
    {136, 4.804, 10213.286},
    {78, 3.67, 20426.57},
    {26, 0, 0},
}};

// Series L4.
inline constexpr std::array<Term, 3> kL4 = {{
    {114, 3.1416, 0},
    {3, 5.21, 20426.57},
    {2, 2.51, 10213.29},
}};

// Series L5.
inline constexpr std::array<Term, 1> kL5 = {{
    {1, 3.14, 0},
}};

// Series B0.
inline constexpr std::array<Term, 9> kB0 = {{
    {5923638, 0.2670278, 10213.2855462},
    {40108, 1.14737, 20426.57109},
    {32815, 3.14159, 0},
    {1011, 1.0895, 30639.8566},
    {149, 6.254, 18073.705},
    {138, 0.860, 1577.344},
    {130, 3.672, 9437.763},
    {120, 3.705, 2352.866},
    {108, 4.539, 22003.915},
}};

// Series B1.
inline constexpr std::array<Term, 4> kB1 = {{
    {513348, 1.803643, 10213.285546},
    {4380, 3.3862, 20426.5711},
    {199, 0, 0},
    {197, 2.530, 30639.857},
}};

// Series B2.
inline constexpr std::array<Term, 4> kB2 = {{
    {22378, 3.38509, 10213.28555},
    {282, 0, 0},
    {173, 5.256, 20426.571},
    {27, 3.87, 30639.86},
}};

// Series B3.
inline constexpr std::array<Term, 4> kB3 = {{
    {647, 4.992, 10213.286},
    {20, 3.14, 0},
    {6, 0.77, 20426.57},
    {3, 5.44, 30639.86},
}};

// Series B4.
inline constexpr std::array<Term, 1> kB4 = {{
    {14, 0.32, 10213.29},
}};

// Series R0.
inline constexpr std::array<Term, 12> kR0 = {{
    {72334821, 0, 0},
    {489824, 4.021518, 10213.285546},
    {1658, 4.9021, 20426.5711},
    {1632, 2.8455, 7860.4194},
    {1378, 1.1285, 11790.6291},
    {498, 2.587, 9683.595},
    {374, 1.423, 3930.210},
    {264, 5.529, 9437.763},
    {237, 2.551, 15720.839},
    {222, 2.013, 19367.189},
    {126, 2.728, 1577.344},
    {119, 3.020, 10404.734},
}};

// Series R1.
inline constexpr std::array<Term, 3> kR1 = {{
    {34551, 0.89199, 10213.28555},
    {234, 1.772, 20426.571},
    {234, 3.142, 0},
}};

// Series R2.
inline constexpr std::array<Term, 3> kR2 = {{
    {1407, 5.0637, 10213.2855},
    {16, 5.47, 20426.57},
    {13, 0, 0},
}};

// Series R3.
inline constexpr std::array<Term, 1> kR3 = {{
    {50, 3.22, 10213.29},
}};

// Series R4.
inline constexpr std::array<Term, 1> kR4 = {{
    {1, 0.92, 10213.29},
}};

// The series of one coordinate, by power of tau.
inline constexpr std::array<std::span<const Term>, 6> kLongitude = {kL0, kL1, kL2, kL3, kL4, kL5};
inline constexpr std::array<std::span<const Term>, 5> kLatitude = {kB0, kB1, kB2, kB3, kB4};
inline constexpr std::array<std::span<const Term>, 5> kRadius = {kR0, kR1, kR2, kR3, kR4};

} // namespace vespera::vsop87::venus

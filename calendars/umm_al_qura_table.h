// The Umm al-Qura calendar of Saudi Arabia, 1402-1500 AH: for each year the
// Gregorian date of 1 Muharram and the lengths of its months, bit m - 1 set
// when month m has 30 days (else 29). Month beginnings of hijridate
// (github.com/dralshehri/hijridate, src/hijridate/ummalqura.py at f0eb452,
// MIT licence), which its author verified against Umm al-Qura newspaper
// issues and the KACST calendar; the same as .NET's UmAlQuraCalendar table
// (github.com/dotnet/runtime, MIT licence) and, for 1431-1500, as the KACST
// website's month beginnings recorded in hijridate's tests. Before 1402 the
// copies part, so the table starts there.
#pragma once

#include <array>
#include <cstdint>

namespace vespera {

struct UmmAlQuraYear {
    std::int16_t year;
    std::int16_t gregorian_year; // 1 Muharram
    std::int8_t gregorian_month;
    std::int8_t gregorian_day;
    std::uint16_t thirty_day_months;
};

inline constexpr std::array<UmmAlQuraYear, 99> kUmmAlQuraYears = {{
    {1402, 1981, 10, 28, 0xA57},
    {1403, 1982, 10, 18, 0x4AE},
    {1404, 1983, 10,  7, 0x976},
    {1405, 1984,  9, 26, 0x56C},
    {1406, 1985,  9, 15, 0xB55},
    {1407, 1986,  9,  5, 0xAAA},
    {1408, 1987,  8, 25, 0xA55},
    {1409, 1988,  8, 13, 0x4AD},
    {1410, 1989,  8,  2, 0x95D},
    {1411, 1990,  7, 23, 0x2DA},
    {1412, 1991,  7, 12, 0x5D9},
    {1413, 1992,  7,  1, 0xDB2},
    {1414, 1993,  6, 21, 0xBA4},
    {1415, 1994,  6, 10, 0xB4A},
    {1416, 1995,  5, 30, 0xA55},
    {1417, 1996,  5, 18, 0x2B5},
    {1418, 1997,  5,  7, 0x575},
    {1419, 1998,  4, 27, 0xB6A},
    {1420, 1999,  4, 17, 0xBD2},
    {1421, 2000,  4,  6, 0xBC4},
    {1422, 2001,  3, 26, 0xB89},
    {1423, 2002,  3, 15, 0xA95},
    {1424, 2003,  3,  4, 0x52D},
    {1425, 2004,  2, 21, 0x5AD},
    {1426, 2005,  2, 10, 0xB6A},
    {1427, 2006,  1, 31, 0x6D4},
    {1428, 2007,  1, 20, 0xDC9},
    {1429, 2008,  1, 10, 0xD92},
    {1430, 2008, 12, 29, 0xAA6},
    {1431, 2009, 12, 18, 0x956},
    {1432, 2010, 12,  7, 0x2AE},
    {1433, 2011, 11, 26, 0x56D},
    {1434, 2012, 11, 15, 0x36A},
    {1435, 2013, 11,  4, 0xB55},
    {1436, 2014, 10, 25, 0xAAA},
    {1437, 2015, 10, 14, 0x94D},
    {1438, 2016, 10,  2, 0x49D},
    {1439, 2017,  9, 21, 0x95D},
    {1440, 2018,  9, 11, 0x2BA},
    {1441, 2019,  8, 31, 0x5B5},
    {1442, 2020,  8, 20, 0x5AA},
    {1443, 2021,  8,  9, 0xD55},
    {1444, 2022,  7, 30, 0xA9A},
    {1445, 2023,  7, 19, 0x92E},
    {1446, 2024,  7,  7, 0x26E},
    {1447, 2025,  6, 26, 0x55D},
    {1448, 2026,  6, 16, 0xADA},
    {1449, 2027,  6,  6, 0x6D4},
    {1450, 2028,  5, 25, 0x6A5},
    {1451, 2029,  5, 14, 0x54B},
    {1452, 2030,  5,  3, 0xA97},
    {1453, 2031,  4, 23, 0x54E},
    {1454, 2032,  4, 11, 0xAAE},
    {1455, 2033,  4,  1, 0x5AC},
    {1456, 2034,  3, 21, 0xBA9},
    {1457, 2035,  3, 11, 0xD92},
    {1458, 2036,  2, 28, 0xB25},
    {1459, 2037,  2, 16, 0x64B},
    {1460, 2038,  2,  5, 0xCAB},
    {1461, 2039,  1, 26, 0x55A},
    {1462, 2040,  1, 15, 0xB55},
    {1463, 2041,  1,  4, 0x6D2},
    {1464, 2041, 12, 24, 0xEA5},
    {1465, 2042, 12, 14, 0xE4A},
    {1466, 2043, 12,  3, 0xA95},
    {1467, 2044, 11, 21, 0x52D},
    {1468, 2045, 11, 10, 0xAAD},
    {1469, 2046, 10, 31, 0x36C},
    {1470, 2047, 10, 20, 0x759},
    {1471, 2048, 10,  9, 0x6D2},
    {1472, 2049,  9, 28, 0x695},
    {1473, 2050,  9, 17, 0x52D},
    {1474, 2051,  9,  6, 0xA5B},
    {1475, 2052,  8, 26, 0x4BA},
    {1476, 2053,  8, 15, 0x9BA},
    {1477, 2054,  8,  5, 0x3B4},
    {1478, 2055,  7, 25, 0xB69},
    {1479, 2056,  7, 14, 0xB52},
    {1480, 2057,  7,  3, 0xAA6},
    {1481, 2058,  6, 22, 0x4B6},
    {1482, 2059,  6, 11, 0x96D},
    {1483, 2060,  5, 31, 0x2EC},
    {1484, 2061,  5, 20, 0x6D9},
    {1485, 2062,  5, 10, 0xEB2},
    {1486, 2063,  4, 30, 0xD54},
    {1487, 2064,  4, 18, 0xD2A},
    {1488, 2065,  4,  7, 0xA56},
    {1489, 2066,  3, 27, 0x4AE},
    {1490, 2067,  3, 16, 0x96D},
    {1491, 2068,  3,  5, 0xD6A},
    {1492, 2069,  2, 23, 0xB54},
    {1493, 2070,  2, 12, 0xB29},
    {1494, 2071,  2,  1, 0xA93},
    {1495, 2072,  1, 21, 0x52B},
    {1496, 2073,  1,  9, 0xA57},
    {1497, 2073, 12, 30, 0x536},
    {1498, 2074, 12, 19, 0xAB5},
    {1499, 2075, 12,  9, 0x6AA},
    {1500, 2076, 11, 27, 0xE93},
}};

// 1 Muharram 1501, the day after the table's last.
inline constexpr std::int16_t kUmmAlQuraEndYear = 1501;
inline constexpr std::int16_t kUmmAlQuraEndGregorianYear = 2077;
inline constexpr std::int8_t kUmmAlQuraEndGregorianMonth = 11;
inline constexpr std::int8_t kUmmAlQuraEndGregorianDay = 17;

} // namespace vespera

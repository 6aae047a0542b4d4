// The church year the German-speaking countries share: the dates of its
// feasts once, each country's table taking the ones it keeps under its own
// names. Dates from the Roman and the Lutheran calendars: Easter + n for the
// movable feasts, the fourth Sunday of Advent back to the first.
#pragma once

#include "holidays/date_rule.h"

namespace vespera::holidays::church {

inline constexpr DateRule kEpiphany = fixed(1, 6);
inline constexpr DateRule kCandlemas = fixed(2, 2);
inline constexpr DateRule kSaintJoseph = fixed(3, 19);
inline constexpr DateRule kFatTuesday = easter(-47);
inline constexpr DateRule kAshWednesday = easter(-46);
inline constexpr DateRule kFirstSundayOfLent = easter(-42);
inline constexpr DateRule kPalmSunday = easter(-7);
inline constexpr DateRule kMaundyThursday = easter(-3);
inline constexpr DateRule kGoodFriday = easter(-2);
inline constexpr DateRule kEasterSunday = easter(0);
inline constexpr DateRule kEasterMonday = easter(1);
inline constexpr DateRule kLowSunday = easter(7);
inline constexpr DateRule kAscension = easter(39);
inline constexpr DateRule kWhitSunday = easter(49);
inline constexpr DateRule kWhitMonday = easter(50);
inline constexpr DateRule kCorpusChristi = easter(60);
inline constexpr DateRule kSacredHeart = easter(68); // Friday after the second Sunday after Pentecost
inline constexpr DateRule kSaintJohn = fixed(6, 24);
inline constexpr DateRule kSaintsPeterAndPaul = fixed(6, 29);
inline constexpr DateRule kAssumption = fixed(8, 15);
inline constexpr DateRule kNativityOfMary = fixed(9, 8);
inline constexpr DateRule kAllSaints = fixed(11, 1);
inline constexpr DateRule kAllSouls = fixed(11, 2);
inline constexpr DateRule kSaintMartin = fixed(11, 11);
inline constexpr DateRule kSaintNicholas = fixed(12, 6);
inline constexpr DateRule kImmaculateConception = fixed(12, 8);
inline constexpr DateRule kChristmasEve = fixed(12, 24);
inline constexpr DateRule kChristmasDay = fixed(12, 25);
inline constexpr DateRule kSaintStephen = fixed(12, 26);
inline constexpr DateRule kFirstAdvent = advent(-21);
inline constexpr DateRule kSecondAdvent = advent(-14);
inline constexpr DateRule kThirdAdvent = advent(-7);
inline constexpr DateRule kFourthAdvent = advent(0);

} // namespace vespera::holidays::church

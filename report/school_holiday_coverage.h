// Up to when a region's shipped or computed school holidays are known, in
// the words of the holiday list, the month legend and the about panel.
#pragma once

#include <cstdint>
#include <string>

class clsCalendar;

namespace vespera::report {

// The engine's region, seen from `from_day`: "bekannt bis 5.1.2029
// (einzelne Ferien bis 9.9.2030)" from the stretch that holds the day,
// "bekannt vom 14.9.2026 bis …" from the next one, "bekannt nur bis
// 9.9.2030" after the data's end, "nach dem Schulzeitgesetz
// berechnet, …" in Austria; the reason when the data cannot be read; empty
// where the region has none. Imported periods count.
std::string school_holidays_known(const clsCalendar& cal, std::int64_t from_day);

// The month legend's short form: "bekannt bis 5.1.2029", "bekannt ab …",
// "hinterlegt bis …", "nach dem Schulzeitgesetz", "keine hinterlegt".
std::string school_holidays_known_briefly(const clsCalendar& cal, std::int64_t from_day);

// Every region's school holidays, a line per country: "Deutschland:
// Baden-Württemberg bis 5.1.2029, …", "Österreich: alle nach dem
// Schulzeitgesetz, …", "Schweiz: …, Graubünden keine". Reads every file.
std::string school_holiday_overview(std::int64_t from_day);

} // namespace vespera::report

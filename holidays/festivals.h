// The festivals of the Jewish, Islamic (Umm al-Qura), Orthodox, Chinese and
// Persian calendars that fall in a Gregorian year, as (day number, German
// name), sorted by day. A Jewish or Islamic day begins at the previous
// sunset: the day returned is the civil day of its daytime.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vespera {

struct Festival {
    std::int64_t day_number;
    std::string_view name;
};

struct Festivals {
    std::vector<Festival> days;
    // False when part of the year lies outside the calendar's data (the Umm
    // al-Qura table) or outside the years its astronomy is modelled for;
    // `days` then holds only what is known.
    bool covered = true;
};

// Rosch ha-Schana, Jom Kippur, Sukkot, Schemini Azeret, Simchat Tora (as
// outside Israel), Chanukka, Purim, Pessach, Schawuot: each its first day.
Festivals jewish_festivals(std::int64_t gregorian_year);
// Islamisches Neujahr, Maulid an-Nabi, Beginn des Ramadan, Fest des
// Fastenbrechens, Opferfest, by the Umm al-Qura calendar; a year may hold
// one of them twice.
Festivals islamic_festivals(std::int64_t gregorian_year);
// Weihnachten (25 December Julian), Ostersonntag (Julian computus), Pfingsten.
Festivals orthodox_festivals(std::int64_t gregorian_year);
// Chinesisches Neujahr.
Festivals chinese_festivals(std::int64_t gregorian_year);
// Nouruz, 1 Farwardin.
Festivals persian_festivals(std::int64_t gregorian_year);

enum class Tradition : std::uint8_t { Jewish, Islamic, Orthodox, Chinese, Persian };
inline constexpr std::size_t kTraditionCount = 5;

// A Jewish or Islamic day runs from sunset to sunset.
constexpr bool begins_at_previous_sunset(Tradition tradition) {
    return tradition == Tradition::Jewish || tradition == Tradition::Islamic;
}

// The first Gregorian year whose festivals the calendar's rules give as they
// were kept: Hillel II's fixed calendar by tradition from 359; the Solar
// Hijri calendar from its law of 31 March 1925; the Chinese rules from 1929.
// The Orthodox (Julian computus) and the Umm al-Qura festivals have none
// here: the computus is kept for every year like the Western Easter, the
// Umm al-Qura table says itself where it ends.
std::int64_t first_festival_year(Tradition tradition);

// The five traditions' festivals of one Gregorian year, indexed by Tradition;
// before a tradition's first_festival_year its days are empty and not covered.
struct YearFestivals {
    std::int64_t gregorian_year = 0;
    std::array<Festivals, kTraditionCount> by_tradition;
};
YearFestivals year_festivals(std::int64_t gregorian_year);

} // namespace vespera

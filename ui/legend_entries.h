// What the month's marks mean, in the words of the window's legend and of
// the printed month's.
#pragma once

enum class LegendSample {
    Statutory, Regional, NamedDay, SchoolHoliday, FullMoon, NewMoon, Quarter, BlueMoon, SolarEclipse, LunarEclipse,
    Opposition, OwnDate,
    Week, Today, Selected
};

struct LegendEntry {
    LegendSample sample;
    const char* text;
    bool printed; // the paper shows no own dates, no today and no chosen day
};

inline constexpr LegendEntry kLegendEntries[] = {
    {LegendSample::Statutory, "Sonntag, gesetzlicher Feiertag", true},
    {LegendSample::Regional, "regional", true},
    {LegendSample::NamedDay, "anderer Gedenk- oder Festtag", true},
    {LegendSample::SchoolHoliday, "Schulferien", true},
    {LegendSample::FullMoon, "Vollmond", true},
    {LegendSample::NewMoon, "Neumond", true},
    {LegendSample::Quarter, "Erstes/Letztes Viertel", true},
    {LegendSample::BlueMoon, "Blue Moon", true},
    {LegendSample::SolarEclipse, "Sonnenfinsternis", true},
    {LegendSample::LunarEclipse, "Mondfinsternis", true},
    {LegendSample::Opposition, "Opposition eines Planeten", true},
    {LegendSample::OwnDate, "Termin", false},
    {LegendSample::Week, "Kalenderwoche (ISO)", true},
    {LegendSample::Today, "heute", false},
    {LegendSample::Selected, "gewählter Tag", false},
};

#include "cli/command.h"

namespace vespera::cli {

namespace {

constexpr CommandEntry kCommands[] = {
    {"tag", "Tagesbericht: Julianisches Datum, Sonne, Mond, Finsternis",
     "  vespera-cli tag 8.4.2024 --ort Landshut\n"
     "  vespera-cli tag 2024-04-08 --ort Berlin --format json\n"
     "  vespera-cli tag --koordinaten 52.52,13.405 --zone Europe/Berlin",
     "", make_day_command},
    {"kalender", "Der Tag in anderen Kalendern und als Unixzeit",
     "  vespera-cli kalender 8.4.2024\n"
     "  vespera-cli kalender 2024-04-08 --format json",
     "", make_calendars_command},
    {"planeten", "Die Planeten des Tages: Aufgang, Kulmination, Untergang, Helligkeit, Sichtbarkeit",
     "  vespera-cli planeten 20.3.2026 --ort Hamburg\n"
     "  vespera-cli planeten 2026-03-20 --format csv",
     "", make_planets_command},
    {"liste", "Jahresliste: feiertage, vollmonde, neumonde, jahreszeiten, finsternisse, himmelsereignisse oder termine",
     "  vespera-cli liste feiertage 2025 --region DE-BY --format csv\n"
     "  vespera-cli liste feiertage 2025 --ort Dresden --kategorie gesetzlich,regional,Ferien\n"
     "  vespera-cli liste vollmonde 2025 --ort Wien\n"
     "  vespera-cli liste himmelsereignisse 2026 --format csv\n"
     "  vespera-cli liste termine 2027 --art geburtstag",
     "liste braucht eine Art: feiertage, vollmonde, neumonde, jahreszeiten, finsternisse, himmelsereignisse oder "
     "termine.",
     make_list_command},
    {"sonne", "Sonnen- und Mondtafel des Jahres, eine Zeile je Tag",
     "  vespera-cli sonne 2025 --ort Hamburg\n"
     "  vespera-cli sonne 2025 --koordinaten 52.52,13.405 --zone Europe/Berlin --format csv",
     "", make_sun_command},
    {"differenz", "Tage zwischen zwei Daten",
     "  vespera-cli differenz 3.5.2024 24.12.2024\n"
     "  vespera-cli differenz 2024-01-01 2025-01-01 --format json",
     "differenz braucht zwei Daten.", make_difference_command},
    {"ical", "Die Feiertage des Jahres als iCalendar-Datei (wie der Export des Fensters)",
     "  vespera-cli ical 2025 --region DE-BY -o Feiertage_2025_DE-BY.ics\n"
     "  vespera-cli ical 2025 --ort Dresden --kategorie gesetzlich,Ferien -o -",
     "", make_ical_command},
};

} // namespace

std::span<const CommandEntry> command_table() { return kCommands; }

} // namespace vespera::cli

// The day report's twilight rows: nautical and astronomical twilight (dawn
// to dusk), the golden and the blue hour (morning span, evening span), and
// in words what a day at the place does not have.
#pragma once

#include <string>

#include "engine/clsCalendar.h"
#include "report/row_writer.h"
#include "report/typed_value.h"

namespace vespera::report {

// "05:31 Uhr - 20:24 Uhr" for the Sun through `altitude_deg` rising and
// setting; "keine: es wird nicht dunkel (die Sonne bleibt weniger als 18°
// unter dem Horizont)" when it stays on one side all day; "kein Beginn" /
// "kein Ende" for a half.
std::string twilight_text(const Event& morning, const Event& evening, double altitude_deg);

// The Sonne row: "05:31 Uhr - 20:24 Uhr", or the polar day and night in words.
std::string sun_rise_set_text(const Event& rise, const Event& set);

// Nautische Dämmerung, Astronomische Dämmerung, Goldene Stunde, Blaue Stunde.
bool add_twilight_rows(RowWriter& rows, clsCalendar& cal, const Zone& zone);

inline constexpr const char* kCivilTwilightTooltip =
    "Bürgerliche Dämmerung: die Sonnenmitte 6° unter dem Horizont (ohne Refraktion)";

} // namespace vespera::report

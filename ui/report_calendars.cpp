// The other-calendars report: the chosen day in thirteen calendars and counts.
#include "ui/InfoPanel.h"
#include "ui/frmKalender.h"

namespace {

struct CalendarRow {
    const char* label;
    std::int32_t kind;
    std::int32_t variant;
};

// The five Egyptian rows differ in their era only.
constexpr CalendarRow kCalendarRows[] = {
    {"Unixtime", 10, 4},
    {"Gregorianischer Kalender", 1, 4},
    {"Julianischer Kalender", 2, 4},
    {"Julianischer Kalender (a.u.c.)", 6, 4},
    {"Islamischer Kalender", 4, 4},
    {"Maya Kalender", 9, 4},
    {"Französischer Revolutionskalender", 8, 4},
    {"Ägyptischer Kalender", 5, 4},
    {"Ägyptischer Kalender", 5, 6},
    {"Ägyptischer Kalender", 5, 5},
    {"Ägyptischer Kalender", 5, 8},
    {"Ägyptischer Kalender", 5, 7},
    {"Anéris", 3, 4},
};

} // namespace

void frmKalender::buildOtherCalendars() {
    clsCalendar& cal = *engine_;
    const QTime time = placeNow().time;
    cal.setStunde(time.hour());
    cal.setMinute(time.minute());
    cal.setSekunde(time.second());
    addHeading(dateHeading(true));
    addHeading(dateHeading(false));
    for (const CalendarRow& row : kCalendarRows) {
        addLine(QString::fromUtf8(row.label), QString::fromStdString(cal.ConvertDate(row.kind, row.variant)));
    }
}

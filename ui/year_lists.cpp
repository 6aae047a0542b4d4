// The year lists: holidays, full moons, new moons, seasons and clock changes.
// Building a list leaves the engine on the selected day.
#include "ui/InfoPanel.h"
#include "ui/frmKalender.h"

namespace {

QString text_of(const std::string& text) { return QString::fromStdString(text); }

} // namespace

void frmKalender::buildYearList() {
    clsCalendar& cal = *engine_;
    const QString year = QString::number(cal.Jahr());
    // Back to the day as the grid selected it. Writing back the day number
    // would move the grid's 29 February of year 7 (a day the early Julian
    // months have, the day numbers not) to 1 March.
    struct RestoreDay {
        clsCalendar& cal;
        std::int32_t day, month, year;
        ~RestoreDay() {
            if (cal.Jahr() != year) cal.setJahr(year);
            cal.setMonat(month);
            cal.setTag(day);
        }
    } restore{cal, cal.Tag(), cal.Monat(), cal.Jahr()};

    switch (report_) {
    case Holidays:
        addHeading(QStringLiteral("Feiertage im Jahr ") + yearText());
        for (std::int32_t i = list_scroll_position_; i <= cal.Feiertage_Anzahl(); ++i) {
            cal.Feiertag_Datum(i);
            const auto weekday = cal.Wochentag(0);
            const QString weekday_name = std::holds_alternative<std::string>(weekday)
                                             ? text_of(std::get<std::string>(weekday))
                                             : QString();
            addLine(text_of(cal.Format_Datum(0)), weekday_name + ", " + text_of(cal.Feiertag_NurName(i)));
        }
        break;
    case FullMoons:
        addHeading(QStringLiteral("Vollmonde im Jahr ") + yearText());
        for (std::int32_t i = 0; i < clsCalendar::kPhaseCount; ++i) {
            const QString date = text_of(cal.Vollmond_Datum(i));
            if (!date.contains(year)) continue;
            addLine(date, text_of(cal.Vollmond_Info(i)));
        }
        break;
    case NewMoons:
        addHeading(QStringLiteral("Neumonde im Jahr ") + yearText());
        for (std::int32_t i = 0; i < clsCalendar::kPhaseCount; ++i) {
            const QString date = text_of(cal.Neumond_Datum(i));
            if (date.contains(year)) addLine(date, text_of(cal.Neumond_Info(i)));
        }
        break;
    case Seasons:
        addHeading(QStringLiteral("Jahreszeiten im Jahr ") + yearText());
        for (std::int32_t code = 51; code <= 54; ++code) addLine(text_of(cal.Jahreszeit_Name(code)), text_of(cal.Jahreszeit_Datum(code)));
        addHeading(QStringLiteral("Dauer der Jahreszeiten"));
        for (std::int32_t code = 51; code <= 54; ++code) addLine(text_of(cal.Jahreszeit_Name(code)), text_of(cal.Jahreszeit_Laenge(code)));
        addHeading(QStringLiteral("Sommerzeit und Winterzeit"));
        addLine(QStringLiteral("Sommerzeit"), text_of(cal.Sommerzeit_Datum()));
        addLine(QStringLiteral("Winterzeit"), text_of(cal.Winterzeit_Datum()));
        break;
    default:
        break;
    }
}

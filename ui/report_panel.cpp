// The information panel's frame (ZeigeInfo): the report of the pressed
// button, built by report/ and drawn row by row.
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "ephemeris/calendar.h"
#include "places/city_table.h"
#include "report/day_report.h"
#include "report/holiday_list.h"
#include "report/sky_event_list.h"
#include "report/year_lists.h"
#include "ui/InfoPanel.h"
#include "ui/frmKalender.h"

namespace {

QString text_of(const std::string& text) { return QString::fromStdString(text); }

} // namespace

std::string frmKalender::placeHeading() const {
    const std::string name = city_.toStdString();
    const vespera::City* city = vespera::find_city(name);
    return vespera::report::place_heading(name, city ? city->region : std::string_view());
}

vespera::report::ClockTime frmKalender::reportTime() const {
    const QTime time = placeNow().time;
    return {time.hour(), time.minute(), time.second()};
}

void frmKalender::showReport(const vespera::report::Report& report, std::size_t first_row) {
    if (!report.heading.empty()) picInfo->AddHeading(text_of(report.heading));
    for (std::size_t i = first_row; i < report.rows.size(); ++i) {
        const vespera::report::Row& row = report.rows[i];
        if (row.is_heading()) {
            picInfo->AddHeading(text_of(row.label));
            continue;
        }
        const int drawn = picInfo->AddLine(text_of(row.label), text_of(row.value), text_of(row.category));
        if (!row.tooltip.empty()) picInfo->setRowTooltip(drawn, text_of(row.tooltip));
        if (row.kind == vespera::report::RowKind::SunAltitude) sun_altitude_row_ = drawn;
        if (row.kind == vespera::report::RowKind::MoonPhase) moon_phase_row_ = drawn;
    }
}

void frmKalender::ZeigeInfo() {
    if (!engine_) return;
    if (drawing_report_) {
        report_asked_again_ = true;
        return;
    }
    drawing_report_ = true;
    report_asked_again_ = false;
    drawInfo();
    drawing_report_ = false;
    // Once: the second drawing finds the bar as the first left it.
    if (report_asked_again_) {
        report_asked_again_ = false;
        drawing_report_ = true;
        drawInfo();
        drawing_report_ = false;
    }
}

void frmKalender::drawInfo() {
    showSky();
    namespace report = vespera::report;
    picInfo->clear();
    moon_phase_row_ = -1;
    sun_altitude_row_ = -1;
    clsCalendar& cal = *engine_;
    const QString holidays = QStringLiteral("Feiertage ") + text_of(report::year_text(cal.Jahr()));
    cmdDaten[Holidays]->setText(u'&' + holidays);
    cmdDaten[Holidays]->setAccessibleName(holidays);
    // A failing engine call ends a report at its row; the engine has shown
    // its message, and the rows built so far are drawn.
    const std::optional<report::Report> shown = shownReport();
    if (!shown) return;
    // The scroll range lets the last row come into view whole, and no further.
    // Any report scrolls when the panel is too short for it (an eclipse day
    // in a small window), so that no row is hidden; the holiday list always
    // shows its bar.
    list_rows_ = static_cast<std::int32_t>(shown->rows.size());
    list_scroll_position_ = std::clamp(list_scroll_position_, 0, lastListPosition());
    {
        const QSignalBlocker quiet(ucScrollbar1);
        ucScrollbar1->setRange(0, lastListPosition());
        ucScrollbar1->setPageStep(std::max(1, picInfo->wholeRows() - 1));
        ucScrollbar1->setValue(list_scroll_position_);
    }
    ucScrollbar1->setVisible(reportScrolls());
    showReport(*shown, static_cast<std::size_t>(std::max(0, list_scroll_position_)));
}

bool frmKalender::reportScrolls() const {
    if (report_ == DateDifference || report_ == About) return false;
    return report_ == Holidays || report_ == OwnDates || lastListPosition() > 0;
}

std::optional<vespera::report::Report> frmKalender::shownReport() {
    namespace report = vespera::report;
    clsCalendar& cal = *engine_;
    const vespera::Zone& zone = *place_zone_;
    switch (report_) {
    case DayReport: {
        report::Report day = report::day_report(cal, zone, placeHeading(), reportTime());
        if (!day.stopped && ownDatesShown()) {
            report::add_own_date_section(day, ownDates(), vespera::day_number(cal.Jahr(), cal.Monat(), cal.Tag()));
        }
        return day;
    }
    case OwnDates: return report::own_date_list(ownDates(), cal.Jahr(), own_kind_filter_);
    case OtherCalendars: return report::other_calendars_report(cal, placeHeading(), reportTime());
    case Holidays: return report::holiday_list(cal, list_categories_);
    case FullMoons: return report::year_list(cal, report::YearList::FullMoons);
    case NewMoons: return report::year_list(cal, report::YearList::NewMoons);
    case Seasons: return report::year_list(cal, report::YearList::Seasons);
    case Eclipses: return report::year_list(cal, report::YearList::Eclipses);
    case SkyEvents: return report::sky_event_table(cal, zone).report;
    case DateDifference:
    case About: break;
    }
    return std::nullopt;
}

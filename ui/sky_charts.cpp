// The sky of the selected day and the day lengths of its year, rebuilt with
// the report; a day already shown and a year already counted are kept.
#include <QTimer>

#include "ephemeris/calendar.h"
#include "ui/DayLengthChart.h"
#include "ui/SkyChart.h"
#include "ui/frmKalender.h"

namespace {

// Every half hour: smooth enough at the chart's width, and the highest
// point is refined between the samples.
constexpr int kSkySamples = 49;

// Hours after the shown day's midnight, when the instant falls on that day.
std::optional<double> now_on(const vespera::report::SkyDay& day, double now_jd_ut) {
    const double hours = (now_jd_ut - day.start_jd_ut) * 24.0;
    if (hours >= 0.0 && hours < day.span_hours) return hours;
    return std::nullopt;
}

} // namespace

void frmKalender::showSkyNow(double now_jd_ut) {
    if (picHimmel && !sky_key_.isEmpty()) picHimmel->setNow(now_on(sky_day_, now_jd_ut));
}

void frmKalender::showSky() {
    // Before the window's first picture the charts wait for it (paintEvent):
    // the year's day lengths take a few milliseconds that the start-up need
    // not spend before the window is on the screen.
    if (!painted_) {
        sky_pending_ = true;
        return;
    }
    drawSky();
}

void frmKalender::drawSky() {
    if (!engine_ || !picHimmel || !picTageslaenge) return;
    clsCalendar& cal = *engine_;
    const std::uint64_t faults = cal.fault_count();
    const std::int32_t day_number = static_cast<std::int32_t>(cal.JD());
    const QString key = QStringLiteral("%1|%2|%3|%4|%5")
                            .arg(day_number)
                            .arg(cal.Longitude(), 0, 'g', 17)
                            .arg(cal.Latitude(), 0, 'g', 17)
                            .arg(static_cast<double>(cal.Zeitzone_Offset()))
                            .arg(QString::fromStdString(cal.Zeitzone()));
    if (key != sky_key_) {
        sky_day_ = vespera::report::sky_of_day(cal, kSkySamples);
        // A failed engine call leaves no key, so the next rebuild tries again.
        sky_key_ = cal.fault_count() == faults ? key : QString();
    }
    picHimmel->setDay(sky_day_, now_on(sky_day_, placeNow().jd_ut));

    const auto index = static_cast<int>(day_number - vespera::day_number(cal.Jahr(), 1, 1));
    // The curve may lie on a line between counted days; the selected day's
    // own figure is the day report's.
    picTageslaenge->setYear(cal.Jahr(), day_lengths_.of(cal), index, cal.day_length_hours(day_number));
}

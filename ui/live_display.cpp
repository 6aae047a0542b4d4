// The one-second tick: the clock label and, when "Aktuell" is ticked and the
// day report is shown, the moon phase and the sun's altitude of this moment.
#include <QCheckBox>
#include <QLabel>

#include "report/day_report.h"
#include "ui/InfoPanel.h"
#include "ui/frmKalender.h"

void frmKalender::Timer1_Timer() {
    // The place's clock, not the computer's: New York's time while the
    // computer runs on Berlin's.
    const vespera::ui::PlaceClock clock = placeNow();
    lblZeit->setText(clock.time.toString(QStringLiteral("HH:mm:ss")));
    const QString place = city_.trimmed().isEmpty() ? QStringLiteral("des gewählten Ortes") : city_.trimmed();
    lblZeit->setToolTip(QStringLiteral("Ortszeit %1%2").arg(place, clock.summer ? QStringLiteral(" (Sommerzeit)") : QString()));
    showSkyNow(clock.jd_ut);
    if (!Check1->isChecked() || report_ != DayReport || !picInfo->isVisible()) return;
    if (moon_phase_row_ < 0 || sun_altitude_row_ < 0) return;
    clsCalendar& cal = *engine_;
    cal.Sonne_Position();
    // The report's own texts, so that a tick changes the numbers only.
    const int minute = clock.time.hour() * 60 + clock.time.minute();
    picInfo->setRowValue(moon_phase_row_,
                         QString::fromStdString(vespera::report::moon_phase_value(cal, true, minute)));
    picInfo->setRowValue(sun_altitude_row_, QString::fromStdString(vespera::report::sun_altitude_value(cal)));
}

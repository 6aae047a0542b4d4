// "Termin …" and "Termine importieren …": the dialog of the selected day and
// the import, each followed by the month, the report and the status line.
#include <QLabel>

#include "ephemeris/calendar.h"
#include "ui/frmKalender.h"
#include "ui/own_date_dialog.h"
#include "ui/own_date_import.h"

void frmKalender::cmdTermin_Click() {
    namespace report = vespera::report;
    const vespera::Zone zone = place_zone_ ? *place_zone_ : vespera::Zone::german_rules(zone_offset_hours_);
    const std::int64_t day = vespera::day_number(selected_year_, selected_month_, selected_day_);
    OwnDateDialog dialog(ownDateStore(), day, this, report::occurrence_options(zone, leap_day_));
    // The month behind the dialog follows each change.
    connect(&dialog, &OwnDateDialog::datesChanged, this, [this, &dialog] {
        leap_day_ = dialog.leapDayRule();
        showMonthOfEngine();
    });
    dialog.exec();
    // The editor has saved the 29 February rule itself.
    leap_day_ = dialog.leapDayRule();
    if (dialog.changed()) ownDatesChanged();
}

void frmKalender::cmdTermineImport_Click() {
    const QString outcome = importOwnDates(this, ownDateStore());
    if (outcome.isEmpty()) return;
    ownDatesChanged();
    // The counts in the status line; the reasons for what was refused, when
    // there are any, in a box of their own.
    lblStatus->setText(outcome.section(u'\n', 0, 0));
    if (outcome.contains(u'\n')) showMessage(outcome);
}

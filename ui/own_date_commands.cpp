// "Termin …" and "Termine importieren …": the dialog of the selected day and
// the import, each followed by the month, the report and the status line.
#include "ephemeris/calendar.h"
#include "ui/frmKalender.h"
#include "ui/own_date_dialog.h"
#include "ui/own_date_import.h"
#include "ui/settings_store.h"

void frmKalender::cmdTermin_Click() {
    namespace report = vespera::report;
    const vespera::Zone zone = place_zone_ ? *place_zone_ : vespera::Zone::german_rules(zone_offset_hours_);
    const std::int64_t day = vespera::day_number(selected_year_, selected_month_, selected_day_);
    OwnDateDialog dialog(ownDateStore(), day, this, report::occurrence_options(zone, leap_day_));
    dialog.exec();
    const bool rule_changed = dialog.leapDayRule() != leap_day_;
    if (rule_changed) {
        leap_day_ = dialog.leapDayRule();
        const QString failure = vespera::ui::write_stored_leap_day_rule(leap_day_, file_seams_);
        if (!failure.isEmpty()) showMessage(failure);
    }
    if (dialog.changed() || rule_changed) ownDatesChanged();
}

void frmKalender::cmdTermineImport_Click() {
    const QString outcome = importOwnDates(this, ownDateStore());
    if (outcome.isEmpty()) return;
    ownDatesChanged();
    showMessage(outcome);
}

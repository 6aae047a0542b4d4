// The date-difference panel: days between two typed dates, counted by two
// engines of their own so that the main engine is not touched.
#include <QLabel>
#include <QLineEdit>

#include "report/date_difference.h"
#include "ui/frmKalender.h"

void frmKalender::cmdDiff_Click(int index) {
    if (index < 0 || index > 1) return;
    txtDatum[static_cast<std::size_t>(index)]->setText(QString::fromStdString(engine_->Format_Datum(0)));
    // The new date gets its result at once when the other box holds one.
    const std::string other = txtDatum[static_cast<std::size_t>(1 - index)]->text().toStdString();
    if (vespera::report::day_number_of_typed_date(other)) cmdBerechnen_Click();
}

void frmKalender::cmdBerechnen_Click() {
    const auto typed = [this](int index) { return txtDatum[static_cast<std::size_t>(index)]->text().toStdString(); };
    std::string text = vespera::report::difference_message(typed(0), typed(1), engine_->DecimalSeparator());
    const auto first = vespera::report::day_number_of_typed_date(typed(0));
    const auto second = vespera::report::day_number_of_typed_date(typed(1));
    if (first && second) {
        const vespera::report::WorkingDayPlace where{engine_->Region(), engine_->PlaceName(), engine_->CommuneKey()};
        text += '\n';
        text += vespera::report::typed_date_notes(typed(0), typed(1));
        text += "Zeitspanne: ";
        text += vespera::report::span_text(*first, *second);
        text += '\n';
        text += vespera::report::working_days_text(*first, *second, where);
    }
    lblDatumsDifferenz->setText(QString::fromStdString(text));
}

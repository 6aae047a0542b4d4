// The date-difference panel: days between two typed dates, counted by two
// engines of their own so that the main engine is not touched.
#include <QLabel>
#include <QLineEdit>

#include "report/date_difference.h"
#include "ui/frmKalender.h"

void frmKalender::cmdDiff_Click(int index) {
    if (index < 0 || index > 1) return;
    txtDatum[static_cast<std::size_t>(index)]->setText(QString::fromStdString(engine_->Format_Datum(0)));
}

void frmKalender::cmdBerechnen_Click() {
    namespace report = vespera::report;
    const auto typed = [this](int index) {
        return report::day_number_of_typed_date(txtDatum[static_cast<std::size_t>(index)]->text().trimmed().toStdString());
    };
    lblDatumsDifferenz->setText(
        QString::fromStdString(report::difference_sentence(typed(0), typed(1), engine_->DecimalSeparator())));
}

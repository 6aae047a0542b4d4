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
    const auto typed = [this](int index) { return txtDatum[static_cast<std::size_t>(index)]->text().toStdString(); };
    lblDatumsDifferenz->setText(QString::fromStdString(
        vespera::report::difference_message(typed(0), typed(1), engine_->DecimalSeparator())));
}

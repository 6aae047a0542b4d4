// The date-difference panel: days between two typed dates, counted by two
// engines of their own so that the main engine is not touched.
#include <QLabel>
#include <QLineEdit>

#include "engine/date_math.h"
#include "engine/number_text.h"
#include "ui/frmKalender.h"

namespace {

const QString kCalculationFailed = QStringLiteral("Bei der Berechnung ist ein Fehler aufgetreten.");

// "3.5.2024" -> the day number through an engine of its own; nullopt for a
// missing or extra piece, a piece that is not a whole number, a date that is
// not in the calendar (31.2.2024) or outside the engine's years.
std::optional<std::int32_t> day_number_of(const QString& text) {
    const QStringList pieces = text.trimmed().split('.');
    if (pieces.size() != 3) return std::nullopt;
    std::array<long long, 3> numbers{};
    for (std::size_t i = 0; i < 3; ++i) {
        bool ok = false;
        numbers[i] = pieces[static_cast<qsizetype>(i)].trimmed().toLongLong(&ok);
        if (!ok) return std::nullopt;
    }
    const long long day = numbers[0], month = numbers[1], year = numbers[2];
    if (year < -vespera::kLargestYear || year > vespera::kLargestYear || month < 1 || month > 12 || day < 1) {
        return std::nullopt;
    }
    bool failed = false;
    clsCalendar cal;
    cal.setErrorReporter([&failed](const std::string&) { failed = true; });
    cal.setTag(static_cast<std::int32_t>(day));
    cal.setMonat(static_cast<std::int32_t>(month));
    cal.setJahr(static_cast<std::int32_t>(year));
    if (failed || day > cal.MonatsTage(static_cast<std::int32_t>(month))) return std::nullopt;
    const double jd = cal.JD();
    if (failed) return std::nullopt;
    return static_cast<std::int32_t>(std::lround(jd));
}

} // namespace

void frmKalender::cmdDiff_Click(int index) {
    if (index < 0 || index > 1) return;
    txtDatum[static_cast<std::size_t>(index)]->setText(QString::fromStdString(engine_->Format_Datum(0)));
}

void frmKalender::cmdBerechnen_Click() {
    const std::optional<std::int32_t> first = day_number_of(txtDatum[0]->text());
    const std::optional<std::int32_t> second = day_number_of(txtDatum[1]->text());
    if (!first || !second) {
        lblDatumsDifferenz->setText(kCalculationFailed);
        return;
    }
    if (*first == *second) {
        lblDatumsDifferenz->setText(QStringLiteral("Die Differenz beträgt Null Tage."));
        return;
    }
    bool failed = false;
    clsCalendar counter;
    counter.setErrorReporter([&failed](const std::string&) { failed = true; });
    const double days = counter.DatumsDifferenz(*first, *second, 0, false);
    if (failed) {
        lblDatumsDifferenz->setText(kCalculationFailed);
        return;
    }
    lblDatumsDifferenz->setText(QStringLiteral("Die Differenz beträgt ") +
                                QString::fromStdString(vespera::general(days, engine_->DecimalSeparator())) +
                                QStringLiteral(" Tage."));
}

#include "ui/locale_numbers.h"

#include <QLocale>
#include <cmath>

#include "base/number_text.h"

namespace vespera::ui {

char locale_decimal_separator() {
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C) return ',';
    const QString point = locale.decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 128 ? point.at(0).toLatin1() : ',';
}

std::optional<double> parse_decimal(const QString& text) {
    QString normalized = text.trimmed();
    if (normalized.count(u',') + normalized.count(u'.') > 1) return std::nullopt;
    normalized.replace(u',', u'.');
    bool ok = false;
    const double value = QLocale::c().toDouble(normalized, &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString decimal_text(double value, char separator) {
    return QString::fromStdString(vespera::general(value, separator));
}

} // namespace vespera::ui

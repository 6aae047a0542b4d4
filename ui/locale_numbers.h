// Numbers as the user's locale writes them.
#pragma once

#include <QString>
#include <optional>

namespace vespera::ui {

// The decimal separator of the user's locale; the German comma where the
// locale is plain "C"/POSIX.
char locale_decimal_separator();

// Accepts a decimal comma or point ("13,3769" and "13.3769"); nullopt for
// anything that is not a finite number.
std::optional<double> parse_decimal(const QString& text);

// Up to 15 significant digits with the given separator, as stored settings are.
QString decimal_text(double value, char separator);

} // namespace vespera::ui

// Text colours that stay readable on any palette, light or dark, by the
// contrast measure of WCAG 2.1 (W3C, success criterion 1.4.3).
#pragma once

#include <QColor>
#include <QPalette>

namespace vespera::ui {

// Relative luminance of an sRGB colour, 0 (black) .. 1 (white).
double relative_luminance(const QColor& colour);

// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter: 1 .. 21.
double contrast_ratio(const QColor& a, const QColor& b);

// AA for normal text.
inline constexpr double kReadableContrast = 4.5;

// `wanted` itself when it reaches `minimum_ratio` on `background`, else the
// least change of it towards white or black that does, keeping its side of
// the background where it can. Black or white reaches 4.5 on any background.
QColor readable_on(const QColor& wanted, const QColor& background, double minimum_ratio = kReadableContrast);

// `share` (0 .. 1) of `b` mixed into `a`, channel by channel.
QColor mixed(const QColor& a, const QColor& b, double share);

// A dark palette as desktops give it, light text on dark grounds: what the
// tests and the screenshot tools check the colours against.
QPalette dark_desktop_palette();

} // namespace vespera::ui

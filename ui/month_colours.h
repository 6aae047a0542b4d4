// The month view's colours, derived from the palette so that a dark desktop
// gets a dark grid, and every text kept legible against its ground (WCAG 2.1
// level AA: 4.5:1 for text, 3:1 for marks and frames).
#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

#include "ui/contrast.h"

// `colour` moved towards black or white, whichever the ground lets it
// reach, until it stands out from `ground` by `ratio`.
QColor with_contrast(const QColor& colour, const QColor& ground, double ratio);

inline constexpr double kTextContrast = vespera::ui::kReadableContrast;
inline constexpr double kMarkContrast = 3.0;

struct MonthColours {
    bool dark = false;        // a dark ground: light text, deeper tints
    QColor background;        // a cell's ground
    QColor school_holiday;    // the ground of a school-holiday cell
    QColor grid_line;
    QColor heading_text;      // weekday names
    QColor week_text;         // the KW column
    QColor week_ground;
    QColor day_text;
    QColor statutory;         // Sundays and statutory holidays, as German wall calendars
    QColor regional;
    QColor named_day;         // the quieter dot and name of other named days
    QColor name_text;         // the day's name under its number
    QColor moon_lit;
    QColor moon_dark;
    QColor moon_outline;
    QColor blue_moon;         // the ring around a Blue Moon
    QColor eclipsed_sun;
    QColor corona;
    QColor eclipsed_moon;     // the copper of the Moon in the umbra
    QColor opposition;        // the sign of a planet in opposition
    QColor own_date;          // the user's own dates: their bar and name
    QColor today;
    QColor selected;
};

MonthColours month_colours_of(const QPalette& palette);

// Black on white, whatever the desktop's palette: the colours of print.
MonthColours paper_month_colours();

// A day's number as German wall calendars print it: Sundays and the
// region's statutory holidays red, days statutory in part of it in the
// regional red, every other day, named or not, in the text colour.
QColor day_number_colour(const MonthColours& colours, bool sunday, bool statutory, bool regional);
// The colour of the name under a day's number.
QColor day_name_colour(const MonthColours& colours, bool statutory, bool regional);

// The marks' colours for the application's palette, shared with the legend
// and the report's category column.
namespace month_colours {
QColor statutory(const QPalette& palette = QGuiApplication::palette());
QColor regional(const QPalette& palette = QGuiApplication::palette());
QColor named_day(const QPalette& palette = QGuiApplication::palette());
QColor school_holiday(const QPalette& palette = QGuiApplication::palette());
QColor own_date(const QPalette& palette = QGuiApplication::palette());
QColor background(const QPalette& palette = QGuiApplication::palette());
} // namespace month_colours

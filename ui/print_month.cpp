// The month on A4 landscape: a grid of its weeks with their ISO numbers,
// each day with its number, its named days, its school holidays, the
// Moon's phases with their times, eclipses and oppositions, and a legend of
// the marks. Colours and marks are the month view's, on white paper; bold
// and italic keep the holidays apart in grey-scale too.
#include <QPagedPaintDevice>
#include <algorithm>

#include "report/month_grid.h"
#include "ui/MonthView.h"
#include "ui/legend_entries.h"
#include "ui/print_sheet.h"
#include "ui/printed_documents.h"

namespace vespera::ui {
namespace {

constexpr double kTitlePoints = 18.0;
constexpr double kWeekdayPoints = 10.0;
constexpr double kWeekPoints = 9.0;
constexpr double kDayPoints = 16.0;
constexpr double kNamePoints = 9.5;
constexpr double kMoonPoints = 9.0;
constexpr double kLegendPoints = 8.0;
constexpr double kCellPadding_mm = 1.8;
constexpr double kMoonRadius_mm = 2.4;
constexpr double kDotRadius_mm = 0.7;
constexpr double kWeekColumn_mm = 9.0;
constexpr double kLegendLine_mm = 4.5;

QString text_of(const std::string& text) { return QString::fromStdString(text); }

// "Vollmond 22:37 Uhr": the engine's "um 22:37 Uhr" without its "um", so
// that the line fits a cell.
QString moon_text(const report::MonthGridDay& day) {
    const report::MoonPhase phase = day.moon_phase != report::MoonPhase::None ? day.moon_phase
                                    : day.new_moon                           ? report::MoonPhase::New
                                                                             : report::MoonPhase::Full;
    QString name = text_of(report::moon_phase_name(phase));
    if (day.blue_moon) name += QStringLiteral(" (Blue Moon)");
    QString time = text_of(day.moon_time);
    if (time.startsWith(QStringLiteral("um "))) time.remove(0, 3);
    return time.isEmpty() ? name : name + ' ' + time;
}

bool has_moon(const report::MonthGridDay& day) {
    return day.moon_phase != report::MoonPhase::None || day.full_moon || day.new_moon;
}

// The phase as the window draws it: lit as at local noon, a ring around a
// Blue Moon.
void draw_moon(QPainter& painter, QPointF centre, double radius, const report::MonthGridDay& day, bool southern_sky,
               const MonthColours& colours) {
    if (day.moon_phase != report::MoonPhase::None) {
        draw_moon_disc(painter, centre, radius, day.moon_lit_fraction, day.moon_waxing != southern_sky, colours);
    } else {
        draw_moon_disc(painter, centre, radius, day.full_moon ? 1.0 : 0.0, true, colours);
    }
    if (day.blue_moon) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colours.blue_moon, radius / 4.0));
        painter.drawEllipse(centre, radius * 4.0 / 3.0, radius * 4.0 / 3.0);
    }
}

// As the window marks them: the dark Sun in its corona, the copper Moon.
void draw_eclipse(QPainter& painter, QPointF centre, double radius, bool solar, const MonthColours& colours) {
    painter.setPen(solar ? QPen(colours.corona, radius / 4.0) : QPen(colours.moon_outline, radius / 8.0));
    painter.setBrush(solar ? colours.eclipsed_sun : colours.eclipsed_moon);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
}

void draw_named_day_dot(QPainter& painter, QPointF centre, double radius, const MonthColours& colours) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.named_day);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
}

struct Fonts {
    QFont title = Sheet::font(kTitlePoints, true);
    QFont weekday = Sheet::font(kWeekdayPoints, true);
    QFont week = Sheet::font(kWeekPoints);
    QFont day = Sheet::font(kDayPoints);
    QFont statutory_day = Sheet::font(kDayPoints, true);
    QFont regional_day = Sheet::font(kDayPoints, false, true);
    QFont name = Sheet::font(kNamePoints);
    QFont moon = Sheet::font(kMoonPoints, false, true);
    QFont school = Sheet::font(kNamePoints, false, true);
    QFont legend = Sheet::font(kLegendPoints);
};

// The grid of the month's weeks below the title and the weekday names, the
// week numbers in a column left of it.
struct Grid {
    double top = 0.0;
    double bottom = 0.0;
    double left = 0.0; // right of the week column
    int days = 0;
    int first = 0; // the weekday of the 1st, 0 = Monday
    int weeks = 1;
    double column_width = 0.0;
    double row_height = 0.0;

    QRectF box(int cell) const {
        return QRectF(left + (cell % 7) * column_width, top + (cell / 7) * row_height, column_width, row_height);
    }
};

// Grounds first, lines over them.
void draw_grid(Sheet& sheet, const Grid& grid, const report::MonthGrid& month, const Fonts& fonts,
               const MonthColours& colours) {
    QPainter& painter = sheet.painter();
    painter.fillRect(QRectF(0, grid.top, grid.left, grid.bottom - grid.top), colours.week_ground);
    for (int day = 1; day <= grid.days; ++day) {
        if (!month.days[static_cast<std::size_t>(day - 1)].school_holiday.empty()) {
            painter.fillRect(grid.box(grid.first + day - 1), colours.school_holiday);
        }
    }
    painter.setFont(fonts.week);
    painter.setPen(colours.week_text);
    for (int row = 0; row < grid.weeks && row < static_cast<int>(month.iso_weeks.size()); ++row) {
        const int week = month.iso_weeks[static_cast<std::size_t>(row)];
        if (week > 0) {
            painter.drawText(QRectF(0, grid.top + row * grid.row_height, grid.left, grid.row_height),
                             Qt::AlignCenter, QString::number(week));
        }
    }
    painter.setPen(QPen(colours.grid_line, sheet.mm(0.25)));
    for (int column = 0; column <= 7; ++column) {
        const double x = grid.left + column * grid.column_width;
        painter.drawLine(QPointF(x, grid.top), QPointF(x, grid.bottom));
    }
    for (int row = 0; row <= grid.weeks; ++row) {
        painter.drawLine(QPointF(0, grid.top + row * grid.row_height),
                         QPointF(sheet.width(), grid.top + row * grid.row_height));
    }
}

// The number, the moon's phase with its time, then the names; the school
// holidays' name at the foot of the first of their days in the month. A
// name that does not fit gets one shortened line, if there is room.
void draw_day(Sheet& sheet, QPagedPaintDevice& device, const Fonts& fonts, const QRectF& box, int day,
              const report::MonthGridDay& entry, bool school_holidays_begin, bool southern_sky,
              const MonthColours& colours) {
    QPainter& painter = sheet.painter();
    const double day_line = sheet.line_height(fonts.day);
    const QFont& number_font = entry.statutory ? fonts.statutory_day : entry.regional ? fonts.regional_day : fonts.day;
    painter.setFont(number_font);
    painter.setPen(day_number_colour(colours, entry.sunday, entry.statutory, entry.regional));
    const QString number = QString::number(day);
    painter.drawText(QRectF(box.left(), box.top(), box.width(), day_line), Qt::AlignLeft | Qt::AlignVCenter, number);
    double top = box.top() + day_line + sheet.mm(0.5);
    const bool named = !entry.named_days.empty() || !entry.festival_texts.empty();
    if (named && !entry.statutory && !entry.regional) {
        // Under the number: beside it, it would read as an ordinal's full stop.
        const double width = QFontMetricsF(number_font, &device).horizontalAdvance(number);
        const double radius = sheet.mm(kDotRadius_mm);
        draw_named_day_dot(painter, QPointF(box.left() + width / 2.0, top + radius), radius, colours);
        top += 2.0 * radius + sheet.mm(0.5);
    }
    const double radius = sheet.mm(kMoonRadius_mm);
    // The sky's marks in the top line, leftwards from the moon's place.
    QPointF mark(box.right() - radius - sheet.mm(0.6), box.top() + day_line / 2);
    if (has_moon(entry)) {
        draw_moon(painter, mark, radius, entry, southern_sky, colours);
        mark.rx() -= 2.8 * radius;
    }
    if (entry.solar_eclipse || entry.lunar_eclipse) {
        draw_eclipse(painter, mark, radius * 0.8, entry.solar_eclipse, colours);
        mark.rx() -= 2.6 * radius;
    }
    if (entry.opposition) draw_opposition_sign(painter, mark, radius, colours);
    if (has_moon(entry)) {
        painter.setFont(fonts.moon);
        painter.setPen(colours.name_text);
        const QString text = moon_text(entry);
        const double height =
            std::min(sheet.wrapped_height(fonts.moon, box.width(), text), 2 * sheet.line_height(fonts.moon));
        painter.drawText(QRectF(box.left(), top, box.width(), height),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
        top += height + sheet.mm(0.5);
    }

    double bottom = box.bottom();
    const QFontMetricsF school_metrics(fonts.school, &device);
    if (school_holidays_begin) {
        const double line = school_metrics.height();
        painter.setFont(fonts.school);
        painter.setPen(colours.name_text);
        painter.drawText(QRectF(box.left(), bottom - line, box.width(), line), Qt::AlignLeft | Qt::AlignBottom,
                         school_metrics.elidedText(text_of(entry.school_holiday), Qt::ElideRight, box.width()));
        bottom -= line;
    }

    QStringList names;
    for (const std::string& named_day : entry.named_days) names << text_of(named_day);
    for (const std::string& festival : entry.festival_texts) names << text_of(festival.substr(0, festival.find(" \u2013 ")));
    painter.setFont(fonts.name);
    const double name_line = sheet.line_height(fonts.name);
    const QFontMetricsF name_metrics(fonts.name, &device);
    for (qsizetype i = 0; i < names.size(); ++i) {
        // The first name carries the day's colour, as in the window.
        painter.setPen(i == 0 ? day_name_colour(colours, entry.statutory, entry.regional) : colours.name_text);
        const double height = sheet.wrapped_height(fonts.name, box.width(), names[i]);
        if (top + height > bottom) {
            if (top + name_line <= bottom) {
                painter.drawText(QRectF(box.left(), top, box.width(), name_line), Qt::AlignLeft | Qt::AlignTop,
                                 name_metrics.elidedText(names[i] + QStringLiteral(" …"), Qt::ElideRight, box.width()));
            }
            break;
        }
        painter.drawText(QRectF(box.left(), top, box.width(), height),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, names[i]);
        top += height;
    }
}

using Sample = LegendSample;

void draw_sample(Sheet& sheet, Sample sample, const QRectF& box, const Fonts& fonts, const MonthColours& colours) {
    QPainter& painter = sheet.painter();
    const QPointF centre = box.center();
    const double radius = std::min(sheet.mm(kMoonRadius_mm) * 0.8, box.height() / 2.0);
    switch (sample) {
    case Sample::Statutory:
    case Sample::Regional: {
        QFont font = sample == Sample::Statutory ? fonts.statutory_day : fonts.regional_day;
        font.setPointSizeF(kLegendPoints + 2.0);
        painter.setFont(font);
        painter.setPen(day_number_colour(colours, false, sample == Sample::Statutory, sample == Sample::Regional));
        painter.drawText(box, Qt::AlignCenter, QStringLiteral("7"));
        break;
    }
    case Sample::NamedDay: draw_named_day_dot(painter, centre, sheet.mm(kDotRadius_mm), colours); break;
    case Sample::SchoolHoliday:
        painter.fillRect(box.adjusted(0, sheet.mm(0.5), 0, -sheet.mm(0.5)), colours.school_holiday);
        painter.setPen(QPen(colours.grid_line, sheet.mm(0.2)));
        painter.drawRect(box.adjusted(0, sheet.mm(0.5), 0, -sheet.mm(0.5)));
        break;
    case Sample::FullMoon:
    case Sample::NewMoon:
    case Sample::Quarter:
    case Sample::BlueMoon: draw_moon_sample(painter, sample, centre, radius, radius / 4.0, colours); break;
    case Sample::SolarEclipse:
    case Sample::LunarEclipse:
        draw_eclipse(painter, centre, radius * 0.8, sample == Sample::SolarEclipse, colours);
        break;
    case Sample::Opposition: draw_opposition_sign(painter, centre, radius, colours); break;
    case Sample::OwnDate:
    case Sample::Today:
    case Sample::Selected: break; // not on paper
    case Sample::Week:
        painter.fillRect(box, colours.week_ground);
        painter.setFont(fonts.legend);
        painter.setPen(colours.week_text);
        painter.drawText(box, Qt::AlignCenter, QStringLiteral("KW"));
        break;
    }
}

// The samples and their meanings above the footer, an entry never broken,
// a new line where the next would not fit; returns the lines needed.
int legend(Sheet& sheet, QPagedPaintDevice& device, const Fonts& fonts, double top, double line_height,
           const MonthColours* colours) {
    QPainter& painter = sheet.painter();
    const QFontMetricsF metrics(fonts.legend, &device);
    const double sample_width = sheet.mm(6);
    const double gap = sheet.mm(1.2);
    const double spacing = sheet.mm(4);
    double x = 0.0;
    int lines = 1;
    for (const LegendEntry& entry : kLegendEntries) {
        if (!entry.printed) continue;
        const QString text = QString::fromUtf8(entry.text);
        const double text_width = metrics.horizontalAdvance(text);
        if (x > 0.0 && x + sample_width + gap + text_width > sheet.width()) {
            x = 0.0;
            ++lines;
        }
        if (colours != nullptr) {
            const double y = top + (lines - 1) * line_height;
            draw_sample(sheet, entry.sample, QRectF(x, y, sample_width, line_height), fonts, *colours);
            painter.setFont(fonts.legend);
            painter.setPen(colours->day_text);
            painter.drawText(QRectF(x + sample_width + gap, y, text_width + 1.0, line_height),
                             Qt::AlignLeft | Qt::AlignVCenter, text);
        }
        x += sample_width + gap + text_width + spacing;
    }
    return lines;
}

} // namespace

int draw_month(QPagedPaintDevice& device, const report::MonthGrid& grid, const QString& heading, bool southern_sky) {
    Sheet sheet(device);
    if (!sheet.ready()) return 0;
    QPainter& painter = sheet.painter();
    const Fonts fonts;
    const MonthColours colours = paper_month_colours();
    const double title_height = sheet.line_height(fonts.title) + sheet.mm(3);
    const double weekday_height = sheet.line_height(fonts.weekday) + sheet.mm(2);
    const double legend_line = sheet.mm(kLegendLine_mm);
    const double legend_height = legend(sheet, device, fonts, 0.0, legend_line, nullptr) * legend_line + sheet.mm(1.5);
    Grid cells;
    cells.top = title_height + weekday_height;
    cells.bottom = sheet.height() - sheet.mm(kFooterHeight_mm) - legend_height;
    cells.left = sheet.mm(kWeekColumn_mm);
    cells.days = static_cast<int>(grid.days.size());
    cells.first = std::clamp(grid.first_weekday, 0, 6);
    cells.weeks = std::max(1, (cells.first + cells.days + 6) / 7);
    cells.column_width = (sheet.width() - cells.left) / 7.0;
    cells.row_height = (cells.bottom - cells.top) / cells.weeks;

    sheet.title(fonts.title, heading, title_height - sheet.mm(2));
    painter.setFont(fonts.weekday);
    painter.setPen(colours.heading_text);
    painter.drawText(QRectF(0, title_height, cells.left, weekday_height), Qt::AlignCenter, QStringLiteral("KW"));
    for (int column = 0; column < 7; ++column) {
        painter.drawText(QRectF(cells.left + column * cells.column_width, title_height, cells.column_width, weekday_height),
                         Qt::AlignCenter, text_of(grid.weekday_names[static_cast<std::size_t>(column)]));
    }
    draw_grid(sheet, cells, grid, fonts, colours);
    const double pad = sheet.mm(kCellPadding_mm);
    for (int day = 1; day <= cells.days; ++day) {
        const report::MonthGridDay& entry = grid.days[static_cast<std::size_t>(day - 1)];
        const bool school_holidays_begin =
            !entry.school_holiday.empty() &&
            (day == 1 || grid.days[static_cast<std::size_t>(day - 2)].school_holiday != entry.school_holiday);
        const QRectF box = cells.box(cells.first + day - 1).adjusted(pad, pad * 0.6, -pad, -pad * 0.6);
        draw_day(sheet, device, fonts, box, day, entry, school_holidays_begin, southern_sky, colours);
    }
    legend(sheet, device, fonts, cells.bottom + sheet.mm(1), legend_line, &colours);
    sheet.footer(QStringLiteral("Vespera · Zeiten in Ortszeit"), 1, 1);
    return 1;
}

} // namespace vespera::ui

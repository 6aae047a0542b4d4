// The month on A4 landscape: a grid of its weeks, each day with its number,
// its named days and, on a full or new moon, the phase with its time.
#include <QPagedPaintDevice>
#include <algorithm>

#include "report/month_grid.h"
#include "ui/print_sheet.h"
#include "ui/printed_documents.h"

namespace vespera::ui {
namespace {

const QColor kGridLine(150, 150, 150);
const QColor kWeekdayText(80, 80, 80);
const QColor kDayText(0, 0, 0);
const QColor kNamedDayText(176, 0, 32); // as the window marks a day with a name
const QColor kNameText(40, 40, 40);
const QColor kOutsideMonth(238, 238, 238);
const QColor kSunday(248, 244, 236);
const QColor kBlueMoon(190, 205, 255);

constexpr double kTitlePoints = 18.0;
constexpr double kWeekdayPoints = 10.0;
constexpr double kDayPoints = 16.0;
constexpr double kNamePoints = 9.5;
constexpr double kMoonPoints = 9.0;
constexpr double kCellPadding_mm = 1.8;
constexpr double kMoonRadius_mm = 2.4;

QString text_of(const std::string& text) { return QString::fromStdString(text); }

// A filled disc for the new moon, an open one for the full moon (pale blue
// for the second full moon of a month).
void draw_moon(QPainter& painter, QPointF centre, double radius, const report::MonthGridDay& day) {
    painter.setPen(QPen(Qt::black, radius * 0.18));
    painter.setBrush(day.new_moon ? QColor(Qt::black) : day.blue_moon ? kBlueMoon : QColor(Qt::white));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
}

// "Vollmond 22:37 Uhr": the engine's "um 22:37 Uhr" without its "um", so
// that the line fits a cell.
QString moon_text(const report::MonthGridDay& day) {
    const QString phase = day.new_moon ? QStringLiteral("Neumond")
                          : day.blue_moon ? QStringLiteral("Vollmond (Blue Moon)")
                                          : QStringLiteral("Vollmond");
    QString time = text_of(day.moon_time);
    if (time.startsWith(QStringLiteral("um "))) time.remove(0, 3);
    return time.isEmpty() ? phase : phase + ' ' + time;
}

} // namespace

int draw_month(QPagedPaintDevice& device, const report::MonthGrid& grid, const QString& heading) {
    Sheet sheet(device);
    if (!sheet.ready()) return 0;
    QPainter& painter = sheet.painter();
    const QFont title_font = Sheet::font(kTitlePoints, true);
    const QFont weekday_font = Sheet::font(kWeekdayPoints, true);
    const QFont day_font = Sheet::font(kDayPoints, true);
    const QFont name_font = Sheet::font(kNamePoints);
    const QFont moon_font = Sheet::font(kMoonPoints, false, true);

    const double title_height = sheet.line_height(title_font) + sheet.mm(3);
    const double weekday_height = sheet.line_height(weekday_font) + sheet.mm(2);
    const double grid_top = title_height + weekday_height;
    const double grid_bottom = sheet.height() - sheet.mm(kFooterHeight_mm);
    const int days = static_cast<int>(grid.days.size());
    const int first = std::clamp(grid.first_weekday, 0, 6);
    const int weeks = std::max(1, (first + days + 6) / 7);
    const double column_width = sheet.width() / 7.0;
    const double row_height = (grid_bottom - grid_top) / weeks;
    const double pad = sheet.mm(kCellPadding_mm);

    sheet.title(title_font, heading, title_height - sheet.mm(2));

    painter.setFont(weekday_font);
    painter.setPen(kWeekdayText);
    for (int column = 0; column < 7; ++column) {
        painter.drawText(QRectF(column * column_width, title_height, column_width, weekday_height),
                         Qt::AlignCenter, text_of(grid.weekday_names[static_cast<std::size_t>(column)]));
    }

    // Grounds first, lines over them.
    for (int cell = 0; cell < weeks * 7; ++cell) {
        const QRectF box((cell % 7) * column_width, grid_top + (cell / 7) * row_height, column_width, row_height);
        const int day = cell - first + 1;
        if (day < 1 || day > days) {
            painter.fillRect(box, kOutsideMonth);
        } else if (cell % 7 == 6) {
            painter.fillRect(box, kSunday);
        }
    }
    painter.setPen(QPen(kGridLine, sheet.mm(0.25)));
    for (int column = 0; column <= 7; ++column) {
        painter.drawLine(QPointF(column * column_width, grid_top), QPointF(column * column_width, grid_bottom));
    }
    for (int row = 0; row <= weeks; ++row) {
        painter.drawLine(QPointF(0, grid_top + row * row_height), QPointF(sheet.width(), grid_top + row * row_height));
    }

    const double day_line = sheet.line_height(day_font);
    const double name_line = sheet.line_height(name_font);
    const double moon_line = sheet.line_height(moon_font);
    const QFontMetricsF name_metrics(name_font, &device);
    for (int day = 1; day <= days; ++day) {
        const report::MonthGridDay& entry = grid.days[static_cast<std::size_t>(day - 1)];
        const int cell = first + day - 1;
        const QRectF box = QRectF((cell % 7) * column_width, grid_top + (cell / 7) * row_height, column_width,
                                  row_height)
                               .adjusted(pad, pad * 0.6, -pad, -pad * 0.6);

        painter.setFont(day_font);
        painter.setPen(entry.named_days.empty() ? kDayText : kNamedDayText);
        painter.drawText(QRectF(box.left(), box.top(), box.width(), day_line), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::number(day));
        const bool moon = entry.full_moon || entry.new_moon;
        if (moon) {
            const double radius = sheet.mm(kMoonRadius_mm);
            draw_moon(painter, QPointF(box.right() - radius - sheet.mm(0.3), box.top() + day_line / 2), radius, entry);
        }

        // Below the number the moon's phase with its time, then the names. A
        // name that does not fit gets one shortened line, if there is room.
        double top = box.top() + day_line + sheet.mm(0.5);
        if (moon) {
            painter.setFont(moon_font);
            painter.setPen(kDayText);
            const QString text = moon_text(entry);
            const double height = std::min(sheet.wrapped_height(moon_font, box.width(), text), 2 * moon_line);
            painter.drawText(QRectF(box.left(), top, box.width(), height),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
            top += height + sheet.mm(0.5);
        }
        painter.setFont(name_font);
        painter.setPen(kNameText);
        for (const std::string& named_day : entry.named_days) {
            const QString name = text_of(named_day);
            const double height = sheet.wrapped_height(name_font, box.width(), name);
            if (top + height > box.bottom()) {
                if (top + name_line <= box.bottom()) {
                    painter.drawText(QRectF(box.left(), top, box.width(), name_line), Qt::AlignLeft | Qt::AlignTop,
                                     name_metrics.elidedText(name + QStringLiteral(" …"), Qt::ElideRight, box.width()));
                }
                break;
            }
            painter.drawText(QRectF(box.left(), top, box.width(), height),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, name);
            top += height;
        }
    }

    sheet.footer(QStringLiteral("Vespera · Rote Tageszahl: ein Feiertag oder benannter Tag · "
                                "\u25cf Neumond · \u25cb Vollmond · Zeiten in Ortszeit"),
                 1, 1);
    return 1;
}

} // namespace vespera::ui

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

struct Fonts {
    QFont title = Sheet::font(kTitlePoints, true);
    QFont weekday = Sheet::font(kWeekdayPoints, true);
    QFont day = Sheet::font(kDayPoints, true);
    QFont name = Sheet::font(kNamePoints);
    QFont moon = Sheet::font(kMoonPoints, false, true);
};

// The grid of the month's weeks below the title and the weekday names.
struct Grid {
    double top = 0.0;
    double bottom = 0.0;
    int days = 0;
    int first = 0; // the weekday of the 1st, 0 = Monday
    int weeks = 1;
    double column_width = 0.0;
    double row_height = 0.0;

    QRectF box(int cell) const {
        return QRectF((cell % 7) * column_width, top + (cell / 7) * row_height, column_width, row_height);
    }
};

// Grounds first, lines over them.
void draw_grid(Sheet& sheet, const Grid& grid) {
    QPainter& painter = sheet.painter();
    for (int cell = 0; cell < grid.weeks * 7; ++cell) {
        const int day = cell - grid.first + 1;
        if (day < 1 || day > grid.days) {
            painter.fillRect(grid.box(cell), kOutsideMonth);
        } else if (cell % 7 == 6) {
            painter.fillRect(grid.box(cell), kSunday);
        }
    }
    painter.setPen(QPen(kGridLine, sheet.mm(0.25)));
    for (int column = 0; column <= 7; ++column) {
        painter.drawLine(QPointF(column * grid.column_width, grid.top),
                         QPointF(column * grid.column_width, grid.bottom));
    }
    for (int row = 0; row <= grid.weeks; ++row) {
        painter.drawLine(QPointF(0, grid.top + row * grid.row_height),
                         QPointF(sheet.width(), grid.top + row * grid.row_height));
    }
}

// The number, and below it the moon's phase with its time, then the names.
// A name that does not fit gets one shortened line, if there is room.
void draw_day(Sheet& sheet, QPagedPaintDevice& device, const Fonts& fonts, const QRectF& box, int day,
              const report::MonthGridDay& entry) {
    QPainter& painter = sheet.painter();
    const double day_line = sheet.line_height(fonts.day);
    painter.setFont(fonts.day);
    painter.setPen(entry.named_days.empty() ? kDayText : kNamedDayText);
    painter.drawText(QRectF(box.left(), box.top(), box.width(), day_line), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::number(day));
    const bool moon = entry.full_moon || entry.new_moon;
    if (moon) {
        const double radius = sheet.mm(kMoonRadius_mm);
        draw_moon(painter, QPointF(box.right() - radius - sheet.mm(0.3), box.top() + day_line / 2), radius, entry);
    }

    double top = box.top() + day_line + sheet.mm(0.5);
    if (moon) {
        painter.setFont(fonts.moon);
        painter.setPen(kDayText);
        const QString text = moon_text(entry);
        const double height =
            std::min(sheet.wrapped_height(fonts.moon, box.width(), text), 2 * sheet.line_height(fonts.moon));
        painter.drawText(QRectF(box.left(), top, box.width(), height),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
        top += height + sheet.mm(0.5);
    }
    painter.setFont(fonts.name);
    painter.setPen(kNameText);
    const double name_line = sheet.line_height(fonts.name);
    const QFontMetricsF name_metrics(fonts.name, &device);
    for (const std::string& named_day : entry.named_days) {
        const QString name = text_of(named_day);
        const double height = sheet.wrapped_height(fonts.name, box.width(), name);
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

} // namespace

int draw_month(QPagedPaintDevice& device, const report::MonthGrid& grid, const QString& heading) {
    Sheet sheet(device);
    if (!sheet.ready()) return 0;
    QPainter& painter = sheet.painter();
    const Fonts fonts;
    const double title_height = sheet.line_height(fonts.title) + sheet.mm(3);
    const double weekday_height = sheet.line_height(fonts.weekday) + sheet.mm(2);
    Grid cells;
    cells.top = title_height + weekday_height;
    cells.bottom = sheet.height() - sheet.mm(kFooterHeight_mm);
    cells.days = static_cast<int>(grid.days.size());
    cells.first = std::clamp(grid.first_weekday, 0, 6);
    cells.weeks = std::max(1, (cells.first + cells.days + 6) / 7);
    cells.column_width = sheet.width() / 7.0;
    cells.row_height = (cells.bottom - cells.top) / cells.weeks;

    sheet.title(fonts.title, heading, title_height - sheet.mm(2));
    painter.setFont(fonts.weekday);
    painter.setPen(kWeekdayText);
    for (int column = 0; column < 7; ++column) {
        painter.drawText(QRectF(column * cells.column_width, title_height, cells.column_width, weekday_height),
                         Qt::AlignCenter, text_of(grid.weekday_names[static_cast<std::size_t>(column)]));
    }
    draw_grid(sheet, cells);
    const double pad = sheet.mm(kCellPadding_mm);
    for (int day = 1; day <= cells.days; ++day) {
        const QRectF box = cells.box(cells.first + day - 1).adjusted(pad, pad * 0.6, -pad, -pad * 0.6);
        draw_day(sheet, device, fonts, box, day, grid.days[static_cast<std::size_t>(day - 1)]);
    }

    sheet.footer(QStringLiteral("Vespera · Rote Tageszahl: ein Feiertag oder benannter Tag · "
                                "\u25cf Neumond · \u25cb Vollmond · Zeiten in Ortszeit"),
                 1, 1);
    return 1;
}

} // namespace vespera::ui

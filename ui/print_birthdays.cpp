// The year's birthdays and anniversaries on one A4 page, as the
// "Geburtstagskalender" on a kitchen wall: twelve months in three columns,
// each with its days and names.
#include <QPagedPaintDevice>
#include <algorithm>
#include <cmath>

#include "ephemeris/calendar.h"
#include "report/own_date_rows.h"
#include "ui/print_sheet.h"
#include "ui/printed_documents.h"

namespace vespera::ui {
namespace {

constexpr const char* kMonthNames[12] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                         "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
constexpr int kColumns = 3;
constexpr int kRows = 4;
constexpr double kTitlePoints = 18.0;
constexpr double kMonthPoints = 12.0;
constexpr double kGap_mm = 4.0;
const QColor kBoxLine(150, 150, 150);
const QColor kDayText(80, 80, 80);

// "12.": the day before its names ("Anna (40)").
QString line_of(const report::OwnDateEntry& entry) {
    const CivilDate date = date_in(Calendar::Gregorian, entry.first_day);
    return QStringLiteral("%1.").arg(date.day);
}

} // namespace

int draw_birthday_calendar(QPagedPaintDevice& device, const report::BirthdayCalendar& calendar,
                           const QString& heading) {
    Sheet sheet(device);
    if (!sheet.ready()) return 0;
    QPainter& painter = sheet.painter();
    const QFont title = Sheet::font(kTitlePoints, true);
    const double title_band = sheet.line_height(title) * 1.6;
    sheet.title(title, heading, title_band);

    const double gap = sheet.mm(kGap_mm);
    const double top = title_band + gap / 2.0;
    const double box_width = (sheet.width() - (kColumns - 1) * gap) / kColumns;
    const double box_height = (sheet.height() - top - sheet.mm(kFooterHeight_mm) - (kRows - 1) * gap) / kRows;

    // One size of names for the whole page, small enough for the fullest month.
    std::size_t fullest = 1;
    for (const auto& month : calendar.months) fullest = std::max(fullest, month.size());
    const QFont month_font = Sheet::font(kMonthPoints, true);
    const double month_band = sheet.line_height(month_font) * 1.4;
    double points = 11.0;
    while (points > 5.0 && sheet.line_height(Sheet::font(points)) * static_cast<double>(fullest) >
                               box_height - month_band - sheet.mm(2.0)) {
        points -= 0.5;
    }
    const QFont name_font = Sheet::font(points);
    const QFont day_font = Sheet::font(points, true);
    const double line = sheet.line_height(name_font);
    const double day_width = QFontMetricsF(day_font, &device).horizontalAdvance(QStringLiteral("00.")) + sheet.mm(1.5);

    for (int month = 0; month < 12; ++month) {
        const double x = (month % kColumns) * (box_width + gap);
        const double y = top + (month / kColumns) * (box_height + gap);
        const QRectF box(x, y, box_width, box_height);
        painter.setPen(QPen(kBoxLine, sheet.mm(0.25)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        painter.setFont(month_font);
        painter.setPen(kTitleText);
        painter.drawText(QRectF(x + sheet.mm(2.0), y, box_width - sheet.mm(4.0), month_band),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(kMonthNames[month]));
        double row_y = y + month_band;
        const double name_width = box_width - sheet.mm(4.0) - day_width;
        const QFontMetricsF name_metrics(name_font, &device);
        const auto& entries = calendar.months[static_cast<std::size_t>(month)];
        // At the least size a month may still hold more than its box: the
        // last line then says how many are left out.
        const auto fit = static_cast<std::size_t>(std::max(1.0, std::floor((box_height - month_band) / line)));
        const std::size_t shown = entries.size() > fit ? fit - 1 : entries.size();
        for (std::size_t i = 0; i < shown; ++i) {
            const report::OwnDateEntry& entry = entries[i];
            // A day's number once, above the names that share it.
            const bool first_of_day = i == 0 || entries[i - 1].first_day != entry.first_day;
            if (first_of_day) {
                painter.setFont(day_font);
                painter.setPen(kDayText);
                painter.drawText(QRectF(x + sheet.mm(2.0), row_y, day_width, line), Qt::AlignLeft | Qt::AlignVCenter,
                                 line_of(entry));
            }
            painter.setFont(name_font);
            painter.setPen(Qt::black);
            painter.drawText(QRectF(x + sheet.mm(2.0) + day_width, row_y, name_width, line),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             name_metrics.elidedText(QString::fromStdString(entry.short_label), Qt::ElideRight, name_width));
            row_y += line;
        }
        if (shown < entries.size()) {
            painter.setFont(name_font);
            painter.setPen(kDayText);
            painter.drawText(QRectF(x + sheet.mm(2.0) + day_width, row_y, name_width, line),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             QStringLiteral("\u2026 und %1 weitere").arg(entries.size() - shown));
        }
    }
    sheet.footer(heading, 1, 1);
    return 1;
}

} // namespace vespera::ui

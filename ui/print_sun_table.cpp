// The year's sunrise table on A4 portrait, one page per quarter: a row per
// day with the Sun's and the Moon's times and the Moon's phase, a line
// between the months, Sundays on a light ground.
#include <QPagedPaintDevice>
#include <algorithm>
#include <array>
#include <vector>

#include "ephemeris/calendar.h"
#include "report/sun_table.h"
#include "ui/print_sheet.h"
#include "ui/printed_documents.h"

namespace vespera::ui {
namespace {

const QColor kRule(120, 130, 150);
const QColor kMonthRule(160, 160, 160);
const QColor kSunday(236, 236, 236);
const QColor kHeaderText(60, 60, 60);
const QColor kText(0, 0, 0);

constexpr int kRowsPerPage = 92; // the longest quarter: July to September
constexpr int kQuarters = 4;
constexpr double kTitlePoints = 13.0;
constexpr double kHeaderPoints = 7.5;
constexpr double kPointsPerMillimetre = 72.0 / 25.4;
constexpr double kRowFontShare = 0.84; // of the row height, in points
constexpr int kSundayIndex = 6;        // weekday_index counts from Monday

struct Column {
    const char* group; // the heading over the columns of one group
    const char* heading;
    std::string report::SunTableDay::*field;
};

// After the date; each as wide as its widest entry, the rest of the width
// shared out.
const std::array<Column, 8> kColumns = {{
    {"Sonne", "Aufgang", &report::SunTableDay::sunrise},
    {"Sonne", "Untergang", &report::SunTableDay::sunset},
    {"Sonne", "Tageslänge", &report::SunTableDay::day_length},
    {"Bürgerliche Dämmerung", "Beginn", &report::SunTableDay::dawn},
    {"Bürgerliche Dämmerung", "Ende", &report::SunTableDay::dusk},
    {"Mond", "Aufgang", &report::SunTableDay::moonrise},
    {"Mond", "Untergang", &report::SunTableDay::moonset},
    {"Mond", "Phase (mittags)", &report::SunTableDay::moon_phase},
}};

const char* const kQuarterNames[kQuarters] = {"Januar bis März", "April bis Juni", "Juli bis September",
                                              "Oktober bis Dezember"};

QString text_of(const std::string& text) { return QString::fromStdString(text); }

// "Mi 1.1." from "1.1.2025": the year stands in the heading.
QString short_date(const report::SunTableDay& day) {
    const std::size_t first = day.date.find('.');
    const std::size_t second = first == std::string::npos ? first : day.date.find('.', first + 1);
    const std::string date = second == std::string::npos ? day.date : day.date.substr(0, second + 1);
    return text_of(day.weekday + " " + date);
}

bool is_full_or_new_moon(const report::SunTableDay& day) {
    return day.moon_phase.starts_with("Vollmond") || day.moon_phase.starts_with("Neumond");
}

using Quarters = std::array<std::vector<const report::SunTableDay*>, kQuarters>;

// The days of each quarter, by their civil month.
Quarters quarters_of(const report::SunTable& table) {
    Quarters quarters;
    for (const report::SunTableDay& day : table.days) {
        const int month = civil_date(day.day_number).month;
        quarters[static_cast<std::size_t>(std::clamp((month - 1) / 3, 0, kQuarters - 1))].push_back(&day);
    }
    return quarters;
}

// Where everything stands on a page; the same on every page.
struct Layout {
    QFont title_font;
    QFont subtitle_font;
    QFont header_font;
    QFont row_font;
    QFont event_font;
    double title_height = 0.0;
    double header_line = 0.0;
    double header_top = 0.0;
    double body_top = 0.0;
    double row_height = 0.0;
    double cell_pad = 0.0;
    std::vector<double> left; // of each column, and the right edge of the last

    QRectF cell(std::size_t index, double top, double height) const {
        return QRectF(left[index] + cell_pad, top, left[index + 1] - left[index] - 2 * cell_pad, height);
    }
};

// Times stand centred under their heading; the date and the phase read from the left.
Qt::Alignment alignment(std::size_t index) {
    return (index == 0 || index == kColumns.size() ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter;
}

// Column widths: the widest entry or heading, then each group wide enough
// for its name, then what is left shared out evenly.
std::vector<double> column_lefts(const Sheet& sheet, QPagedPaintDevice& device, const report::SunTable& table,
                                 const Layout& layout) {
    const double cell_pad = layout.cell_pad;
    const QFontMetricsF header_metrics(layout.header_font, &device);
    const QFontMetricsF row_metrics(layout.row_font, &device);
    const QFontMetricsF event_metrics(layout.event_font, &device);
    std::vector<double> width(kColumns.size() + 1, 0.0);
    width[0] = header_metrics.horizontalAdvance(QStringLiteral("Datum"));
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        width[i + 1] = header_metrics.horizontalAdvance(QString::fromUtf8(kColumns[i].heading));
    }
    for (const report::SunTableDay& day : table.days) {
        width[0] = std::max(width[0], row_metrics.horizontalAdvance(short_date(day)));
        for (std::size_t i = 0; i < kColumns.size(); ++i) {
            const QFontMetricsF& metrics = i + 1 == kColumns.size() && is_full_or_new_moon(day) ? event_metrics : row_metrics;
            width[i + 1] = std::max(width[i + 1], metrics.horizontalAdvance(text_of(day.*kColumns[i].field)));
        }
    }
    for (double& w : width) w += 2 * cell_pad;
    for (std::size_t i = 0; i < kColumns.size();) {
        std::size_t end = i + 1;
        while (end < kColumns.size() && kColumns[end].group == kColumns[i].group) ++end;
        double span = 0.0;
        for (std::size_t k = i; k < end; ++k) span += width[k + 1];
        const double needed = header_metrics.horizontalAdvance(QString::fromUtf8(kColumns[i].group)) + 2 * cell_pad;
        if (needed > span) {
            for (std::size_t k = i; k < end; ++k) width[k + 1] += (needed - span) / static_cast<double>(end - i);
        }
        i = end;
    }
    double used = 0.0;
    for (const double w : width) used += w;
    for (double& w : width) w += (sheet.width() - used) / static_cast<double>(width.size());
    std::vector<double> left = {0.0};
    for (const double w : width) left.push_back(left.back() + w);
    return left;
}

Layout layout_of(const Sheet& sheet, QPagedPaintDevice& device, const report::SunTable& table) {
    Layout layout;
    layout.title_font = Sheet::font(kTitlePoints, true);
    layout.subtitle_font = Sheet::font(kTitlePoints - 3.0);
    layout.header_font = Sheet::font(kHeaderPoints, true);
    layout.title_height = sheet.line_height(layout.title_font) + sheet.mm(2);
    layout.header_line = sheet.line_height(layout.header_font);
    layout.header_top = layout.title_height;
    layout.body_top = layout.header_top + 2 * layout.header_line + sheet.mm(1.5);
    const double body_bottom = sheet.height() - sheet.mm(kFooterHeight_mm);
    layout.row_height = (body_bottom - layout.body_top) / kRowsPerPage;
    layout.row_font = Sheet::font(layout.row_height / sheet.mm(1) * kPointsPerMillimetre * kRowFontShare);
    layout.event_font = Sheet::font(layout.row_font.pointSizeF(), true);
    layout.cell_pad = sheet.mm(1.0);
    layout.left = column_lefts(sheet, device, table, layout);
    return layout;
}

// The title with the quarter's name, then two header lines: the groups
// (Sonne, Dämmerung, Mond) over their columns.
void draw_page_heading(Sheet& sheet, const Layout& layout, const report::SunTable& table, int quarter) {
    QPainter& painter = sheet.painter();
    const std::vector<double>& left = layout.left;
    sheet.title(layout.title_font, text_of(table.heading), layout.title_height);
    painter.setFont(layout.subtitle_font);
    painter.drawText(QRectF(0, 0, sheet.width(), layout.title_height), Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromUtf8(kQuarterNames[quarter]));

    painter.setFont(layout.header_font);
    painter.setPen(kHeaderText);
    for (std::size_t i = 0; i < kColumns.size();) {
        std::size_t end = i + 1;
        while (end < kColumns.size() && kColumns[end].group == kColumns[i].group) ++end;
        const QRectF span(left[i + 1], layout.header_top, left[end + 1] - left[i + 1], layout.header_line);
        painter.drawText(span, Qt::AlignHCenter | Qt::AlignVCenter, QString::fromUtf8(kColumns[i].group));
        painter.setPen(QPen(kMonthRule, sheet.mm(0.2)));
        painter.drawLine(QPointF(span.left() + layout.cell_pad, span.bottom()),
                         QPointF(span.right() - layout.cell_pad, span.bottom()));
        painter.setPen(kHeaderText);
        i = end;
    }
    const double second_line = layout.header_top + layout.header_line + sheet.mm(0.5);
    painter.drawText(layout.cell(0, second_line, layout.header_line), alignment(0), QStringLiteral("Datum"));
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        painter.drawText(layout.cell(i + 1, second_line, layout.header_line), alignment(i + 1),
                         QString::fromUtf8(kColumns[i].heading));
    }
    painter.setPen(QPen(kRule, sheet.mm(0.35)));
    painter.drawLine(QPointF(0, layout.body_top - sheet.mm(0.5)),
                     QPointF(sheet.width(), layout.body_top - sheet.mm(0.5)));
}

void draw_days(Sheet& sheet, const Layout& layout, const std::vector<const report::SunTableDay*>& days) {
    QPainter& painter = sheet.painter();
    double top = layout.body_top;
    int previous_month = 0;
    for (const report::SunTableDay* day : days) {
        const QRectF line(0, top, sheet.width(), layout.row_height);
        if (weekday_index(day->day_number) == kSundayIndex) painter.fillRect(line, kSunday);
        const int month = civil_date(day->day_number).month;
        if (previous_month != 0 && month != previous_month) {
            painter.setPen(QPen(kMonthRule, sheet.mm(0.3)));
            painter.drawLine(line.topLeft(), line.topRight());
        }
        previous_month = month;
        painter.setPen(kText);
        painter.setFont(layout.row_font);
        painter.drawText(layout.cell(0, top, layout.row_height), alignment(0), short_date(*day));
        for (std::size_t i = 0; i < kColumns.size(); ++i) {
            const bool event = i + 1 == kColumns.size() && is_full_or_new_moon(*day);
            painter.setFont(event ? layout.event_font : layout.row_font);
            painter.drawText(layout.cell(i + 1, top, layout.row_height), alignment(i + 1),
                             text_of(day->*kColumns[i].field));
        }
        top += layout.row_height;
    }
}

} // namespace

int draw_sun_table(QPagedPaintDevice& device, const report::SunTable& table) {
    const Quarters quarters = quarters_of(table);
    int pages = 0;
    for (const auto& quarter : quarters) pages += quarter.empty() ? 0 : 1;
    if (pages == 0) pages = 1; // an empty table still prints its heading

    Sheet sheet(device);
    if (!sheet.ready()) return 0;
    const Layout layout = layout_of(sheet, device, table);
    int page = 0;
    for (int q = 0; q < kQuarters; ++q) {
        const auto& days = quarters[static_cast<std::size_t>(q)];
        if (days.empty() && !(page == 0 && q == kQuarters - 1)) continue;
        if (page > 0 && !sheet.next_page()) return 0;
        ++page;
        draw_page_heading(sheet, layout, table, q);
        draw_days(sheet, layout, days);
        sheet.footer(QStringLiteral("Zeiten in Ortszeit · **** ganztags über dem Horizont · "
                                    ".... ganztags darunter · ---- kein Auf- bzw. Untergang"),
                     page, pages);
    }
    return pages;
}

} // namespace vespera::ui

// A report or year list on A4 portrait: the report's heading at the top of
// every page, then its rows as label and value, and a third column for the
// category where the rows have one (the holiday list's "gesetzlich"). A
// heading inside the report never stands alone at the foot of a page.
#include <QPagedPaintDevice>
#include <algorithm>
#include <vector>

#include "report/holiday_categories.h"
#include "report/report.h"
#include "ui/month_colours.h"
#include "ui/print_sheet.h"
#include "ui/printed_documents.h"

namespace vespera::ui {
namespace {

const QColor kRule(150, 160, 180);
const QColor kLabelText(70, 70, 70);
const QColor kValueText(0, 0, 0);
const QColor kNoteText(60, 60, 60);
const QColor kStripe(242, 242, 242);

constexpr double kTitlePoints = 14.0;
constexpr double kRowPoints = 10.0;
constexpr double kColumnGap_mm = 5.0;
constexpr double kRowPadding_mm = 1.2;
constexpr double kHeadingSpace_mm = 3.0; // above a heading inside the report
constexpr double kLabelShare = 0.45;     // of the width, at most
constexpr double kCategoryShare = 0.25;  // of the width, at most

struct Placed {
    const report::Row* row = nullptr; // nullptr: the note that the report broke off
    int page = 0;
    double top = 0.0;
    double height = 0.0;
};

QString text_of(const std::string& text) { return QString::fromStdString(text); }

struct Fonts {
    QFont title = Sheet::font(kTitlePoints, true);
    QFont heading = Sheet::font(kRowPoints, true);
    QFont row = Sheet::font(kRowPoints);
    QFont note = Sheet::font(kRowPoints, false, true);
};

// The page's body and its two columns, label and value.
struct Body {
    double top = 0.0;
    double bottom = 0.0;
    double padding = 0.0;
    double label_width = 0.0;
    double value_left = 0.0;
    double value_width = 0.0;
    double category_left = 0.0;
    double category_width = 0.0; // 0: no row has a category
    MonthColours colours = paper_month_colours();
};

Body body_of(const Sheet& sheet, QPagedPaintDevice& device, const report::Report& report, const Fonts& fonts,
             double top) {
    Body body;
    body.top = top;
    body.bottom = sheet.height() - sheet.mm(kFooterHeight_mm);
    body.padding = sheet.mm(kRowPadding_mm);
    const QFontMetricsF row_metrics(fonts.row, &device);
    const QFontMetricsF bold_metrics(fonts.heading, &device);
    for (const report::Row& row : report.rows) {
        if (!row.is_heading()) {
            body.label_width = std::max(body.label_width, row_metrics.horizontalAdvance(text_of(row.label)));
            // At the bold width: a statutory day's category is bold.
            body.category_width = std::max(body.category_width, bold_metrics.horizontalAdvance(text_of(row.category)));
        }
    }
    if (body.category_width > 0.0) {
        body.category_width = std::min(body.category_width + sheet.mm(1), sheet.width() * kCategoryShare);
    }
    body.category_left = sheet.width() - body.category_width;
    body.label_width = std::min(body.label_width + sheet.mm(1), sheet.width() * kLabelShare);
    body.value_left = body.label_width + sheet.mm(kColumnGap_mm);
    body.value_width = body.category_left - body.value_left - (body.category_width > 0.0 ? sheet.mm(kColumnGap_mm) : 0.0);
    return body;
}

// Where every row goes, before anything is drawn: the footer names the
// number of pages.
std::vector<Placed> place_rows(const Sheet& sheet, const report::Report& report, const Fonts& fonts,
                               const Body& body) {
    std::vector<Placed> placed;
    int page = 1;
    double top = body.top;
    auto row_height = [&](const report::Row& row) {
        if (row.is_heading()) return sheet.line_height(fonts.heading) + body.padding * 2;
        double height = std::max(sheet.wrapped_height(fonts.row, body.label_width, text_of(row.label)),
                                 sheet.wrapped_height(fonts.row, body.value_width, text_of(row.value)));
        if (!row.category.empty()) {
            height = std::max(height, sheet.wrapped_height(fonts.heading, body.category_width, text_of(row.category)));
        }
        return height + body.padding * 2;
    };
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        const report::Row& row = report.rows[i];
        double height = row_height(row);
        double needed = height;
        if (row.is_heading()) {
            if (top > body.top) top += sheet.mm(kHeadingSpace_mm);
            if (i + 1 < report.rows.size()) needed += row_height(report.rows[i + 1]);
        }
        if (top + needed > body.bottom && top > body.top) {
            ++page;
            top = body.top;
        }
        placed.push_back({&row, page, top, height});
        top += height;
    }
    if (report.stopped) placed.push_back({nullptr, page, top, sheet.line_height(fonts.note) + body.padding * 2});
    return placed;
}

// `stripe` counts the rows since the last heading.
void draw_placed(Sheet& sheet, const Placed& at, const Fonts& fonts, const Body& body, int& stripe) {
    QPainter& painter = sheet.painter();
    const double padding = body.padding;
    const QRectF line(0, at.top, sheet.width(), at.height);
    if (at.row == nullptr) {
        painter.setFont(fonts.note);
        painter.setPen(kLabelText);
        painter.drawText(line.adjusted(0, padding, 0, -padding), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("Der Bericht bricht hier ab: die Rechnung meldete einen Fehler."));
        return;
    }
    const report::Row& row = *at.row;
    if (row.is_heading()) {
        stripe = 0;
        painter.setFont(fonts.heading);
        painter.setPen(kTitleText);
        painter.drawText(line.adjusted(0, padding, 0, -padding), Qt::AlignLeft | Qt::AlignVCenter,
                         text_of(row.label));
        painter.setPen(QPen(kRule, sheet.mm(0.2)));
        painter.drawLine(line.bottomLeft(), line.bottomRight());
        return;
    }
    // Every other row on a light ground, so that a long list reads across.
    if (stripe++ % 2 == 1) painter.fillRect(line, kStripe);
    painter.setFont(fonts.row);
    painter.setPen(kLabelText);
    painter.drawText(QRectF(sheet.mm(1), at.top + padding, body.label_width, at.height - 2 * padding),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text_of(row.label));
    painter.setPen(kValueText);
    painter.drawText(QRectF(body.value_left, at.top + padding, body.value_width, at.height - 2 * padding),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text_of(row.value));
    if (!row.category.empty()) {
        // Red as the month marks the day; the statutory ones bold, so that
        // they stand apart in grey-scale too.
        const bool statutory = row.category == report::category_label(report::HolidayCategory::Gesetzlich);
        const bool regional = row.category == report::category_label(report::HolidayCategory::Regional);
        painter.setPen(day_name_colour(body.colours, statutory, regional));
        if (statutory) painter.setFont(fonts.heading);
        painter.drawText(QRectF(body.category_left, at.top + padding, body.category_width, at.height - 2 * padding),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text_of(row.category));
    }
}

} // namespace

int draw_report(QPagedPaintDevice& device, const report::Report& report, const QString& note) {
    Sheet sheet(device);
    if (!sheet.ready()) return 0;
    QPainter& painter = sheet.painter();
    const Fonts fonts;
    const double title_height = sheet.line_height(fonts.title) + sheet.mm(4);
    const double note_height = note.isEmpty() ? 0.0 : sheet.wrapped_height(fonts.note, sheet.width(), note) + sheet.mm(2);
    const Body body = body_of(sheet, device, report, fonts, title_height + note_height);
    const std::vector<Placed> placed = place_rows(sheet, report, fonts, body);
    const int pages = placed.empty() ? 1 : placed.back().page;

    const QString title = text_of(report.heading);
    std::size_t next = 0;
    for (int page = 1; page <= pages; ++page) {
        if (page > 1 && !sheet.next_page()) return 0;
        sheet.title(fonts.title, title, title_height - sheet.mm(2));
        painter.setPen(QPen(kRule, sheet.mm(0.3)));
        painter.drawLine(QPointF(0, title_height - sheet.mm(1.5)), QPointF(sheet.width(), title_height - sheet.mm(1.5)));
        if (!note.isEmpty()) {
            painter.setFont(fonts.note);
            painter.setPen(kNoteText);
            painter.drawText(QRectF(0, title_height, sheet.width(), note_height), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             note);
        }
        int stripe = 0;
        for (; next < placed.size() && placed[next].page == page; ++next) draw_placed(sheet, placed[next], fonts, body, stripe);
        sheet.footer(QStringLiteral("Vespera"), page, pages);
    }
    return pages;
}

} // namespace vespera::ui

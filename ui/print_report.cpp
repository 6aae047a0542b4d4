// A report or year list on A4 portrait: the report's heading at the top of
// every page, then its rows as label and value in two columns. A heading
// inside the report never stands alone at the foot of a page.
#include <QPagedPaintDevice>
#include <algorithm>
#include <vector>

#include "report/report.h"
#include "ui/print_sheet.h"
#include "ui/printed_documents.h"

namespace vespera::ui {
namespace {

const QColor kRule(150, 160, 180);
const QColor kLabelText(70, 70, 70);
const QColor kValueText(0, 0, 0);
const QColor kStripe(242, 242, 242);

constexpr double kTitlePoints = 14.0;
constexpr double kRowPoints = 10.0;
constexpr double kColumnGap_mm = 5.0;
constexpr double kRowPadding_mm = 1.2;
constexpr double kHeadingSpace_mm = 3.0; // above a heading inside the report
constexpr double kLabelShare = 0.45;     // of the width, at most

struct Placed {
    const report::Row* row = nullptr; // nullptr: the note that the report broke off
    int page = 0;
    double top = 0.0;
    double height = 0.0;
};

QString text_of(const std::string& text) { return QString::fromStdString(text); }

} // namespace

int draw_report(QPagedPaintDevice& device, const report::Report& report) {
    Sheet sheet(device);
    if (!sheet.ready()) return 0;
    QPainter& painter = sheet.painter();
    const QFont title_font = Sheet::font(kTitlePoints, true);
    const QFont heading_font = Sheet::font(kRowPoints, true);
    const QFont row_font = Sheet::font(kRowPoints);
    const QFont note_font = Sheet::font(kRowPoints, false, true);

    const double title_height = sheet.line_height(title_font) + sheet.mm(4);
    const double body_top = title_height;
    const double body_bottom = sheet.height() - sheet.mm(kFooterHeight_mm);
    const double gap = sheet.mm(kColumnGap_mm);
    const double padding = sheet.mm(kRowPadding_mm);

    double label_width = 0.0;
    const QFontMetricsF row_metrics(row_font, &device);
    for (const report::Row& row : report.rows) {
        if (!row.is_heading()) label_width = std::max(label_width, row_metrics.horizontalAdvance(text_of(row.label)));
    }
    label_width = std::min(label_width + sheet.mm(1), sheet.width() * kLabelShare);
    const double value_left = label_width + gap;
    const double value_width = sheet.width() - value_left;

    // Where every row goes, before anything is drawn: the footer names the
    // number of pages.
    std::vector<Placed> placed;
    int page = 1;
    double top = body_top;
    auto row_height = [&](const report::Row& row) {
        if (row.is_heading()) return sheet.line_height(heading_font) + padding * 2;
        return std::max(sheet.wrapped_height(row_font, label_width, text_of(row.label)),
                        sheet.wrapped_height(row_font, value_width, text_of(row.value))) +
               padding * 2;
    };
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        const report::Row& row = report.rows[i];
        double height = row_height(row);
        double needed = height;
        if (row.is_heading()) {
            if (top > body_top) top += sheet.mm(kHeadingSpace_mm);
            if (i + 1 < report.rows.size()) needed += row_height(report.rows[i + 1]);
        }
        if (top + needed > body_bottom && top > body_top) {
            ++page;
            top = body_top;
        }
        placed.push_back({&row, page, top, height});
        top += height;
    }
    if (report.stopped) placed.push_back({nullptr, page, top, sheet.line_height(note_font) + padding * 2});
    const int pages = page;

    const QString title = text_of(report.heading);
    std::size_t next = 0;
    for (page = 1; page <= pages; ++page) {
        if (page > 1 && !sheet.next_page()) return 0;
        sheet.title(title_font, title, title_height - sheet.mm(2));
        painter.setPen(QPen(kRule, sheet.mm(0.3)));
        painter.drawLine(QPointF(0, title_height - sheet.mm(1.5)), QPointF(sheet.width(), title_height - sheet.mm(1.5)));

        int stripe = 0;
        for (; next < placed.size() && placed[next].page == page; ++next) {
            const Placed& at = placed[next];
            const QRectF line(0, at.top, sheet.width(), at.height);
            if (at.row == nullptr) {
                painter.setFont(note_font);
                painter.setPen(kLabelText);
                painter.drawText(line.adjusted(0, padding, 0, -padding), Qt::AlignLeft | Qt::AlignTop,
                                 QStringLiteral("Der Bericht bricht hier ab: die Rechnung meldete einen Fehler."));
                continue;
            }
            const report::Row& row = *at.row;
            if (row.is_heading()) {
                stripe = 0;
                painter.setFont(heading_font);
                painter.setPen(kTitleText);
                painter.drawText(line.adjusted(0, padding, 0, -padding), Qt::AlignLeft | Qt::AlignVCenter,
                                 text_of(row.label));
                painter.setPen(QPen(kRule, sheet.mm(0.2)));
                painter.drawLine(line.bottomLeft(), line.bottomRight());
                continue;
            }
            // Every other row on a light ground, so that a long list reads across.
            if (stripe++ % 2 == 1) painter.fillRect(line, kStripe);
            painter.setFont(row_font);
            painter.setPen(kLabelText);
            painter.drawText(QRectF(sheet.mm(1), at.top + padding, label_width, at.height - 2 * padding),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text_of(row.label));
            painter.setPen(kValueText);
            painter.drawText(QRectF(value_left, at.top + padding, value_width, at.height - 2 * padding),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text_of(row.value));
        }
        sheet.footer(QStringLiteral("Vespera"), page, pages);
    }
    return pages;
}

} // namespace vespera::ui

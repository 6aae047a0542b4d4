#include "ui/print_sheet.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

#include "ui/printed_documents.h"

namespace vespera::ui {
namespace {

constexpr double kMillimetresPerInch = 25.4;
const QColor kFooterText(90, 90, 90);

QPageLayout a4(QPageLayout::Orientation orientation, const QMarginsF& margins_mm) {
    return QPageLayout(QPageSize(QPageSize::A4), orientation, margins_mm, QPageLayout::Millimeter);
}

} // namespace

QPageLayout page_layout(PrintedDocument document) {
    switch (document) {
    case PrintedDocument::Month: return a4(QPageLayout::Landscape, QMarginsF(12.0, 12.0, 12.0, 12.0));
    case PrintedDocument::Report:
    case PrintedDocument::Birthdays: return a4(QPageLayout::Portrait, QMarginsF(18.0, 18.0, 18.0, 18.0));
    case PrintedDocument::SunTable: break;
    }
    // Narrow margins above and below: a quarter's 92 days share one page.
    return a4(QPageLayout::Portrait, QMarginsF(10.0, 7.0, 10.0, 7.0));
}

Sheet::Sheet(QPagedPaintDevice& device) : device_(device) {
    ready_ = painter_.begin(&device_);
    if (!ready_) return;
    pixels_per_mm_ = device_.logicalDpiX() / kMillimetresPerInch;
    width_ = device_.width();
    height_ = device_.height();
    painter_.setRenderHint(QPainter::Antialiasing, true);
}

QFont Sheet::font(double points, bool bold, bool italic) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

double Sheet::line_height(const QFont& font) const { return QFontMetricsF(font, &device_).height(); }

double Sheet::wrapped_height(const QFont& font, double width, const QString& text) const {
    return QFontMetricsF(font, &device_).boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
}

void Sheet::title(const QFont& font, const QString& text, double band_height) {
    painter_.setFont(font);
    painter_.setPen(kTitleText);
    painter_.drawText(QRectF(0, 0, width_, band_height), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void Sheet::footer(const QString& left, int page, int pages) {
    const QFont small = font(7.5);
    const QFontMetricsF metrics(small, &device_);
    painter_.setFont(small);
    painter_.setPen(kFooterText);
    const QRectF band(0, height_ - metrics.height(), width_, metrics.height());
    // A single page needs no number.
    const QString number = pages > 1 ? QStringLiteral("Seite %1 von %2").arg(page).arg(pages) : QString();
    const double number_width = number.isEmpty() ? 0.0 : metrics.horizontalAdvance(number) + mm(4);
    painter_.drawText(band, Qt::AlignLeft | Qt::AlignBottom,
                      metrics.elidedText(left, Qt::ElideRight, band.width() - number_width));
    if (!number.isEmpty()) painter_.drawText(band, Qt::AlignRight | Qt::AlignBottom, number);
}

bool Sheet::next_page() { return device_.newPage(); }

} // namespace vespera::ui

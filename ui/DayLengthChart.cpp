#include "ui/DayLengthChart.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "base/german_names.h"
#include "ui/month_colours.h"

namespace {

QString month_text(int month_index) {
    const std::string_view name = vespera::month_name(month_index + 1);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// The day of the year (0 = 1 January) as "21. Juni", without QDate so that
// any year of the engine serves, Julian leap years before 1582 included.
QString day_text(bool leap, int index) {
    const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 0;
    while (month < 11 && index >= lengths[month]) index -= lengths[month++];
    return QStringLiteral("%1. %2").arg(index + 1).arg(month_text(month));
}

QString hours_text(double hours) {
    const int minutes = static_cast<int>(std::lround(hours * 60.0));
    return QStringLiteral("%1:%2 Stunden").arg(minutes / 60).arg(minutes % 60, 2, 10, QChar(u'0'));
}

} // namespace

DayLengthChart::DayLengthChart(QWidget* parent) : QWidget(parent) {
    setObjectName("picTageslaenge");
    setAccessibleName(QStringLiteral("Tageslänge im Jahr"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void DayLengthChart::setYear(int year, const std::vector<double>& hours, int selected, double selected_hours) {
    if (year != year_ || hours != hours_) year_picture_stale_ = true;
    year_ = year;
    hours_ = hours;
    selected_ = selected;
    selected_hours_ = selected_hours;
    const QString text = summary();
    setAccessibleDescription(text);
    setToolTip(text);
    update();
}

QString DayLengthChart::summary() const {
    if (hours_.empty()) return {};
    const auto longest = static_cast<int>(std::max_element(hours_.begin(), hours_.end()) - hours_.begin());
    const auto shortest = static_cast<int>(std::min_element(hours_.begin(), hours_.end()) - hours_.begin());
    QString text = QStringLiteral("Tageslänge %1").arg(year_);
    if (selected_ >= 0 && selected_ < static_cast<int>(hours_.size())) {
        text += QStringLiteral(": am %1 %2").arg(day_text(hours_.size() == 366, selected_),
                                                 hours_text(selected_hours_));
    }
    text += QStringLiteral("; längster Tag %1 (%2), kürzester Tag %3 (%4)")
                .arg(day_text(hours_.size() == 366, longest), hours_text(hours_[static_cast<std::size_t>(longest)]),
                     day_text(hours_.size() == 366, shortest), hours_text(hours_[static_cast<std::size_t>(shortest)]));
    return text;
}

QRectF DayLengthChart::plotRect() const {
    const QFontMetricsF metrics(font());
    const double left = metrics.horizontalAdvance(QStringLiteral("24 h")) + 6.0;
    return QRectF(left, metrics.height() * 1.2 + 2.0, width() - left - 6.0, height() - metrics.height() * 2.4 - 4.0);
}

void DayLengthChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) year_picture_stale_ = true;
    QWidget::changeEvent(event);
}

void DayLengthChart::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (year_picture_stale_ || year_picture_.size() != pixels) {
        year_picture_ = QPixmap(pixels);
        year_picture_.setDevicePixelRatio(ratio);
        QPainter picture(&year_picture_);
        paintYear(picture);
        year_picture_stale_ = false;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, year_picture_);
    const QRectF plot = plotRect();
    if (hours_.size() < 2 || plot.width() < 10.0 || plot.height() < 10.0) return;
    const MonthColours colours = month_colours_of(palette());
    const QFontMetricsF metrics(font());
    const double days = static_cast<double>(hours_.size());
    const auto x_of = [&](double index) { return plot.left() + (index + 0.5) / days * plot.width(); };
    const auto y_of = [&](double hours) { return plot.bottom() - std::clamp(hours, 0.0, 24.0) / 24.0 * plot.height(); };
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (selected_ >= 0 && selected_ < static_cast<int>(hours_.size())) {
        const double value = selected_hours_;
        const QPointF point(x_of(selected_), y_of(value));
        painter.setPen(QPen(colours.selected, 1.2));
        painter.drawLine(QPointF(point.x(), plot.top()), QPointF(point.x(), plot.bottom()));
        painter.setBrush(colours.selected);
        painter.drawEllipse(point, 3.5, 3.5);
        painter.setPen(colours.day_text);
        const QString label = hours_text(value).replace(QStringLiteral(" Stunden"), QStringLiteral(" h"));
        const double label_width = metrics.horizontalAdvance(label);
        const double x = std::clamp(point.x() - label_width / 2.0, plot.left(), plot.right() - label_width);
        painter.drawText(QPointF(x, plot.top() - 3.0), label);
    }
}

void DayLengthChart::paintYear(QPainter& painter) const {
    const MonthColours colours = month_colours_of(palette());
    painter.fillRect(rect(), colours.background);
    const QRectF plot = plotRect();
    if (hours_.size() < 2 || plot.width() < 10.0 || plot.height() < 10.0) return;
    painter.setFont(font());
    const QFontMetricsF metrics(font());
    const double days = static_cast<double>(hours_.size());
    const auto x_of = [&](double index) { return plot.left() + (index + 0.5) / days * plot.width(); };
    const auto y_of = [&](double hours) { return plot.bottom() - std::clamp(hours, 0.0, 24.0) / 24.0 * plot.height(); };

    painter.setPen(colours.grid_line);
    painter.drawRect(plot);
    for (const double h : {6.0, 12.0, 18.0}) {
        painter.drawLine(QPointF(plot.left(), y_of(h)), QPointF(plot.right(), y_of(h)));
    }
    painter.setPen(colours.heading_text);
    for (const double h : {0.0, 12.0, 24.0}) {
        painter.drawText(QRectF(0, y_of(h) - metrics.height() / 2.0, plot.left() - 4.0, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 h").arg(static_cast<int>(h)));
    }
    // The months' initials under their middles.
    const bool leap = hours_.size() == 366;
    const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // Where twelve letters would run together, every second or third month
    // (J M M J S N, or J A J O), each with a little room to either side.
    const double month_width = plot.width() / 12.0;
    const double letter = metrics.horizontalAdvance(QLatin1Char('M')) + 3.0;
    const int every = month_width >= letter ? 1 : 2.0 * month_width >= letter ? 2 : 3;
    double start = 0.0;
    for (int month = 0; month < 12; ++month) {
        const double middle = x_of(start + lengths[month] / 2.0 - 0.5);
        if (month % every == 0) {
            painter.drawText(QRectF(middle - 8.0, plot.bottom() + 2.0, 16.0, metrics.height()), Qt::AlignCenter,
                             month_text(month).left(1));
        }
        start += lengths[month];
    }

    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath area;
    area.moveTo(x_of(0.0), y_of(0.0));
    for (std::size_t i = 0; i < hours_.size(); ++i) area.lineTo(x_of(static_cast<double>(i)), y_of(hours_[i]));
    area.lineTo(x_of(days - 1.0), y_of(0.0));
    area.closeSubpath();
    const QColor fill = colours.dark ? QColor(200, 160, 40, 70) : QColor(240, 170, 30, 70);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(area);
    const QColor line = with_contrast(colours.dark ? QColor(255, 200, 60) : QColor(215, 120, 0), colours.background,
                                      kMarkContrast);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(line, 1.6));
    QPainterPath curve;
    for (std::size_t i = 0; i < hours_.size(); ++i) {
        const QPointF point(x_of(static_cast<double>(i)), y_of(hours_[i]));
        if (i == 0) {
            curve.moveTo(point);
        } else {
            curve.lineTo(point);
        }
    }
    painter.drawPath(curve);
}

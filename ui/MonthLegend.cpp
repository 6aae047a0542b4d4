#include "ui/MonthLegend.h"

#include <QPainter>

#include "ui/MonthView.h"
#include "ui/legend_entries.h"

namespace {

using Sample = LegendSample;
using Entry = LegendEntry;
constexpr const auto& kEntries = kLegendEntries;

constexpr int kSampleWidth = 18;
constexpr int kGap = 5;      // between sample and text
constexpr int kSpacing = 12; // between entries

void draw_sample(QPainter& painter, Sample sample, const QRect& box, const QFont& font, const MonthColours& colours) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF centre = QRectF(box).center();
    const double radius = std::min(6.0, box.height() / 2.0 - 1.0);
    switch (sample) {
    case Sample::Statutory:
    case Sample::Regional: {
        QFont number = font;
        number.setBold(sample == Sample::Statutory);
        number.setItalic(sample == Sample::Regional);
        painter.setFont(number);
        painter.setPen(sample == Sample::Statutory ? colours.statutory : colours.regional);
        painter.drawText(box, Qt::AlignCenter, QStringLiteral("7"));
        break;
    }
    case Sample::NamedDay:
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.named_day);
        painter.drawEllipse(centre, 2.5, 2.5);
        break;
    case Sample::SchoolHoliday:
        painter.fillRect(box.adjusted(1, 2, -1, -2), colours.school_holiday);
        painter.setPen(colours.grid_line);
        painter.drawRect(box.adjusted(1, 2, -2, -3));
        break;
    case Sample::OwnDate:
        // The bar down a cell's left edge.
        painter.fillRect(QRectF(box.left() + 3.0, box.top() + 1.0, 3.0, box.height() - 2.0), colours.own_date);
        break;
    case Sample::FullMoon:
    case Sample::NewMoon:
    case Sample::Quarter:
    case Sample::BlueMoon: draw_moon_sample(painter, sample, centre, radius, 1.5, colours); break;
    case Sample::SolarEclipse:
        painter.setPen(QPen(colours.corona, 1.5));
        painter.setBrush(colours.eclipsed_sun);
        painter.drawEllipse(centre, radius * 0.8, radius * 0.8);
        break;
    case Sample::LunarEclipse:
        painter.setPen(QPen(colours.moon_outline, 1.0));
        painter.setBrush(colours.eclipsed_moon);
        painter.drawEllipse(centre, radius * 0.8, radius * 0.8);
        break;
    case Sample::Opposition: draw_opposition_sign(painter, centre, radius, colours); break;
    case Sample::Week:
        painter.fillRect(box, colours.week_ground);
        painter.setFont(font);
        painter.setPen(colours.week_text);
        painter.drawText(box, Qt::AlignCenter, QStringLiteral("KW"));
        break;
    case Sample::Today:
    case Sample::Selected:
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(sample == Sample::Today ? colours.today : colours.selected, 2));
        painter.drawRect(box.adjusted(2, 2, -3, -3));
        break;
    }
    painter.restore();
}

} // namespace

MonthLegend::MonthLegend(QWidget* parent) : QWidget(parent) {
    setObjectName("picLegende");
    setAccessibleName(QStringLiteral("Legende des Monats"));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    updateToolTip();
}

void MonthLegend::updateToolTip() {
    QStringList texts;
    for (std::size_t i = 0; i < std::size(kEntries); ++i) texts << entryText(i);
    setToolTip(texts.join(QStringLiteral(" · ")));
    setAccessibleDescription(toolTip());
}

int MonthLegend::layout(int width, QPainter* painter) const {
    const QFontMetrics metrics = fontMetrics();
    const int line = std::max(metrics.height(), 14) + 2;
    const MonthColours colours = painter != nullptr ? month_colours_of(palette()) : MonthColours{};
    const std::vector<int>& text_widths = textWidths();
    const QString more = QStringLiteral("\u2026 mehr");
    const int more_width = metrics.horizontalAdvance(more);
    const QColor text_colour =
        with_contrast(palette().color(QPalette::WindowText), palette().color(QPalette::Window), kTextContrast);
    int x = 0;
    int y = 0;
    int lines = 1;
    // On the last line allowed, each entry leaves room for "… mehr" after it.
    const auto end_in_more = [&] {
        if (painter != nullptr) {
            painter->setPen(text_colour);
            painter->setFont(font());
            painter->drawText(QRect(x, y, more_width + 2, line), Qt::AlignLeft | Qt::AlignVCenter, more);
        }
        return y + line;
    };
    for (std::size_t i = 0; i < std::size(kEntries); ++i) {
        const Entry& entry = kEntries[i];
        const int entry_width = kSampleWidth + kGap + text_widths[i];
        const bool on_last_line = maximum_lines_ > 0 && lines == maximum_lines_;
        // An entry never breaks; a new line starts where it would not fit.
        if (x > 0 && x + entry_width > width) {
            if (on_last_line) return end_in_more();
            x = 0;
            y += line;
            ++lines;
        }
        if (maximum_lines_ > 0 && lines == maximum_lines_ && i + 1 < std::size(kEntries) &&
            x + entry_width + kSpacing + more_width > width) {
            return end_in_more();
        }
        if (painter != nullptr) {
            draw_sample(*painter, entry.sample, QRect(x, y, kSampleWidth, line), font(), colours);
            painter->setPen(text_colour);
            painter->setFont(font());
            painter->drawText(QRect(x + kSampleWidth + kGap, y, entry_width - kSampleWidth - kGap, line),
                              Qt::AlignLeft | Qt::AlignVCenter, entryText(i));
        }
        x += entry_width + kSpacing;
    }
    return y + line;
}

void MonthLegend::setMaximumLines(int lines) {
    if (lines == maximum_lines_) return;
    maximum_lines_ = lines;
    picture_stale_ = true;
    updateGeometry();
    update();
}

const std::vector<int>& MonthLegend::textWidths() const {
    if (text_widths_.empty()) {
        const QFontMetrics metrics = fontMetrics();
        for (std::size_t i = 0; i < std::size(kEntries); ++i) text_widths_.push_back(metrics.horizontalAdvance(entryText(i)));
    }
    return text_widths_;
}

QString MonthLegend::entryText(std::size_t index) const {
    const Entry& entry = kEntries[index];
    QString text = QString::fromUtf8(entry.text);
    if (entry.sample == Sample::SchoolHoliday && !school_note_.isEmpty()) text += QStringLiteral(" (%1)").arg(school_note_);
    return text;
}

void MonthLegend::setSchoolHolidayNote(const QString& note) {
    if (note == school_note_) return;
    school_note_ = note;
    text_widths_.clear();
    picture_stale_ = true;
    updateToolTip();
    updateGeometry();
    update();
}

int MonthLegend::heightForWidth(int width) const { return layout(width, nullptr); }

QSize MonthLegend::sizeHint() const { return {420, heightForWidth(420)}; }

void MonthLegend::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) picture_stale_ = true;
    if (event->type() == QEvent::FontChange) text_widths_.clear();
    QWidget::changeEvent(event);
}

void MonthLegend::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (picture_stale_ || picture_.size() != pixels) {
        picture_ = QPixmap(pixels);
        picture_.setDevicePixelRatio(ratio);
        picture_.fill(Qt::transparent);
        QPainter picture(&picture_);
        (void)layout(width(), &picture);
        picture_stale_ = false;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

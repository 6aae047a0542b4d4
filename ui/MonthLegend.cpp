#include "ui/MonthLegend.h"

#include <QPainter>

#include "ui/MonthView.h"

namespace {

enum class Sample { Statutory, Regional, NamedDay, SchoolHoliday, FullMoon, NewMoon };

struct Entry {
    Sample sample;
    const char* text;
};

constexpr Entry kEntries[] = {
    {Sample::Statutory, "Sonntag, gesetzlicher Feiertag"},
    {Sample::Regional, "regional"},
    {Sample::NamedDay, "anderer Gedenk- oder Festtag"},
    {Sample::SchoolHoliday, "Schulferien"},
    {Sample::FullMoon, "Vollmond"},
    {Sample::NewMoon, "Neumond"},
};

constexpr int kSampleWidth = 16;
constexpr int kGap = 6;      // between sample and text
constexpr int kSpacing = 14; // between entries

void draw_sample(QPainter& painter, Sample sample, const QRect& box, const QFont& font) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF centre = QRectF(box).center();
    switch (sample) {
    case Sample::Statutory:
    case Sample::Regional: {
        QFont number = font;
        number.setBold(sample == Sample::Statutory);
        number.setItalic(sample == Sample::Regional);
        painter.setFont(number);
        painter.setPen(sample == Sample::Statutory ? month_colours::statutory() : month_colours::regional());
        painter.drawText(box, Qt::AlignCenter, QStringLiteral("7"));
        break;
    }
    case Sample::NamedDay:
        painter.setPen(Qt::NoPen);
        painter.setBrush(month_colours::named_day());
        painter.drawEllipse(centre, 2.5, 2.5);
        break;
    case Sample::SchoolHoliday:
        painter.fillRect(box.adjusted(1, 2, -1, -2), month_colours::school_holiday());
        painter.setPen(QColor(200, 190, 150));
        painter.drawRect(box.adjusted(1, 2, -2, -3));
        break;
    case Sample::FullMoon:
    case Sample::NewMoon: {
        const QColor colour = sample == Sample::FullMoon ? month_colours::full_moon() : month_colours::new_moon();
        painter.setPen(QPen(sample == Sample::FullMoon ? QColor(150, 150, 150) : colour, 1));
        painter.setBrush(colour);
        painter.drawEllipse(centre, 5.0, 5.0);
        break;
    }
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
    QStringList texts;
    for (const Entry& entry : kEntries) texts << QString::fromUtf8(entry.text);
    setToolTip(texts.join(QStringLiteral(" · ")));
}

int MonthLegend::layout(int width, QPainter* painter) const {
    const QFontMetrics metrics = fontMetrics();
    const int line = std::max(metrics.height(), 14) + 2;
    int x = 0;
    int y = 0;
    for (const Entry& entry : kEntries) {
        const QString text = QString::fromUtf8(entry.text);
        const int entry_width = kSampleWidth + kGap + metrics.horizontalAdvance(text);
        // An entry never breaks; a new line starts where it would not fit.
        if (x > 0 && x + entry_width > width) {
            x = 0;
            y += line;
        }
        if (painter != nullptr) {
            draw_sample(*painter, entry.sample, QRect(x, y, kSampleWidth, line), font());
            painter->setPen(palette().color(QPalette::WindowText));
            painter->setFont(font());
            painter->drawText(QRect(x + kSampleWidth + kGap, y, entry_width - kSampleWidth - kGap, line),
                              Qt::AlignLeft | Qt::AlignVCenter, text);
        }
        x += entry_width + kSpacing;
    }
    return y + line;
}

int MonthLegend::heightForWidth(int width) const { return layout(width, nullptr); }

QSize MonthLegend::sizeHint() const { return {420, heightForWidth(420)}; }

void MonthLegend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    (void)layout(width(), &painter);
}

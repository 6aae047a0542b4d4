#include "ui/MonthView.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

namespace {

// A light grey ground, so that the white full moon stands out.
const QColor kBackground(236, 236, 236);
const QColor kHeadingGrey(190, 190, 190);
const QColor kGridLine(210, 210, 210);
const QColor kDayText(0, 0, 0);
const QColor kHolidayText(176, 0, 32);
const QColor kRegionalText(200, 70, 90);
const QColor kNamedDayMark(90, 110, 160);
const QColor kSchoolHoliday(246, 236, 196);
const QColor kNewMoon(0, 0, 0);
const QColor kFullMoon(255, 255, 255);
const QColor kBlueMoon(220, 220, 255);
const QColor kEclipsedSun(40, 40, 40);
const QColor kCorona(230, 170, 40);
const QColor kEclipsedMoon(150, 55, 30); // the copper of the Moon in the umbra
const QColor kToday(255, 0, 0);
const QColor kSelected(0, 0, 255);

constexpr int kDayBox = 25;
constexpr int kDayBoxTop = 5;
constexpr int kMoonCentreX = 35;
constexpr int kMoonCentreY = 15;
constexpr int kEclipseCentreX = 50; // beside the moon mark
constexpr int kMoonRadius = 5;

void draw_moon(QPainter& painter, QPoint centre, const QColor& fill, const QColor& outline) {
    painter.setPen(QPen(outline, 1));
    painter.setBrush(fill);
    painter.drawEllipse(centre, kMoonRadius, kMoonRadius);
}

} // namespace

namespace month_colours {
QColor statutory() { return kHolidayText; }
QColor regional() { return kRegionalText; }
QColor named_day() { return kNamedDayMark; }
QColor school_holiday() { return kSchoolHoliday; }
QColor full_moon() { return kFullMoon; }
QColor new_moon() { return kNewMoon; }
QColor background() { return kBackground; }
} // namespace month_colours

MonthView::MonthView(QWidget* parent) : QWidget(parent) {
    setObjectName("picMonat");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(420, 320);
}

void MonthView::setModel(const MonthModel& model) {
    model_ = model;
    update();
}

int MonthView::columnWidth() const { return static_cast<int>(std::lround(width() / 7.0)); }

int MonthView::rowHeight() const { return static_cast<int>(std::lround((height() - kHeadingHeight) / 6.0)); }

QRect MonthView::cellRect(int day) const {
    if (day < 1 || day > model_.days) return {};
    const int index = model_.first_weekday + day - 1;
    return {(index % 7) * columnWidth(), kHeadingHeight + (index / 7) * rowHeight(), columnWidth(), rowHeight()};
}

int MonthView::dayAt(QPoint position) const {
    if (position.y() < kHeadingHeight || columnWidth() <= 0 || rowHeight() <= 0) return 0;
    const int column = position.x() / columnWidth();
    const int row = (position.y() - kHeadingHeight) / rowHeight();
    if (column < 0 || column > 6 || row < 0 || row > 5) return 0;
    const int day = row * 7 + column - model_.first_weekday + 1;
    return day >= 1 && day <= model_.days ? day : 0;
}

void MonthView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    const int w = columnWidth();
    const int r = rowHeight();

    // Weekday headings, full names where they fit.
    painter.setPen(kHeadingGrey);
    painter.setFont(font());
    bool full_names_fit = true;
    for (const QString& name : model_.weekday_names) {
        if (painter.fontMetrics().horizontalAdvance(name) + 4 > w) full_names_fit = false;
    }
    for (int column = 0; column < 7; ++column) {
        const QString& name = model_.weekday_names[static_cast<std::size_t>(column)];
        painter.drawText(QRect(column * w, 0, w, kHeadingHeight), Qt::AlignCenter,
                         full_names_fit ? name : name.left(2));
    }

    // School holidays tint their cells beneath the grid lines.
    for (int day = 1; day <= model_.days; ++day) {
        if (model_.marks[static_cast<std::size_t>(day)].school_holiday) painter.fillRect(cellRect(day), kSchoolHoliday);
    }

    painter.setPen(kGridLine);
    for (int column = 1; column < 7; ++column) painter.drawLine(column * w, kHeadingHeight, column * w, height());
    for (int row = 0; row < 6; ++row) painter.drawLine(0, kHeadingHeight + row * r, width(), kHeadingHeight + row * r);

    QFont day_font = font();
    day_font.setPointSizeF(font().pointSizeF() * 1.1);
    QFont holiday_font = day_font;
    holiday_font.setBold(true);
    QFont regional_font = day_font;
    regional_font.setItalic(true);

    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int day = 1; day <= model_.days; ++day) {
        const QRect cell = cellRect(day);
        const MonthMarks& marks = model_.marks[static_cast<std::size_t>(day)];
        // Red as in German wall calendars: Sundays and the region's statutory
        // holidays; other named days keep black with a quiet dot.
        painter.setFont(marks.statutory ? holiday_font : marks.regional ? regional_font : day_font);
        painter.setPen(marks.statutory || marks.sunday ? kHolidayText : marks.regional ? kRegionalText : kDayText);
        painter.drawText(QRect(cell.left(), cell.top() + kDayBoxTop, kDayBox, kDayBox), Qt::AlignCenter,
                         QString::number(day));
        if (marks.holiday && !marks.statutory && !marks.regional) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(kNamedDayMark);
            const QPointF under_number(cell.left() + kDayBox / 2.0, cell.top() + kDayBoxTop + kDayBox + 1.5);
            painter.drawEllipse(under_number, 2.0, 2.0);
        }

        const QPoint moon(cell.left() + kMoonCentreX, cell.top() + kMoonCentreY);
        if (marks.new_moon) draw_moon(painter, moon, kNewMoon, kNewMoon);
        if (marks.full_moon) draw_moon(painter, moon, kFullMoon, kFullMoon);
        if (marks.blue_moon) draw_moon(painter, moon, kBlueMoon, kBlueMoon);
        const QPoint eclipse(cell.left() + kEclipseCentreX, cell.top() + kMoonCentreY);
        if (marks.solar_eclipse) draw_moon(painter, eclipse, kEclipsedSun, kCorona);
        if (marks.lunar_eclipse) draw_moon(painter, eclipse, kEclipsedMoon, kEclipsedMoon);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);

    painter.setBrush(Qt::NoBrush);
    auto frame = [&](int day, const QColor& colour, int inset) {
        if (day < 1 || day > model_.days) return;
        painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(cellRect(day).adjusted(inset, inset, -inset, -inset));
    };
    frame(model_.today, kToday, 1);
    // Inside the red frame when today is the selected day, so both show.
    frame(model_.selected, kSelected, model_.selected == model_.today ? 3 : 1);
}

void MonthView::mousePressEvent(QMouseEvent* event) {
    const int day = dayAt(event->position().toPoint());
    if (day > 0) emit dayPressed(day);
}

bool MonthView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int day = dayAt(help->pos());
        const QString tip = day > 0 ? model_.tooltips[static_cast<std::size_t>(day)] : QString();
        if (tip.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    return QWidget::event(event);
}

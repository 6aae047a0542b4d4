#include "ui/MonthView.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <optional>

#include "report/month_grid.h"
#include "ui/legend_entries.h"
#include "ui/month_view_accessible.h"

namespace {

constexpr int kWheelNotch = 120; // eighths of a degree, as QWheelEvent counts

// Sizes as shares of the cell, held between a least and a greatest size in
// pixels, so that a big window gets big numbers and a small one stays legible.
double scaled(double share, double cell, double least, double greatest) {
    return std::clamp(share * cell, least, greatest);
}

QFont pixel_font(const QFont& base, double pixels) {
    QFont font = base;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    return font;
}

} // namespace

QString moon_disc_name(MoonDisc disc) {
    using vespera::report::MoonPhase;
    return QString::fromStdString(vespera::report::moon_phase_name(static_cast<MoonPhase>(static_cast<int>(disc))));
}

void draw_moon_disc(QPainter& painter, QPointF centre, double radius, double fraction, bool lit_right,
                    const MonthColours& colours) {
    const double f = std::clamp(fraction, 0.0, 1.0);
    const QRectF disc(centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.moon_dark);
    painter.drawEllipse(disc);
    // The lit half on its side, widened by the terminator's half-ellipse
    // (gibbous) or narrowed by it (crescent).
    QPainterPath half;
    half.moveTo(centre.x(), disc.top());
    half.arcTo(disc, 90.0, lit_right ? -180.0 : 180.0);
    half.closeSubpath();
    QPainterPath terminator;
    terminator.addEllipse(centre, radius * std::fabs(1.0 - 2.0 * f), radius);
    const QPainterPath lit = f >= 0.5 ? half.united(terminator) : half.subtracted(terminator);
    painter.setBrush(colours.moon_lit);
    painter.drawPath(lit);
    painter.setBrush(Qt::NoBrush);
    // A full moon is nearly the colour of the school holidays' tint: its
    // outline carries it there.
    painter.setPen(QPen(colours.moon_outline, std::max(1.5, radius / 5.0)));
    painter.drawEllipse(disc);
}

void draw_opposition_sign(QPainter& painter, QPointF centre, double radius, const MonthColours& colours) {
    // The astronomers' sign (U+260D): the two bodies on opposite ends of a line.
    const double ring = radius * 0.38;
    const QPointF offset(radius - ring, -(radius - ring));
    const QPointF a = centre - offset;
    const QPointF b = centre + offset;
    const double pen = std::max(1.2, radius / 4.5);
    painter.setPen(QPen(colours.opposition, pen, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    const QPointF unit = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    painter.drawLine(a + unit * ring, b - unit * ring);
    painter.drawEllipse(a, ring, ring);
    painter.setBrush(colours.opposition);
    painter.drawEllipse(b, ring, ring);
    painter.setBrush(Qt::NoBrush);
}

bool draw_moon_sample(QPainter& painter, LegendSample sample, QPointF centre, double radius, double ring_width,
                      const MonthColours& colours) {
    switch (sample) {
    case LegendSample::FullMoon: draw_moon_disc(painter, centre, radius, 1.0, true, colours); return true;
    case LegendSample::NewMoon: draw_moon_disc(painter, centre, radius, 0.0, true, colours); return true;
    case LegendSample::Quarter: draw_moon_disc(painter, centre, radius, 0.5, true, colours); return true;
    case LegendSample::BlueMoon:
        draw_moon_disc(painter, centre, radius * 0.75, 1.0, true, colours);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colours.blue_moon, ring_width));
        painter.drawEllipse(centre, radius, radius);
        return true;
    default: return false;
    }
}

MonthView::MonthView(QWidget* parent) : QWidget(parent) {
    // Before anything that could make Qt cache a plain widget's interface.
    install_month_view_accessibility();
    setObjectName("picMonat");
    setAccessibleName(QStringLiteral("Monat"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(420, 320);
}

void MonthView::setModel(const MonthModel& model) {
    const bool selection_moved = model.selected != model_.selected || model.month_name != model_.month_name ||
                                 model.year != model_.year;
    model_ = model;
    update();
    if (selection_moved && model_.selected > 0 && QAccessible::isActive()) announce_selected_day(this);
}

int MonthView::headingHeight() const {
    return std::max(kHeadingHeight, static_cast<int>(std::lround((height() - kHeadingHeight) / 6.0 * 0.22)));
}

int MonthView::weekColumnWidth() const {
    return static_cast<int>(std::lround(scaled(0.045, width(), 24.0, 48.0)));
}

double MonthView::columnWidth() const { return (width() - weekColumnWidth()) / 7.0; }

double MonthView::rowHeight() const { return (height() - headingHeight()) / 6.0; }

QRect MonthView::cellRect(int day) const {
    if (day < 1 || day > model_.days) return {};
    const int index = model_.first_weekday + day - 1;
    const int column = index % 7;
    const int row = index / 7;
    const int left = weekColumnWidth() + static_cast<int>(std::lround(column * columnWidth()));
    const int right = weekColumnWidth() + static_cast<int>(std::lround((column + 1) * columnWidth()));
    const int top = headingHeight() + static_cast<int>(std::lround(row * rowHeight()));
    const int bottom = headingHeight() + static_cast<int>(std::lround((row + 1) * rowHeight()));
    return {left, top, right - left, bottom - top};
}

int MonthView::dayAt(QPoint position) const {
    const double w = columnWidth();
    const double r = rowHeight();
    if (position.y() < headingHeight() || position.x() < weekColumnWidth() || w <= 0.0 || r <= 0.0) return 0;
    const int column = static_cast<int>((position.x() - weekColumnWidth()) / w);
    const int row = static_cast<int>((position.y() - headingHeight()) / r);
    if (column < 0 || column > 6 || row < 0 || row > 5) return 0;
    const int day = row * 7 + column - model_.first_weekday + 1;
    return day >= 1 && day <= model_.days ? day : 0;
}

QString MonthView::dayDescription(int day) const {
    if (day < 1 || day > model_.days) return {};
    const std::size_t d = static_cast<std::size_t>(day);
    const QString& weekday = model_.weekday_names[static_cast<std::size_t>((model_.first_weekday + day - 1) % 7)];
    QStringList parts{QStringLiteral("%1, %2. %3 %4").arg(weekday).arg(day).arg(model_.month_name).arg(model_.year)};
    // The tooltip's lines, "Name – category" read as "Name, category".
    for (const QString& line : model_.tooltips[d].split(u'\n', Qt::SkipEmptyParts)) {
        parts << QString(line).replace(QStringLiteral(" \u2013 "), QStringLiteral(", "));
    }
    if (model_.marks[d].moon != MoonDisc::None && !model_.tooltips[d].contains(moon_disc_name(model_.marks[d].moon))) {
        parts << moon_disc_name(model_.marks[d].moon);
    }
    if (day == model_.today) parts << QStringLiteral("heute");
    return parts.join(QStringLiteral(", "));
}

struct MonthView::DayLook {
    QFont day_font;
    QFont holiday_font;
    QFont regional_font;
    QFont name_font;
    // Once a picture, not once a cell: each costs a look-up in Qt's font cache.
    std::optional<QFontMetricsF> day_metrics, holiday_metrics, regional_metrics, name_metrics;
    double pad = 0.0;
    double moon_radius = 0.0;
    double dot_radius = 0.0;
};

QFont MonthView::headingFont() const { return pixel_font(font(), scaled(0.6, headingHeight(), 11.0, 22.0)); }

void MonthView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const MonthColours colours = month_colours_of(palette());
    painter.fillRect(rect(), colours.background);
    paintHeadings(painter, colours);
    paintWeekColumn(painter, colours);
    paintGrid(painter, colours);

    const double cell = std::min(columnWidth(), rowHeight());
    DayLook look;
    look.day_font = pixel_font(font(), scaled(0.3, cell, 11.0, 44.0));
    look.holiday_font = look.day_font;
    look.holiday_font.setBold(true);
    look.regional_font = look.day_font;
    look.regional_font.setItalic(true);
    look.name_font = pixel_font(font(), scaled(0.14, cell, 9.0, 16.0));
    look.day_metrics.emplace(look.day_font);
    look.holiday_metrics.emplace(look.holiday_font);
    look.regional_metrics.emplace(look.regional_font);
    look.name_metrics.emplace(look.name_font);
    look.pad = scaled(0.06, cell, 2.0, 8.0);
    look.moon_radius = scaled(0.12, cell, 4.0, 16.0);
    look.dot_radius = scaled(0.025, cell, 1.5, 4.0);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int day = 1; day <= model_.days; ++day) paintDay(painter, colours, look, day);
    painter.setRenderHint(QPainter::Antialiasing, false);

    paintFrames(painter, colours);
}

// Weekday headings, full names where they fit.
void MonthView::paintHeadings(QPainter& painter, const MonthColours& colours) const {
    const double w = columnWidth();
    painter.setPen(colours.heading_text);
    painter.setFont(headingFont());
    bool full_names_fit = true;
    for (const QString& name : model_.weekday_names) {
        if (painter.fontMetrics().horizontalAdvance(name) + 4 > w) full_names_fit = false;
    }
    for (int column = 0; column < 7; ++column) {
        const QString& name = model_.weekday_names[static_cast<std::size_t>(column)];
        const QRectF box(weekColumnWidth() + column * w, 0, w, headingHeight());
        painter.drawText(box, Qt::AlignCenter, full_names_fit ? name : name.left(2));
    }
}

// The ISO week of each row in a column of its own.
void MonthView::paintWeekColumn(QPainter& painter, const MonthColours& colours) const {
    const double r = rowHeight();
    const int heading = headingHeight();
    const int week_width = weekColumnWidth();
    painter.fillRect(QRect(0, heading, week_width, height() - heading), colours.week_ground);
    painter.setPen(colours.week_text);
    painter.setFont(headingFont());
    painter.drawText(QRect(0, 0, week_width, heading), Qt::AlignCenter, QStringLiteral("KW"));
    const int rows = (model_.first_weekday + model_.days + 6) / 7;
    painter.setFont(pixel_font(font(), scaled(0.2, std::min(columnWidth(), r), 10.0, 20.0)));
    for (int row = 0; row < rows && row < 6; ++row) {
        const int week = model_.week_numbers[static_cast<std::size_t>(row)];
        if (week > 0) {
            painter.drawText(QRectF(0, heading + row * r, week_width, r), Qt::AlignCenter, QString::number(week));
        }
    }
}

// School holidays tint their cells beneath the grid lines.
void MonthView::paintGrid(QPainter& painter, const MonthColours& colours) const {
    for (int day = 1; day <= model_.days; ++day) {
        if (model_.marks[static_cast<std::size_t>(day)].school_holiday) {
            painter.fillRect(cellRect(day), colours.school_holiday);
        }
    }
    const int heading = headingHeight();
    painter.setPen(colours.grid_line);
    for (int column = 0; column < 7; ++column) {
        const int x = weekColumnWidth() + static_cast<int>(std::lround(column * columnWidth()));
        painter.drawLine(x, heading, x, height());
    }
    for (int row = 0; row < 6; ++row) {
        const int y = heading + static_cast<int>(std::lround(row * rowHeight()));
        painter.drawLine(0, y, width(), y);
    }
}

void MonthView::paintDay(QPainter& painter, const MonthColours& colours, const DayLook& look, int day) const {
    const QRectF box = cellRect(day);
    const std::size_t d = static_cast<std::size_t>(day);
    const MonthMarks& marks = model_.marks[d];
    const double pad = look.pad;
    // Red as in German wall calendars: Sundays and the region's statutory
    // holidays; regional ones italic; other named days keep the day's
    // colour with a quiet dot.
    painter.setFont(marks.statutory ? look.holiday_font : marks.regional ? look.regional_font : look.day_font);
    painter.setPen(day_number_colour(colours, marks.sunday, marks.statutory, marks.regional));
    const QFontMetricsF& number_metrics = marks.statutory ? *look.holiday_metrics
                                          : marks.regional ? *look.regional_metrics
                                                           : *look.day_metrics;
    const QRectF number_box(box.left() + pad, box.top() + pad / 2.0, number_metrics.horizontalAdvance("00") + 2,
                            number_metrics.height());
    painter.drawText(number_box, Qt::AlignLeft | Qt::AlignVCenter, QString::number(day));
    if (marks.holiday && !marks.statutory && !marks.regional) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.named_day);
        // Under the number: beside it, it would read as an ordinal's full stop.
        const double number_width = number_metrics.horizontalAdvance(QString::number(day));
        painter.drawEllipse(QPointF(number_box.left() + number_width / 2.0, number_box.bottom() + look.dot_radius),
                            look.dot_radius, look.dot_radius);
    }

    // An own date: a green bar down the cell's left edge, seen at any size.
    if (marks.own_date) {
        const double bar = std::max(2.0, pad / 2.0);
        painter.fillRect(QRectF(box.left() + 1.0, box.top() + 1.0, bar, box.height() - 2.0), colours.own_date);
    }

    // The day's first name along the foot of the cell, when there is room,
    // and the first own date above it; with room for one line only, the own
    // date, since the number's colour already tells a holiday.
    const QString& name = model_.names[d];
    const QString& own = model_.own_names[d];
    const QFontMetricsF& name_metrics = *look.name_metrics;
    const double line = name_metrics.height();
    const bool one_line = box.height() >= number_box.height() + line + pad;
    const bool two_lines = box.height() >= number_box.height() + 2.0 * line + pad;
    const auto draw_line = [&](const QString& text, double bottom, const QColor& colour) {
        painter.setFont(look.name_font);
        painter.setPen(colour);
        const QRectF name_box(box.left() + pad, bottom - line, box.width() - 2.0 * pad, line);
        painter.drawText(name_box, Qt::AlignLeft | Qt::AlignVCenter,
                         name_metrics.elidedText(text, Qt::ElideRight, name_box.width()));
    };
    const QColor name_colour = day_name_colour(colours, marks.statutory, marks.regional);
    const double foot = box.bottom() - pad / 2.0;
    if (!own.isEmpty() && one_line) {
        if (!name.isEmpty() && two_lines) {
            draw_line(name, foot, name_colour);
            draw_line(own, foot - line, colours.own_date);
        } else {
            draw_line(own, foot, colours.own_date);
        }
    } else if (!name.isEmpty() && one_line) {
        draw_line(name, foot, name_colour);
    }

    const double moon_radius = look.moon_radius;
    const QPointF moon(box.right() - pad - moon_radius, box.top() + pad + moon_radius);
    if (marks.moon != MoonDisc::None) {
        const bool lit_right = marks.moon_waxing != model_.southern_sky;
        draw_moon_disc(painter, moon, moon_radius, marks.moon_lit_fraction, lit_right, colours);
    } else if (marks.full_moon || marks.new_moon) {
        draw_moon_disc(painter, moon, moon_radius, marks.full_moon ? 1.0 : 0.0, true, colours);
    }
    if (marks.blue_moon) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colours.blue_moon, std::max(1.5, moon_radius / 4.0)));
        painter.drawEllipse(moon, moon_radius + moon_radius / 3.0, moon_radius + moon_radius / 3.0);
    }
    // The sky's marks in a row under the moon's place on the right, clear of
    // the number, of the name along the foot and of the frames at the edge.
    QPointF mark(moon.x(), moon.y() + 2.6 * moon_radius);
    const double eclipse_radius = moon_radius * 0.8;
    // A cell too low for a second row: beside the moon, leftwards.
    if (mark.y() + moon_radius > box.bottom() - 1.0) mark = QPointF(moon.x() - 2.6 * moon_radius, moon.y());
    // Never on the number: below it where the cell has room, else left out
    // (the tooltip names every mark).
    const QRectF number_ink(number_box.left() - 2.0, number_box.top(),
                            number_metrics.horizontalAdvance(QString::number(day)) + 4.0, number_box.height());
    const auto place_clear = [&](QPointF at) -> std::optional<QPointF> {
        const auto clear = [&](QPointF p) {
            return !QRectF(p.x() - moon_radius, p.y() - moon_radius, 2.0 * moon_radius, 2.0 * moon_radius)
                        .intersects(number_ink);
        };
        if (clear(at)) return at;
        const QPointF lower(at.x(), number_ink.bottom() + moon_radius + 1.0);
        if (clear(lower) && lower.y() + moon_radius <= box.bottom() - 1.0) return lower;
        return std::nullopt;
    };
    if (marks.solar_eclipse || marks.lunar_eclipse) {
        if (const std::optional<QPointF> at = place_clear(mark)) {
            if (marks.solar_eclipse) {
                painter.setPen(QPen(colours.corona, std::max(1.5, eclipse_radius / 4.0)));
                painter.setBrush(colours.eclipsed_sun);
                painter.drawEllipse(*at, eclipse_radius, eclipse_radius);
            }
            if (marks.lunar_eclipse) {
                painter.setPen(QPen(colours.moon_outline, 1.0));
                painter.setBrush(colours.eclipsed_moon);
                painter.drawEllipse(*at, eclipse_radius, eclipse_radius);
            }
        }
        mark.rx() -= 2.6 * moon_radius;
    }
    if (marks.opposition) {
        if (const std::optional<QPointF> at = place_clear(mark)) draw_opposition_sign(painter, *at, moon_radius, colours);
    }
}

void MonthView::paintFrames(QPainter& painter, const MonthColours& colours) const {
    painter.setBrush(Qt::NoBrush);
    const double cell = std::min(columnWidth(), rowHeight());
    const int frame_width = static_cast<int>(std::lround(scaled(0.03, cell, 2.0, 4.0)));
    auto frame = [&](int day, const QColor& colour, int inset) {
        if (day < 1 || day > model_.days) return;
        painter.setPen(QPen(colour, frame_width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(cellRect(day).adjusted(inset, inset, -inset, -inset));
    };
    frame(model_.today, colours.today, frame_width / 2);
    // Inside today's frame when today is the selected day, so both show.
    frame(model_.selected, colours.selected,
          model_.selected == model_.today ? frame_width / 2 + frame_width : frame_width / 2);
}

void MonthView::mousePressEvent(QMouseEvent* event) {
    const int day = dayAt(event->position().toPoint());
    if (day > 0) emit dayPressed(day);
}

void MonthView::contextMenuEvent(QContextMenuEvent* event) {
    // From the keyboard: the selected day, its menu at the cell.
    const int day = event->reason() == QContextMenuEvent::Mouse ? dayAt(event->pos()) : model_.selected;
    if (day <= 0) return;
    if (event->reason() == QContextMenuEvent::Mouse) emit dayPressed(day);
    const QPoint at = event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                                  : mapToGlobal(cellRect(day).center());
    emit dayMenu(day, at);
    event->accept();
}

void MonthView::wheelEvent(QWheelEvent* event) {
    // Touchpads send many small deltas: only whole notches move the month.
    wheel_angle_ += event->angleDelta().y();
    const int notches = wheel_angle_ / kWheelNotch;
    wheel_angle_ -= notches * kWheelNotch;
    event->accept();
    // Turning the wheel away from the user goes back in time.
    if (notches != 0) emit monthWheel(-notches);
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

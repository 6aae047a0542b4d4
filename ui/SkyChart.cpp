#include "ui/SkyChart.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "ui/month_colours.h"

namespace {

// The twilight limits: civil, nautical and astronomical (degrees).
constexpr double kTwilight_deg[] = {0.0, -6.0, -12.0, -18.0};

QColor mix(const QColor& a, const QColor& b, double share_of_b) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * share_of_b),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * share_of_b),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * share_of_b));
}

QString degrees_text(double value_deg) {
    return QString::number(static_cast<long>(std::lround(value_deg))).replace(u'-', QChar(0x2212)) + QChar(0xB0);
}

// "13:08 Uhr" from hours of the clock.
QString clock_text(double hours) {
    int minutes = static_cast<int>(std::lround(hours * 60.0));
    minutes = std::clamp(minutes, 0, 24 * 60 - 1);
    return QStringLiteral("%1:%2 Uhr").arg(minutes / 60, 2, 10, QChar(u'0')).arg(minutes % 60, 2, 10, QChar(u'0'));
}

// Altitude upwards, the day's hours to the right, in the plot's pixels.
struct Axes {
    QRectF plot;
    double lo_deg = 0.0;
    double hi_deg = 0.0;
    double span_hours = 24.0;

    double y_of(double deg) const {
        return plot.bottom() - (std::clamp(deg, lo_deg, hi_deg) - lo_deg) / (hi_deg - lo_deg) * plot.height();
    }
    double x_of(double hours) const { return plot.left() + hours / span_hours * plot.width(); }
};

struct SkyColours {
    QColor day_sky;
    QColor night;
    QColor moon;
    QColor sun;
};

SkyColours sky_colours_of(const MonthColours& colours) {
    SkyColours sky;
    sky.day_sky = colours.dark ? mix(colours.background, QColor(70, 120, 200), 0.35)
                               : mix(colours.background, QColor(120, 180, 240), 0.30);
    sky.night = colours.dark ? mix(colours.background, QColor(0, 0, 0), 0.5)
                             : mix(colours.background, QColor(20, 30, 70), 0.45);
    sky.moon = with_contrast(colours.dark ? QColor(200, 200, 215) : QColor(90, 90, 110), sky.day_sky, kMarkContrast);
    sky.sun = with_contrast(colours.dark ? QColor(255, 200, 60) : QColor(215, 120, 0), sky.day_sky, kMarkContrast);
    return sky;
}

// Day above the horizon, then deepening twilight down to night.
void paint_sky(QPainter& painter, const Axes& axes, const SkyColours& sky) {
    const QRectF& plot = axes.plot;
    painter.fillRect(QRectF(plot.left(), plot.top(), plot.width(), axes.y_of(0.0) - plot.top()), sky.day_sky);
    for (int band = 0; band < 3; ++band) {
        const double share = (band + 1) / 4.0;
        painter.fillRect(QRectF(plot.left(), axes.y_of(kTwilight_deg[band]), plot.width(),
                                axes.y_of(kTwilight_deg[band + 1]) - axes.y_of(kTwilight_deg[band])),
                         mix(sky.day_sky, sky.night, share));
    }
    painter.fillRect(QRectF(plot.left(), axes.y_of(-18.0), plot.width(), plot.bottom() - axes.y_of(-18.0)), sky.night);
}

// Hour ticks with the clock's hours every three hours, degrees at the side,
// the horizon.
void paint_scales(QPainter& painter, const Axes& axes, const vespera::report::SkyDay& day,
                  const MonthColours& colours, const QFont& font, double chart_width) {
    const QRectF& plot = axes.plot;
    painter.setPen(colours.grid_line);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    for (std::size_t hour = 0; hour < day.clock_hour_labels.size(); ++hour) {
        const double x = axes.x_of(static_cast<double>(hour));
        painter.setPen(colours.grid_line);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + (hour % 3 == 0 ? 4.0 : 2.0)));
        if (hour % 6 == 0 || (hour % 3 == 0 && plot.width() > 300.0)) {
            painter.setPen(colours.heading_text);
            const QString label = QString::number(day.clock_hour_labels[hour]);
            const double half = metrics.horizontalAdvance(label) / 2.0;
            const QPointF at(std::clamp(x - half, 0.0, chart_width - 2.0 * half),
                             plot.bottom() + 4.0 + metrics.ascent());
            painter.drawText(at, label);
        }
    }
    for (double deg = 0.0; deg <= axes.hi_deg; deg += 30.0) {
        painter.setPen(colours.heading_text);
        const QString label = degrees_text(deg);
        painter.drawText(QRectF(0, axes.y_of(deg) - metrics.height() / 2.0, plot.left() - 4.0, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, label);
    }
    // The end of astronomical twilight, where its label clears the horizon's.
    if (axes.y_of(-18.0) - axes.y_of(0.0) >= metrics.height()) {
        painter.setPen(colours.heading_text);
        painter.drawText(QRectF(0, axes.y_of(-18.0) - metrics.height() / 2.0, plot.left() - 4.0, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, degrees_text(-18.0));
    }
    painter.setPen(QPen(colours.day_text, 1.0));
    painter.drawLine(QPointF(plot.left(), axes.y_of(0.0)), QPointF(plot.right(), axes.y_of(0.0)));
}

QPainterPath altitude_curve(const Axes& axes, const std::vector<double>& altitudes) {
    QPainterPath path;
    const double step = axes.span_hours / static_cast<double>(altitudes.size() - 1);
    for (std::size_t i = 0; i < altitudes.size(); ++i) {
        const QPointF point(axes.x_of(step * static_cast<double>(i)), axes.y_of(altitudes[i]));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    return path;
}

// Which line is which, in the top left corner.
void paint_key(QPainter& painter, const QRectF& plot, const SkyColours& sky, const MonthColours& colours,
               const QFont& font) {
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double key_y = plot.top() + metrics.ascent() + 1.0;
    double key_x = plot.left() + 4.0;
    const auto key = [&](const QString& text, const QPen& pen) {
        painter.setPen(pen);
        const double line_y = key_y - metrics.ascent() / 3.0;
        painter.drawLine(QPointF(key_x, line_y), QPointF(key_x + 12.0, line_y));
        painter.setPen(colours.day_text);
        painter.drawText(QPointF(key_x + 15.0, key_y), text);
        key_x += 15.0 + metrics.horizontalAdvance(text) + 10.0;
    };
    key(QStringLiteral("Sonne"), QPen(sky.sun, 2.2));
    key(QStringLiteral("Mond"), QPen(sky.moon, 1.6, Qt::DashLine));
}

} // namespace

SkyChart::SkyChart(QWidget* parent) : QWidget(parent) {
    setObjectName("picHimmel");
    setAccessibleName(QStringLiteral("Sonnen- und Mondhöhe im Tagesverlauf"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void SkyChart::setDay(const vespera::report::SkyDay& day, std::optional<double> now_hours) {
    day_ = day;
    now_hours_ = now_hours;
    const QString text = summary();
    setAccessibleDescription(text);
    setToolTip(text);
    update();
}

void SkyChart::setNow(std::optional<double> now_hours) {
    // Repainted once a minute, not with every tick of the clock.
    const auto minute = [](std::optional<double> hours) { return hours ? std::lround(*hours * 60.0) : -1L; };
    if (minute(now_hours) == minute(now_hours_)) return;
    now_hours_ = now_hours;
    update();
}

QString SkyChart::summary() const {
    if (day_.sun_altitude_deg.empty()) return {};
    const auto highest = [](const vespera::report::SkyHighest& h) {
        return QStringLiteral("Höchststand %1 um %2").arg(degrees_text(h.altitude_deg), clock_text(h.clock_hours));
    };
    QString text = QStringLiteral("Sonnenhöhe im Tagesverlauf: ") + highest(day_.sun_highest);
    if (day_.sun_highest.altitude_deg < -0.833) text += QStringLiteral(" (die Sonne geht nicht auf)");
    text += QStringLiteral("; Mond: ") + highest(day_.moon_highest);
    return text;
}

double SkyChart::lowest_deg() const { return -30.0; }

double SkyChart::highest_deg() const {
    const double top = std::max(day_.sun_highest.altitude_deg, day_.moon_highest.altitude_deg);
    return std::clamp(std::ceil((top + 5.0) / 15.0) * 15.0, 30.0, 90.0);
}

QRectF SkyChart::plotRect() const {
    const QFontMetricsF metrics(font());
    const double left = metrics.horizontalAdvance(QStringLiteral("\u221230\u00B0")) + 6.0;
    return QRectF(left, metrics.height() * 0.5 + 2.0, width() - left - 6.0, height() - metrics.height() * 2.0 - 4.0);
}

void SkyChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const MonthColours colours = month_colours_of(palette());
    painter.fillRect(rect(), colours.background);
    if (day_.sun_altitude_deg.size() < 2) return;
    const Axes axes{plotRect(), lowest_deg(), highest_deg(), day_.span_hours};
    if (axes.plot.width() < 10.0 || axes.plot.height() < 10.0) return;
    const SkyColours sky = sky_colours_of(colours);
    paint_sky(painter, axes, sky);
    paint_scales(painter, axes, day_, colours, font(), width());

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(axes.plot);
    painter.setPen(QPen(sky.moon, 1.6, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(altitude_curve(axes, day_.moon_altitude_deg));
    painter.setPen(QPen(sky.sun, 2.2));
    painter.drawPath(altitude_curve(axes, day_.sun_altitude_deg));
    if (now_hours_) {
        const double x = axes.x_of(*now_hours_);
        painter.setPen(QPen(colours.today, 1.5));
        painter.drawLine(QPointF(x, axes.plot.top()), QPointF(x, axes.plot.bottom()));
    }
    painter.setClipping(false);
    paint_key(painter, axes.plot, sky, colours, font());
}

bool SkyChart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && day_.sun_altitude_deg.size() >= 2) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QRectF plot = plotRect();
        QString tip = summary();
        if (plot.contains(help->pos()) && plot.width() > 0.0) {
            // The samples nearest the pointer, on the clock of the hour under it.
            const double share = (help->pos().x() - plot.left()) / plot.width();
            const auto i = static_cast<std::size_t>(
                std::lround(share * static_cast<double>(day_.sun_altitude_deg.size() - 1)));
            const auto hour = static_cast<std::size_t>(std::clamp(share * day_.span_hours, 0.0, day_.span_hours));
            const double minutes = (share * day_.span_hours - static_cast<double>(hour)) * 60.0;
            if (i < day_.sun_altitude_deg.size() && hour < day_.clock_hour_labels.size()) {
                tip = QStringLiteral("%1: Sonne %2, Mond %3\n")
                          .arg(clock_text(day_.clock_hour_labels[hour] + minutes / 60.0),
                               degrees_text(day_.sun_altitude_deg[i]), degrees_text(day_.moon_altitude_deg[i])) +
                      tip;
            }
        }
        QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}

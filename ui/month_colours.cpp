#include "ui/month_colours.h"

#include <algorithm>
#include <cmath>

namespace {

using vespera::ui::contrast_ratio;
using vespera::ui::relative_luminance;

QColor mix(const QColor& a, const QColor& b, double share_of_b) { return vespera::ui::mixed(a, b, share_of_b); }

// Legible on both grounds a day's text may stand on.
QColor on_grounds(const QColor& colour, const QColor& ground, const QColor& other_ground, double ratio) {
    QColor result = colour;
    for (int pass = 0; pass < 3; ++pass) {
        result = with_contrast(with_contrast(result, ground, ratio), other_ground, ratio);
    }
    return result;
}

} // namespace

QColor with_contrast(const QColor& colour, const QColor& ground, double ratio) {
    if (contrast_ratio(colour, ground) >= ratio) return colour.toRgb();
    // Towards the end of the scale that lies farther from the ground.
    const QColor target = relative_luminance(ground) > 0.18 ? QColor(0, 0, 0) : QColor(255, 255, 255);
    for (int step = 1; step <= 20; ++step) {
        const QColor moved = mix(colour.toRgb(), target, step / 20.0);
        if (contrast_ratio(moved, ground) >= ratio) return moved;
    }
    return target;
}

MonthColours month_colours_of(const QPalette& palette) {
    MonthColours c;
    const QColor base = palette.color(QPalette::Active, QPalette::Base).toRgb();
    const QColor text = palette.color(QPalette::Active, QPalette::Text).toRgb();
    c.dark = relative_luminance(base) < relative_luminance(text);
    c.background = base;
    c.school_holiday = c.dark ? mix(base, QColor(200, 160, 40), 0.22) : mix(base, QColor(240, 210, 110), 0.35);
    c.grid_line = mix(base, text, 0.22);
    c.week_ground = mix(base, text, 0.06);
    c.day_text = on_grounds(text, c.background, c.school_holiday, kTextContrast);
    c.heading_text = on_grounds(mix(text, base, 0.3), c.background, c.background, kTextContrast);
    c.week_text = on_grounds(mix(text, base, 0.35), c.week_ground, c.week_ground, kTextContrast);
    c.statutory = on_grounds(c.dark ? QColor(255, 125, 125) : QColor(176, 0, 32), c.background, c.school_holiday,
                             kTextContrast);
    c.regional = on_grounds(c.dark ? QColor(240, 150, 170) : QColor(190, 50, 80), c.background, c.school_holiday,
                            kTextContrast);
    c.named_day = on_grounds(c.dark ? QColor(150, 175, 235) : QColor(60, 80, 150), c.background, c.school_holiday,
                             kTextContrast);
    c.name_text = on_grounds(mix(text, base, 0.2), c.background, c.school_holiday, kTextContrast);
    // The lit Moon a warm white, its dark side deeper than the ground, and an
    // outline that holds both apart from any cell.
    c.moon_lit = QColor(255, 244, 200);
    c.moon_dark = c.dark ? QColor(10, 10, 16) : QColor(70, 70, 82);
    c.moon_outline = on_grounds(mix(text, base, 0.25), c.background, c.school_holiday, kMarkContrast);
    c.blue_moon = on_grounds(c.dark ? QColor(120, 160, 255) : QColor(40, 80, 220), c.background, c.school_holiday,
                             kMarkContrast);
    c.eclipsed_sun = c.dark ? QColor(0, 0, 0) : QColor(40, 40, 40);
    c.corona = QColor(230, 170, 40);
    c.eclipsed_moon = QColor(150, 55, 30);
    c.opposition = on_grounds(c.dark ? QColor(255, 170, 90) : QColor(180, 80, 0), c.background, c.school_holiday,
                              kMarkContrast);
    // Green, apart from the red of holidays, the blue of named days and the
    // orange of the sky's marks.
    c.own_date = on_grounds(c.dark ? QColor(110, 210, 150) : QColor(0, 120, 70), c.background, c.school_holiday,
                            kTextContrast);
    c.today = on_grounds(c.dark ? QColor(255, 90, 90) : QColor(220, 0, 0), c.background, c.school_holiday,
                         kMarkContrast);
    c.selected = on_grounds(palette.color(QPalette::Active, QPalette::Highlight), c.background, c.school_holiday,
                            kMarkContrast);
    return c;
}

MonthColours paper_month_colours() {
    QPalette paper;
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    paper.setColor(QPalette::Highlight, QColor(40, 80, 200));
    return month_colours_of(paper);
}

QColor day_number_colour(const MonthColours& colours, bool sunday, bool statutory, bool regional) {
    return statutory || sunday ? colours.statutory : regional ? colours.regional : colours.day_text;
}

QColor day_name_colour(const MonthColours& colours, bool statutory, bool regional) {
    return statutory ? colours.statutory : regional ? colours.regional : colours.name_text;
}

namespace month_colours {
QColor statutory(const QPalette& palette) { return month_colours_of(palette).statutory; }
QColor regional(const QPalette& palette) { return month_colours_of(palette).regional; }
QColor named_day(const QPalette& palette) { return month_colours_of(palette).named_day; }
QColor school_holiday(const QPalette& palette) { return month_colours_of(palette).school_holiday; }
QColor own_date(const QPalette& palette) { return month_colours_of(palette).own_date; }
QColor background(const QPalette& palette) { return month_colours_of(palette).background; }
} // namespace month_colours

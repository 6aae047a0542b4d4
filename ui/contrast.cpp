#include "ui/contrast.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace vespera::ui {
namespace {

// sRGB channel to linear light (IEC 61966-2-1, as WCAG 2.1 quotes it).
double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double relative_luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double contrast_ratio(const QColor& a, const QColor& b) {
    const double la = relative_luminance(a);
    const double lb = relative_luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor mixed(const QColor& a, const QColor& b, double share) {
    const double t = std::clamp(share, 0.0, 1.0);
    const QColor x = a.toRgb();
    const QColor y = b.toRgb();
    const auto channel = [t](int p, int q) { return static_cast<int>(std::lround(p + (q - p) * t)); };
    return QColor(channel(x.red(), y.red()), channel(x.green(), y.green()), channel(x.blue(), y.blue()));
}

QColor readable_on(const QColor& wanted, const QColor& background, double minimum_ratio) {
    if (contrast_ratio(wanted, background) >= minimum_ratio) return wanted.toRgb();
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    // Away from the background on the side the colour already lies, when
    // that reaches the ratio: a dim red on a dark ground turns light red.
    const bool lighter = relative_luminance(wanted) >= relative_luminance(background);
    QColor extreme = lighter ? white : black;
    if (contrast_ratio(extreme, background) < minimum_ratio) extreme = lighter ? black : white;
    if (contrast_ratio(extreme, background) < minimum_ratio) return extreme;
    // A share of the extreme that reaches the ratio, found by halving to
    // 1/1024; `high` always reaches it, and on the colour's own side of the
    // background it is the least one.
    double low = 0.0;
    double high = 1.0;
    for (int step = 0; step < 10; ++step) {
        const double middle = (low + high) / 2.0;
        (contrast_ratio(mixed(wanted, extreme, middle), background) >= minimum_ratio ? high : low) = middle;
    }
    return mixed(wanted, extreme, high);
}


QPalette dark_desktop_palette() {
    QPalette palette;
    const QColor window(45, 45, 48), base(30, 30, 32), text(230, 230, 230), button(60, 60, 64);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, button);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(255, 80, 80));
    palette.setColor(QPalette::Light, QColor(80, 80, 85));
    palette.setColor(QPalette::Midlight, QColor(70, 70, 75));
    palette.setColor(QPalette::Mid, QColor(50, 50, 54));
    palette.setColor(QPalette::Dark, QColor(25, 25, 27));
    palette.setColor(QPalette::Shadow, QColor(0, 0, 0));
    palette.setColor(QPalette::Highlight, QColor(61, 142, 201));
    palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    palette.setColor(QPalette::Link, QColor(110, 170, 240));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    return palette;
}

} // namespace vespera::ui

#include "ui/window_geometry.h"

#include <algorithm>

namespace vespera::ui {

bool usable_window_frame(const QRect& frame, const QList<QRect>& available_screens) {
    if (frame.width() <= 0 || frame.height() <= 0) return false;
    // QRect's width is right - left + 1 in int: a crafted frame may wrap.
    const long long width = static_cast<long long>(frame.right()) - frame.left() + 1;
    const long long height = static_cast<long long>(frame.bottom()) - frame.top() + 1;
    long long widest = 0, tallest = 0;
    bool on_a_screen = false;
    for (const QRect& screen : available_screens) {
        widest = std::max<long long>(widest, screen.width());
        tallest = std::max<long long>(tallest, screen.height());
        on_a_screen = on_a_screen || screen.intersects(frame);
    }
    return on_a_screen && width <= kLargestFrameInScreens * widest && height <= kLargestFrameInScreens * tallest;
}

} // namespace vespera::ui

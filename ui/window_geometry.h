// Whether a stored window frame may be restored. The frame is text in the
// settings file that anyone can edit, and the offscreen and some other
// platforms take its size as it is: 66 bytes asked for a window of several
// gigabytes of pixels.
#pragma once

#include <QList>
#include <QRect>

namespace vespera::ui {

// At most this many times the largest screen in either direction: room for a
// window spread over a row of monitors, none for a crafted one.
inline constexpr int kLargestFrameInScreens = 3;

// The frame overlaps one of the available screen areas and its width and
// height are positive and within kLargestFrameInScreens of the largest.
bool usable_window_frame(const QRect& frame, const QList<QRect>& available_screens);

} // namespace vespera::ui

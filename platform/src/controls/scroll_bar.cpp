#include "controls/scroll_bar.h"

#include <algorithm>

#include "controls/control_drawing.h"

namespace platform::controls {

ScrollBar LayOutScrollBar(const RECT& bar, int count, int visible, int top)
{
    int arrow = std::min(kScrollBarWidth, static_cast<int>(bar.bottom - bar.top) / 2);
    ScrollBar layout;
    layout.up = {bar.left, bar.top, bar.right, bar.top + arrow};
    layout.down = {bar.left, bar.bottom - arrow, bar.right, bar.bottom};
    layout.track = {bar.left, layout.up.bottom, bar.right, layout.down.top};
    int trackHeight = layout.track.bottom - layout.track.top;
    int hidden = std::max(1, count - visible);
    int thumbHeight = std::min(trackHeight, std::max(kMinimumThumb, trackHeight * visible / std::max(1, count)));
    int thumbTop = layout.track.top + (trackHeight - thumbHeight) * std::clamp(top, 0, hidden) / hidden;
    layout.thumb = {bar.left, thumbTop, bar.right, thumbTop + thumbHeight};
    return layout;
}

ScrollPart ScrollPartAt(const ScrollBar& bar, POINT point)
{
    if (PtInRect(&bar.up, point)) return ScrollPart::LineUp;
    if (PtInRect(&bar.down, point)) return ScrollPart::LineDown;
    if (!PtInRect(&bar.track, point)) return ScrollPart::None;
    if (point.y < bar.thumb.top) return ScrollPart::PageUp;
    if (point.y >= bar.thumb.bottom) return ScrollPart::PageDown;
    return ScrollPart::Thumb;
}

int TopAfter(ScrollPart part, int top, int visible)
{
    switch (part) {
    case ScrollPart::LineUp:
        return top - 1;
    case ScrollPart::LineDown:
        return top + 1;
    case ScrollPart::PageUp:
        return top - visible;
    case ScrollPart::PageDown:
        return top + visible;
    default:
        return top;
    }
}

namespace {

// The track is the 3-D face dotted with highlight, as the platform draws it.
void PaintTrack(HDC hdc, const RECT& track)
{
    FillColour(hdc, track, GetSysColor(COLOR_BTNFACE));
    COLORREF dot = GetSysColor(COLOR_BTNHIGHLIGHT);
    for (int y = track.top; y < track.bottom; ++y)
        for (int x = track.left + (y + track.left) % 2; x < track.right; x += 2) SetPixel(hdc, x, y, dot);
}

}  // namespace

void PaintScrollBar(HDC hdc, const ScrollBar& bar, bool enabled)
{
    DrawArrowButton(hdc, bar.up, ArrowDirection::Up, enabled);
    DrawArrowButton(hdc, bar.down, ArrowDirection::Down, enabled);
    PaintTrack(hdc, bar.track);
    if (enabled) DrawButtonFace(hdc, bar.thumb, false);
}

}  // namespace platform::controls

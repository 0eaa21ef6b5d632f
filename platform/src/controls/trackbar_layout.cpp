#include "controls/trackbar_layout.h"

#include <algorithm>
#include <cstdint>

namespace platform::controls {

TrackbarLayout LayOutTrackbar(const RECT& client, DWORD style)
{
    TrackbarLayout layout{};
    layout.ticks = (style & TBS_AUTOTICKS) && !(style & TBS_NOTICKS);
    layout.thumbTop = client.top + 1;
    int below = layout.ticks ? kTickLength + 1 : 1;
    layout.thumbBottom = std::max(layout.thumbTop + 1, static_cast<int>(client.bottom) - below);
    layout.tickTop = layout.thumbBottom + 1;
    layout.firstX = client.left + kThumbWidth / 2 + 1;
    layout.lastX = std::max(layout.firstX, static_cast<int>(client.right) - kThumbWidth / 2 - 2);
    int middle = (layout.thumbTop + layout.thumbBottom) / 2;
    layout.channel = {layout.firstX - kThumbWidth / 2, middle - kChannelHeight / 2,
                      layout.lastX + kThumbWidth / 2 + 1, middle + kChannelHeight / 2};
    return layout;
}

int XOfPosition(const TrackbarLayout& layout, int minimum, int maximum, int position)
{
    int64_t range = int64_t{maximum} - minimum;
    if (range <= 0) return layout.firstX;
    int64_t span = layout.lastX - layout.firstX;
    int64_t offset = int64_t{std::clamp(position, minimum, maximum)} - minimum;
    return layout.firstX + static_cast<int>((span * offset + range / 2) / range);
}

int NearestPosition(const TrackbarLayout& layout, int minimum, int maximum, int x)
{
    int64_t range = int64_t{maximum} - minimum;
    int64_t span = layout.lastX - layout.firstX;
    if (range <= 0 || span <= 0) return minimum;
    int64_t along = std::clamp(x, layout.firstX, layout.lastX) - layout.firstX;
    return static_cast<int>(minimum + (along * range + span / 2) / span);
}

RECT ThumbRect(const TrackbarLayout& layout, int x)
{
    return {x - kThumbWidth / 2, layout.thumbTop, x + kThumbWidth / 2 + 1, layout.thumbBottom};
}

}  // namespace platform::controls

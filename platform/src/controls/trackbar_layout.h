// Where a horizontal trackbar draws its channel, thumb and tick marks, and
// which position a point along it stands for: pure geometry.
#pragma once

#include <commctrl.h>
#include <windows.h>

namespace platform::controls {

constexpr int kThumbWidth = 9;
constexpr int kChannelHeight = 4;
constexpr int kTickLength = 3;

struct TrackbarLayout {
    RECT channel;     // the sunken groove the thumb runs along
    int firstX;       // the thumb's middle at the lowest position
    int lastX;        // the thumb's middle at the highest position
    int thumbTop;
    int thumbBottom;
    bool ticks;       // TBS_AUTOTICKS: a mark under the channel for every position
    int tickTop;      // where the marks begin; they run kTickLength down
};

TrackbarLayout LayOutTrackbar(const RECT& client, DWORD style);

// The thumb's middle at POSITION of the range MINIMUM..MAXIMUM.
int XOfPosition(const TrackbarLayout& layout, int minimum, int maximum, int position);

// The position whose place is nearest X; always within the range.
int NearestPosition(const TrackbarLayout& layout, int minimum, int maximum, int x);

// The thumb with its middle at X.
RECT ThumbRect(const TrackbarLayout& layout, int x);

}  // namespace platform::controls

#include "controls/window_place.h"

namespace platform::controls {

RECT PlaceInParent(HWND window)
{
    RECT place{};
    GetWindowRect(window, &place);
    HWND parent = (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : nullptr;
    if (!parent) return place;
    POINT corner{place.left, place.top};
    ScreenToClient(parent, &corner);
    OffsetRect(&place, corner.x - place.left, corner.y - place.top);
    return place;
}

void SetHeight(HWND window, int height)
{
    RECT place = PlaceInParent(window);
    if (place.bottom - place.top == height) return;
    MoveWindow(window, place.left, place.top, place.right - place.left, height, TRUE);
}

}  // namespace platform::controls

#include <wingdi.h>
#include <winuser.h>

#include <iterator>

namespace {

// The device's colour scheme; indices it does not know read as black.
constexpr COLORREF kSystemColours[] = {
    RGB(192, 192, 192),  // 0 scroll bar
    RGB(255, 255, 255),  // 1 desktop
    RGB(0, 0, 128),      // 2 active caption
    RGB(128, 128, 128),  // 3 inactive caption
    RGB(192, 192, 192),  // 4 menu
    RGB(255, 255, 255),  // 5 window
    RGB(0, 0, 0),        // 6 window frame
    RGB(0, 0, 0),        // 7 menu text
    RGB(0, 0, 0),        // 8 window text
    RGB(255, 255, 255),  // 9 caption text
    RGB(192, 192, 192),  // 10 active border
    RGB(192, 192, 192),  // 11 inactive border
    RGB(128, 128, 128),  // 12 application workspace
    RGB(0, 0, 128),      // 13 highlight
    RGB(255, 255, 255),  // 14 highlight text
    RGB(192, 192, 192),  // 15 button face
    RGB(128, 128, 128),  // 16 button shadow
    RGB(128, 128, 128),  // 17 grey text
    RGB(0, 0, 0),        // 18 button text
    RGB(192, 192, 192),  // 19 inactive caption text
    RGB(255, 255, 255),  // 20 button highlight
    RGB(0, 0, 0),        // 21 3-D dark shadow
    RGB(192, 192, 192),  // 22 3-D light
    RGB(0, 0, 0),        // 23 tooltip text
    RGB(255, 255, 225),  // 24 tooltip background
};

}  // namespace

// The index may come with or without SYS_COLOR_INDEX_FLAG.
DWORD WINAPI GetSysColor(int nIndex)
{
    int index = nIndex & ~SYS_COLOR_INDEX_FLAG;
    if (index < 0 || index >= static_cast<int>(std::size(kSystemColours))) return 0;
    return kSystemColours[index];
}

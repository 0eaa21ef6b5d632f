#include <device/screen.h>

#include <algorithm>

#include "gdi/window_surfaces.h"
#include "user/user_state.h"
#include "user/window_tree.h"

namespace {

using platform::user::Window;

// The shown top-level windows from the bottom up: the ordinary ones, then
// the WS_EX_TOPMOST ones, each group in creation order.
std::vector<std::shared_ptr<Window>> ShownTopLevelBottomUp()
{
    std::vector<std::shared_ptr<Window>> ordinary, topmost;
    for (HWND handle : platform::user::Windows().TopLevel()) {
        std::shared_ptr<Window> window = platform::user::Windows().Find(handle);
        if (!window || !(window->style & WS_VISIBLE)) continue;
        (window->exStyle & WS_EX_TOPMOST ? topmost : ordinary).push_back(window);
    }
    ordinary.insert(ordinary.end(), topmost.begin(), topmost.end());
    return ordinary;
}

void DrawWindow(const Window& window, device::Image& screen)
{
    std::shared_ptr<platform::gdi::Bitmap> surface = platform::gdi::SurfaceOf(window);
    LONG left = std::max(window.rect.left, 0), top = std::max(window.rect.top, 0);
    LONG right = std::min<LONG>(window.rect.right, screen.width), bottom = std::min<LONG>(window.rect.bottom, screen.height);
    for (LONG y = top; y < bottom; ++y)
        for (LONG x = left; x < right; ++x)
            screen.pixels[static_cast<size_t>(y) * screen.width + x] =
                surface->Pixel(x - window.rect.left, y - window.rect.top);
}

}  // namespace

namespace device {

Image CaptureScreen()
{
    std::shared_ptr<platform::gdi::Bitmap> desktop = platform::gdi::DesktopSurface();
    Image screen{kScreenWidth, kScreenHeight, {}};
    screen.pixels.reserve(static_cast<size_t>(kScreenWidth) * kScreenHeight);
    for (int y = 0; y < kScreenHeight; ++y)
        screen.pixels.insert(screen.pixels.end(), desktop->Row(y), desktop->Row(y) + kScreenWidth);
    for (const std::shared_ptr<Window>& window : ShownTopLevelBottomUp()) DrawWindow(*window, screen);
    return screen;
}

Image CaptureScreenRect(const RECT& rect)
{
    Image screen = CaptureScreen();
    LONG left = std::clamp<LONG>(rect.left, 0, kScreenWidth), right = std::clamp<LONG>(rect.right, left, kScreenWidth);
    LONG top = std::clamp<LONG>(rect.top, 0, kScreenHeight), bottom = std::clamp<LONG>(rect.bottom, top, kScreenHeight);
    Image part{static_cast<int>(right - left), static_cast<int>(bottom - top), {}};
    for (LONG y = top; y < bottom; ++y)
        for (LONG x = left; x < right; ++x) part.pixels.push_back(screen.At(x, y));
    return part;
}

COLORREF ScreenPixel(int x, int y)
{
    if (x < 0 || y < 0 || x >= kScreenWidth || y >= kScreenHeight) return CLR_INVALID;
    return CaptureScreen().At(x, y);
}

}  // namespace device

#include "user/hit_test.h"

#include <vector>

#include "user/user_state.h"
#include "user/window_tree.h"

namespace platform::user {

namespace {

bool Holds(const RECT& rect, POINT point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

bool TakesInput(const Window& window) { return (window.style & WS_VISIBLE) && !(window.style & WS_DISABLED); }

std::shared_ptr<Window> DeepestAt(const std::shared_ptr<Window>& window, POINT point);

// SIBLINGS run bottom to top, so the top one is asked first.
std::shared_ptr<Window> TopmostAt(const std::vector<HWND>& siblings, POINT point, bool (*admits)(const Window&))
{
    for (auto handle = siblings.rbegin(); handle != siblings.rend(); ++handle) {
        std::shared_ptr<Window> sibling = Windows().Find(*handle);
        if (!sibling || !admits(*sibling)) continue;
        if (std::shared_ptr<Window> found = DeepestAt(sibling, point)) return found;
    }
    return nullptr;
}

bool Any(const Window&) { return true; }
bool IsTopmost(const Window& window) { return (window.exStyle & WS_EX_TOPMOST) != 0; }
bool IsNotTopmost(const Window& window) { return !IsTopmost(window); }

std::shared_ptr<Window> DeepestAt(const std::shared_ptr<Window>& window, POINT point)
{
    if (!TakesInput(*window) || !Holds(ScreenRect(*window), point)) return nullptr;
    std::shared_ptr<Window> child = TopmostAt(window->children, point, Any);
    return child ? child : window;
}

}  // namespace

std::shared_ptr<Window> WindowAt(POINT point)
{
    std::shared_ptr<Window> found = TopmostAt(Windows().TopLevel(), point, IsTopmost);
    return found ? found : TopmostAt(Windows().TopLevel(), point, IsNotTopmost);
}

}  // namespace platform::user

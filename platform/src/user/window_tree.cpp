#include "user/window_tree.h"

#include "user/user_state.h"

namespace platform::user {

RECT ScreenRect(const Window& window)
{
    RECT rect = window.rect;
    for (auto parent = Windows().Find(window.parent); parent; parent = Windows().Find(parent->parent)) {
        rect.left += parent->rect.left;
        rect.right += parent->rect.left;
        rect.top += parent->rect.top;
        rect.bottom += parent->rect.top;
    }
    return rect;
}

RECT ClientRect(const Window& window)
{
    return {0, 0, window.rect.right - window.rect.left, window.rect.bottom - window.rect.top};
}

bool IsShownWithAncestors(const Window& window)
{
    if (!(window.style & WS_VISIBLE)) return false;
    for (auto parent = Windows().Find(window.parent); parent; parent = Windows().Find(parent->parent))
        if (!(parent->style & WS_VISIBLE)) return false;
    return true;
}

std::shared_ptr<Window> TopLevelOf(std::shared_ptr<Window> window)
{
    while (auto parent = Windows().Find(window->parent)) window = parent;
    return window;
}

}  // namespace platform::user

#include "gdi/window_canvas.h"

#include <algorithm>

#include "gdi/window_surfaces.h"
#include "user/user_state.h"
#include "user/window_tree.h"

namespace platform::gdi {

namespace {

using user::Window;

RECT Moved(RECT rect, POINT by)
{
    return {rect.left + by.x, rect.top + by.y, rect.right + by.x, rect.bottom + by.y};
}

// WINDOW's rectangle on the surface of the top-level window at TOP_LEFT.
RECT OnSurface(const Window& window, POINT topLeft) { return Moved(user::ScreenRect(window), {-topLeft.x, -topLeft.y}); }

void SubtractShown(ClipRegion& clip, const std::vector<HWND>& windows, POINT topLeft)
{
    for (HWND handle : windows)
        if (std::shared_ptr<Window> other = user::Windows().Find(handle); other && (other->style & WS_VISIBLE))
            clip.Subtract(OnSurface(*other, topLeft));
}

// The siblings created after WINDOW lie above it.
std::vector<HWND> SiblingsAbove(const Window& window, const Window& parent)
{
    const std::vector<HWND>& siblings = parent.children;
    auto at = std::find(siblings.begin(), siblings.end(), window.handle);
    return at == siblings.end() ? std::vector<HWND>{} : std::vector<HWND>(at + 1, siblings.end());
}

ClipRegion VisibleArea(const std::shared_ptr<Window>& window, POINT topLeft)
{
    ClipRegion clip(OnSurface(*window, topLeft));
    SubtractShown(clip, window->children, topLeft);
    for (std::shared_ptr<Window> inner = window, parent = user::Windows().Find(window->parent); parent;
         inner = parent, parent = user::Windows().Find(parent->parent)) {
        clip.Intersect(OnSurface(*parent, topLeft));
        SubtractShown(clip, SiblingsAbove(*inner, *parent), topLeft);
    }
    return clip;
}

}  // namespace

WindowCanvas CanvasOfWindow(HWND handle)
{
    std::shared_ptr<Window> window = user::Windows().Find(handle);
    if (!window) return {};
    std::shared_ptr<Window> topLevel = user::TopLevelOf(window);
    RECT topRect = topLevel->rect;
    POINT topLeft{topRect.left, topRect.top};
    WindowCanvas canvas;
    canvas.surface = SurfaceOf(*topLevel);
    RECT placed = OnSurface(*window, topLeft);
    canvas.origin = {placed.left, placed.top};
    if (user::IsShownWithAncestors(*window)) canvas.clip = VisibleArea(window, topLeft);
    return canvas;
}

WindowCanvas CanvasOfScreen()
{
    std::shared_ptr<Bitmap> desktop = DesktopSurface();
    return {desktop, {0, 0}, ClipRegion({0, 0, desktop->Width(), desktop->Height()})};
}

}  // namespace platform::gdi

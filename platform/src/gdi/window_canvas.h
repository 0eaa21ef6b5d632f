// Where a window's device context draws: the surface of the window's
// top-level window, with the window's client area placed and clipped on it.
#pragma once

#include <memory>

#include <windef.h>

#include "gdi/bitmap.h"
#include "gdi/clip_region.h"

namespace platform::gdi {

struct WindowCanvas {
    std::shared_ptr<Bitmap> surface;  // null when the window is gone
    POINT origin{};                   // the client area's (0, 0) on the surface
    ClipRegion clip;                  // surface coordinates
};

// The client area of WINDOW within its ancestors, less its shown children and
// the shown siblings above it and above each ancestor, as the platform always
// clips; nothing at all while the window or an ancestor is hidden.
WindowCanvas CanvasOfWindow(HWND window);

// The whole screen's canvas, for a null window: the desktop beneath all windows.
WindowCanvas CanvasOfScreen();

}  // namespace platform::gdi

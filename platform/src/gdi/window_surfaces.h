// Each top-level window keeps what was drawn on it in a surface of its own
// size, so that a window above it, shown or hidden, takes nothing away; the
// screen is composed from these surfaces.
#pragma once

#include <memory>

#include "gdi/bitmap.h"
#include "user/window.h"

namespace platform::gdi {

// The surface of TOP_LEVEL: white when new, resized with the window, keeping
// what was drawn where it still fits.
std::shared_ptr<Bitmap> SurfaceOf(const user::Window& topLevel);

// What lies beneath every window: the screen's context draws here.
std::shared_ptr<Bitmap> DesktopSurface();

// The device is closing: every surface goes.
void ForgetSurfaces();

}  // namespace platform::gdi

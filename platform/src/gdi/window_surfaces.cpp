#include "gdi/window_surfaces.h"

#include <algorithm>
#include <map>

#include <device/screen.h>

#include "gdi/mono_colour.h"
#include "user/user_state.h"

namespace platform::gdi {

namespace {

// The simulated display keeps 24-bit colour.
constexpr int kScreenBitsPerPixel = 24;

std::map<HWND, std::shared_ptr<Bitmap>>& Surfaces()
{
    static std::map<HWND, std::shared_ptr<Bitmap>> surfaces;
    return surfaces;
}

std::shared_ptr<Bitmap>& Desktop()
{
    static std::shared_ptr<Bitmap> desktop;
    return desktop;
}

// Window handles are never reused, so a surface whose window is gone (or
// whose device closed) is only dropped.
void ForgetClosedWindows()
{
    auto& surfaces = Surfaces();
    for (auto it = surfaces.begin(); it != surfaces.end();)
        it = user::Windows().Find(it->first) ? std::next(it) : surfaces.erase(it);
}

std::shared_ptr<Bitmap> Resized(const Bitmap& old, int width, int height)
{
    auto surface = std::make_shared<Bitmap>(width, height, kScreenBitsPerPixel, kWhite);
    for (int y = 0; y < std::min(height, old.Height()); ++y)
        for (int x = 0; x < std::min(width, old.Width()); ++x) surface->SetPixel(x, y, old.Pixel(x, y));
    return surface;
}

}  // namespace

std::shared_ptr<Bitmap> SurfaceOf(const user::Window& topLevel)
{
    int width = std::max(0, static_cast<int>(topLevel.rect.right - topLevel.rect.left));
    int height = std::max(0, static_cast<int>(topLevel.rect.bottom - topLevel.rect.top));
    auto found = Surfaces().find(topLevel.handle);
    if (found == Surfaces().end()) {
        ForgetClosedWindows();
        return Surfaces()[topLevel.handle] = std::make_shared<Bitmap>(width, height, kScreenBitsPerPixel, kWhite);
    }
    if (found->second->Width() != width || found->second->Height() != height)
        found->second = Resized(*found->second, width, height);
    return found->second;
}

std::shared_ptr<Bitmap> DesktopSurface()
{
    if (!Desktop())
        Desktop() = std::make_shared<Bitmap>(device::kScreenWidth, device::kScreenHeight, kScreenBitsPerPixel,
                                             device::kDesktopColour);
    return Desktop();
}

void ForgetSurfaces()
{
    Surfaces().clear();
    Desktop().reset();
}

}  // namespace platform::gdi

#include <winuser.h>

#include <memory>

#include "gdi/device_context.h"
#include "gdi/gdi_object_table.h"
#include "kernel/api_guard.h"
#include "user/user_state.h"

namespace platform::gdi {

namespace {

HDC OpenWindowContext(ContextKind kind, HWND window, WindowCanvas place)
{
    return static_cast<HDC>(GdiObjects().Add(std::make_unique<DeviceContext>(kind, window, std::move(place))));
}

bool CloseWindowContext(HDC hdc, ContextKind kind, HWND window)
{
    const DeviceContext* context = FindObjectOf<DeviceContext>(hdc);
    return context && context->Kind() == kind && context->Window() == window && GdiObjects().Remove(hdc);
}

}  // namespace

HDC OpenPaintContext(HWND window, const RECT& paintRect)
{
    WindowCanvas place = CanvasOfWindow(window);
    place.clip.Intersect({paintRect.left + place.origin.x, paintRect.top + place.origin.y,
                          paintRect.right + place.origin.x, paintRect.bottom + place.origin.y});
    return OpenWindowContext(ContextKind::Paint, window, std::move(place));
}

bool ClosePaintContext(HDC hdc, HWND window) { return CloseWindowContext(hdc, ContextKind::Paint, window); }

}  // namespace platform::gdi

using platform::gdi::ContextKind;

// Windows keep their drawings apart from the desktop, so the whole screen's
// context (a null window) draws beneath them rather than over them.
HDC WINAPI GetDC(HWND hWnd)
{
    return platform::kernel::Guarded(HDC{}, [&]() -> HDC {
        if (!hWnd) return platform::gdi::OpenWindowContext(ContextKind::Window, nullptr, platform::gdi::CanvasOfScreen());
        if (!platform::user::FindOrFail(hWnd)) return nullptr;
        return platform::gdi::OpenWindowContext(ContextKind::Window, hWnd, platform::gdi::CanvasOfWindow(hWnd));
    });
}

int WINAPI ReleaseDC(HWND hWnd, HDC hDC)
{
    return platform::gdi::CloseWindowContext(hDC, ContextKind::Window, hWnd) ? 1 : 0;
}

#include "gdi/device_context.h"
#include "kernel/api_guard.h"
#include "user/idle_delivery.h"
#include "user/update_rect.h"
#include "user/user_state.h"
#include "user/window_tree.h"

namespace {

using namespace platform::user;
using platform::kernel::Guarded;

// No rectangle means the whole client area; what lies outside it is ignored.
RECT InClientArea(const Window& window, const RECT* rect)
{
    RECT client = ClientRect(window);
    return rect ? CommonRect(client, *rect) : client;
}

// A null window would mean every window on the desktop; nothing here asks for
// that, so it fails like any other handle that names no window.
BOOL Invalidate(HWND handle, const RECT* rect, BOOL erase)
{
    std::shared_ptr<Window> window = FindOrFail(handle);
    if (!window) return FALSE;
    RECT added = InClientArea(*window, rect);
    if (IsEmptyRect(added)) return TRUE;
    window->update = BoundingRect(window->update, added);
    window->eraseUpdate = window->eraseUpdate || erase;
    return TRUE;
}

BOOL Validate(HWND handle, const RECT* rect)
{
    std::shared_ptr<Window> window = FindOrFail(handle);
    if (!window) return FALSE;
    window->update = RemainingRect(window->update, InClientArea(*window, rect));
    if (IsEmptyRect(window->update)) window->eraseUpdate = false;
    return TRUE;
}

// The background is erased by the paint code itself (fErase); bErase asks for
// nothing more.
BOOL AnswerUpdateRect(HWND handle, LPRECT answer)
{
    std::shared_ptr<Window> window = FindOrFail(handle);
    if (!window) return FALSE;
    if (answer) *answer = window->update;
    return !IsEmptyRect(window->update);
}

BOOL Update(HWND handle)
{
    std::shared_ptr<Window> window = FindOrFail(handle);
    if (!window) return FALSE;
    PaintTree(window);
    return TRUE;
}

// No WM_ERASEBKGND is sent: fErase tells the paint code that an invalidation
// asked for the background, which it then draws itself.
HDC Begin(HWND handle, LPPAINTSTRUCT paint)
{
    std::shared_ptr<Window> window = FindOrFail(handle);
    if (!window) return nullptr;
    if (!paint) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    *paint = {};
    paint->hdc = platform::gdi::OpenPaintContext(handle, window->update);
    paint->rcPaint = window->update;
    paint->fErase = window->eraseUpdate;
    window->update = {};
    window->eraseUpdate = false;
    return paint->hdc;
}

BOOL End(HWND handle, const PAINTSTRUCT* paint)
{
    if (!FindOrFail(handle)) return FALSE;
    if (!paint) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    platform::gdi::ClosePaintContext(paint->hdc, handle);
    return TRUE;
}

}  // namespace

BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase)
{
    return Guarded<BOOL>(FALSE, [&] { return Invalidate(hWnd, lpRect, bErase); });
}

BOOL WINAPI ValidateRect(HWND hWnd, const RECT* lpRect)
{
    return Guarded<BOOL>(FALSE, [&] { return Validate(hWnd, lpRect); });
}

BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL)
{
    return Guarded<BOOL>(FALSE, [&] { return AnswerUpdateRect(hWnd, lpRect); });
}

BOOL WINAPI UpdateWindow(HWND hWnd)
{
    return Guarded<BOOL>(FALSE, [&] { return Update(hWnd); });
}

HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint)
{
    return Guarded<HDC>(nullptr, [&] { return Begin(hWnd, lpPaint); });
}

BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint)
{
    return Guarded<BOOL>(FALSE, [&] { return End(hWnd, lpPaint); });
}

#include <winuser.h>

#include <algorithm>
#include <optional>

#include "gdi/blit.h"
#include "gdi/blit_log.h"
#include "gdi/brush.h"
#include "gdi/gdi_object_table.h"
#include "gdi/mono_colour.h"
#include "kernel/api_guard.h"

namespace {

using namespace platform::gdi;

// The colour of the brush selected into CONTEXT; a null brush paints nothing.
std::optional<COLORREF> PatternOf(const DeviceContext& context)
{
    const Brush* brush = FindObjectOf<Brush>(context.Selected(OBJ_BRUSH));
    if (!brush || brush->IsNull()) return std::nullopt;
    return brush->Colour();
}

BOOL BlitContexts(HDC hdcDest, RECT rect, HDC hdcSrc, POINT at, DWORD dwRop)
{
    DeviceContext* dest = FindObjectOrFail<DeviceContext>(hdcDest);
    if (!dest) return FALSE;
    RasterOperation operation(dwRop);
    std::optional<BlitSource> source;
    if (operation.UsesSource()) {
        const DeviceContext* context = FindObjectOrFail<DeviceContext>(hdcSrc);
        if (!context) return FALSE;
        source = BlitSource{context->Target(), context->Colours(), at};
    }
    std::optional<COLORREF> pattern = PatternOf(*dest);
    if (operation.UsesPattern() && !pattern) return TRUE;
    Blit(dest->Target(), dest->Colours(), rect, source ? &*source : nullptr, pattern.value_or(0), operation);
    return TRUE;
}

}  // namespace

// A rectangle of no width or height copies nothing.
BOOL WINAPI BitBlt(HDC hdcDest, int nXDest, int nYDest, int nWidth, int nHeight, HDC hdcSrc, int nXSrc, int nYSrc,
                   DWORD dwRop)
{
    return platform::kernel::Guarded<BOOL>(FALSE, [&] {
        RECT rect{nXDest, nYDest, nXDest + std::max(nWidth, 0), nYDest + std::max(nHeight, 0)};
        BOOL result = BlitContexts(hdcDest, rect, hdcSrc, {nXSrc, nYSrc}, dwRop);
        RecordBlit(device::BlitCall::Function::BitBlt, hdcDest, nXDest, nYDest, nWidth, nHeight, dwRop, result);
        return result;
    });
}

// A negative width or height extends the rectangle left or up.
BOOL WINAPI PatBlt(HDC hdc, int nXLeft, int nYLeft, int nWidth, int nHeight, DWORD dwRop)
{
    return platform::kernel::Guarded<BOOL>(FALSE, [&] {
        BOOL result = FALSE;
        if (RasterOperation(dwRop).UsesSource()) {
            SetLastError(ERROR_INVALID_PARAMETER);
        } else {
            RECT rect{std::min(nXLeft, nXLeft + nWidth), std::min(nYLeft, nYLeft + nHeight),
                      std::max(nXLeft, nXLeft + nWidth), std::max(nYLeft, nYLeft + nHeight)};
            result = BlitContexts(hdc, rect, nullptr, {}, dwRop);
        }
        RecordBlit(device::BlitCall::Function::PatBlt, hdc, nXLeft, nYLeft, nWidth, nHeight, dwRop, result);
        return result;
    });
}

int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr)
{
    DeviceContext* context = FindObjectOrFail<DeviceContext>(hDC);
    const Brush* brush = context ? FindObjectOrFail<Brush>(hbr) : nullptr;
    if (!brush) return 0;
    if (!lprc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (!brush->IsNull()) FillSolid(context->Target(), *lprc, brush->Colour());
    return 1;
}

COLORREF WINAPI GetPixel(HDC hdc, int nXPos, int nYPos)
{
    const DeviceContext* context = FindObjectOrFail<DeviceContext>(hdc);
    if (!context) return CLR_INVALID;
    Canvas canvas = context->Target();
    int x = nXPos + canvas.origin.x, y = nYPos + canvas.origin.y;
    if (!canvas.surface || !canvas.clip.Holds(x, y)) return CLR_INVALID;
    return OnSurface(*canvas.surface, canvas.surface->Pixel(x, y));
}

COLORREF WINAPI SetPixel(HDC hdc, int X, int Y, COLORREF crColor)
{
    const DeviceContext* context = FindObjectOrFail<DeviceContext>(hdc);
    if (!context) return CLR_INVALID;
    Canvas canvas = context->Target();
    int x = X + canvas.origin.x, y = Y + canvas.origin.y;
    if (!canvas.surface || !canvas.clip.Holds(x, y)) return CLR_INVALID;
    canvas.surface->SetPixel(x, y, OnSurface(*canvas.surface, crColor));
    return canvas.surface->Pixel(x, y);
}

#include <wingdi.h>

#include "gdi/device_context.h"
#include "gdi/gdi_object_table.h"

namespace {

using platform::gdi::ContextColours;
using platform::gdi::DeviceContext;

// Sets one attribute of HDC's colours and answers the one it replaces, or
// FAILURE when HDC is no device context.
template <typename Value>
Value Exchange(HDC hdc, Value ContextColours::*field, Value value, Value failure)
{
    DeviceContext* context = platform::gdi::FindObjectOrFail<DeviceContext>(hdc);
    if (!context) return failure;
    Value previous = context->Colours().*field;
    context->Colours().*field = value;
    return previous;
}

template <typename Value>
Value Read(HDC hdc, Value ContextColours::*field, Value failure)
{
    const DeviceContext* context = platform::gdi::FindObjectOrFail<DeviceContext>(hdc);
    return context ? context->Colours().*field : failure;
}

}  // namespace

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF crColor)
{
    return Exchange(hdc, &ContextColours::background, crColor, COLORREF{CLR_INVALID});
}

COLORREF WINAPI GetBkColor(HDC hdc) { return Read(hdc, &ContextColours::background, COLORREF{CLR_INVALID}); }

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF crColor)
{
    return Exchange(hdc, &ContextColours::text, crColor, COLORREF{CLR_INVALID});
}

COLORREF WINAPI GetTextColor(HDC hdc) { return Read(hdc, &ContextColours::text, COLORREF{CLR_INVALID}); }

int WINAPI SetBkMode(HDC hdc, int iBkMode)
{
    if (iBkMode != OPAQUE && iBkMode != TRANSPARENT) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return Exchange(hdc, &ContextColours::backgroundMode, iBkMode, 0);
}

int WINAPI GetBkMode(HDC hdc) { return Read(hdc, &ContextColours::backgroundMode, 0); }

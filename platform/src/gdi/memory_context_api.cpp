#include <wingdi.h>

#include <memory>

#include "gdi/device_context.h"
#include "gdi/gdi_object_table.h"
#include "kernel/api_guard.h"

using platform::gdi::ContextKind;
using platform::gdi::DeviceContext;

// Every context here draws in the same format, so a memory context owes
// nothing to the one it is made compatible with.
HDC WINAPI CreateCompatibleDC(HDC hdc)
{
    if (hdc && !platform::gdi::FindObjectOrFail<DeviceContext>(hdc)) return nullptr;
    return platform::kernel::Guarded(HDC{}, [] {
        return static_cast<HDC>(platform::gdi::GdiObjects().Add(std::make_unique<DeviceContext>()));
    });
}

// A window's context goes back with ReleaseDC or EndPaint instead.
BOOL WINAPI DeleteDC(HDC hdc)
{
    const DeviceContext* context = platform::gdi::FindObjectOrFail<DeviceContext>(hdc);
    if (!context) return FALSE;
    if (context->Kind() != ContextKind::Memory) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return platform::gdi::GdiObjects().Remove(hdc);
}

// The device's drawing objects behind their handles: a deleted object's
// handle, or one of another kind, finds nothing.
#pragma once

#include <winbase.h>
#include <windef.h>
#include <winerror.h>

#include "gdi/gdi_object.h"
#include "kernel/serial_handle_table.h"

namespace platform::gdi {

using GdiObjectTable = kernel::SerialHandleTable<HGDIOBJ, GdiObject>;

GdiObjectTable& GdiObjects();

// The object behind HANDLE, a stock object included; null when none.
GdiObject* FindGdiObject(HGDIOBJ handle);

template <typename Kind>
Kind* FindObjectOf(HGDIOBJ handle)
{
    return dynamic_cast<Kind*>(FindGdiObject(handle));
}

// As FindObjectOf, setting ERROR_INVALID_HANDLE when HANDLE names no object
// of that kind.
template <typename Kind>
Kind* FindObjectOrFail(HGDIOBJ handle)
{
    Kind* object = FindObjectOf<Kind>(handle);
    if (!object) SetLastError(ERROR_INVALID_HANDLE);
    return object;
}

}  // namespace platform::gdi

// The device's drawing objects behind their handles: a deleted object's
// handle, or one of another kind, finds nothing.
#pragma once

#include <windef.h>

#include "gdi/gdi_object.h"
#include "kernel/serial_handle_table.h"

namespace platform::gdi {

using GdiObjectTable = kernel::SerialHandleTable<HGDIOBJ, GdiObject>;

GdiObjectTable& GdiObjects();

template <typename Kind>
Kind* FindObjectOf(HGDIOBJ handle)
{
    return dynamic_cast<Kind*>(GdiObjects().Find(handle));
}

}  // namespace platform::gdi

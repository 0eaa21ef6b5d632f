// The device's drawing objects behind their handles. A handle is a number
// handed out once: a deleted object's handle, or one of another kind, finds
// nothing.
#pragma once

#include <memory>

#include <windef.h>

#include "gdi/gdi_object.h"

namespace platform::gdi {

HGDIOBJ AddObject(std::unique_ptr<GdiObject> object);
GdiObject* FindObject(HGDIOBJ handle);
bool RemoveObject(HGDIOBJ handle);

template <typename Kind>
Kind* FindObjectOf(HGDIOBJ handle)
{
    return dynamic_cast<Kind*>(FindObject(handle));
}

// The device closes: every object goes.
void RemoveAllObjects();

}  // namespace platform::gdi

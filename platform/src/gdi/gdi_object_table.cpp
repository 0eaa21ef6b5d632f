#include "gdi/gdi_object_table.h"

#include "kernel/serial_handle_table.h"

namespace platform::gdi {

namespace {
kernel::SerialHandleTable<HGDIOBJ, GdiObject> objects(0x40000000, 4);
}

HGDIOBJ AddObject(std::unique_ptr<GdiObject> object) { return objects.Add(std::move(object)); }

GdiObject* FindObject(HGDIOBJ handle) { return objects.Find(handle); }

bool RemoveObject(HGDIOBJ handle) { return objects.Take(handle) != nullptr; }

void RemoveAllObjects() { objects.Clear(); }

}  // namespace platform::gdi

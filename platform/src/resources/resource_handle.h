// Resource handles: HRSRC is the module handle plus one more than the
// record's index (module handles are multiples of 0x10000, and a module
// holds fewer records), so a handle names its module and cannot be
// mistaken for another module's.
#pragma once

#include <optional>

#include <windef.h>

namespace platform::resources {

HRSRC MakeResourceHandle(HMODULE module, size_t recordIndex);

// The record index, when HANDLE belongs to MODULE (a null MODULE takes the
// handle's own).
std::optional<size_t> RecordIndexOf(HMODULE& module, HRSRC handle);

}  // namespace platform::resources

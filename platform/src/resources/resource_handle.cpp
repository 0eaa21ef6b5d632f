#include "resources/resource_handle.h"

namespace platform::resources {

namespace {
constexpr uintptr_t kIndexBits = 0xFFFF;
}

HRSRC MakeResourceHandle(HMODULE module, size_t recordIndex)
{
    return reinterpret_cast<HRSRC>(reinterpret_cast<uintptr_t>(module) + recordIndex + 1);
}

std::optional<size_t> RecordIndexOf(HMODULE& module, HRSRC handle)
{
    uintptr_t value = reinterpret_cast<uintptr_t>(handle);
    uintptr_t owner = value & ~kIndexBits;
    uintptr_t index = value & kIndexBits;
    if (index == 0) return std::nullopt;
    if (!module) module = reinterpret_cast<HMODULE>(owner);
    if (reinterpret_cast<uintptr_t>(module) != owner) return std::nullopt;
    return index - 1;
}

}  // namespace platform::resources

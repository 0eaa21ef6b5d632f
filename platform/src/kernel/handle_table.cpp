#include "kernel/handle_table.h"

namespace platform::kernel {

// Multiples of four, as the platform's handles are; the counter is never
// reset, so even a handle kept from an earlier device names nothing.
HANDLE HandleTable::Add(std::unique_ptr<KernelObject> object)
{
    uintptr_t value = next_;
    next_ += 4;
    objects_.emplace(value, std::move(object));
    return reinterpret_cast<HANDLE>(value);
}

bool HandleTable::Close(HANDLE handle)
{
    KernelObject* object = FindAny(handle);
    if (!object || !object->ClosesWithCloseHandle()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    Release(handle);
    return true;
}

void HandleTable::CloseAll()
{
    std::map<uintptr_t, std::unique_ptr<KernelObject>> closing;
    closing.swap(objects_);
}

KernelObject* HandleTable::FindAny(HANDLE handle) const
{
    auto it = objects_.find(reinterpret_cast<uintptr_t>(handle));
    return it == objects_.end() ? nullptr : it->second.get();
}

void HandleTable::Release(HANDLE handle)
{
    auto it = objects_.find(reinterpret_cast<uintptr_t>(handle));
    std::unique_ptr<KernelObject> object = std::move(it->second);
    objects_.erase(it);
}

HandleTable& Handles()
{
    static HandleTable table;
    return table;
}

}  // namespace platform::kernel

BOOL WINAPI CloseHandle(HANDLE hObject) { return platform::kernel::Handles().Close(hObject); }

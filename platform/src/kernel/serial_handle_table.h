// Objects of one kind behind handles of their own type (modules, drawing
// objects, image lists), apart from the kernel's HANDLE table. Handles are
// numbers handed out once each: a removed object's handle finds nothing, and
// tables start far apart so that a handle of one kind finds nothing in another.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace platform::kernel {

template <typename Handle, typename Object>
class SerialHandleTable {
public:
    SerialHandleTable(uintptr_t firstHandle, uintptr_t step) : last_(firstHandle), step_(step) {}

    Handle Add(std::unique_ptr<Object> object)
    {
        last_ += step_;
        objects_[last_] = std::move(object);
        return reinterpret_cast<Handle>(last_);
    }

    Object* Find(Handle handle) const
    {
        auto found = objects_.find(reinterpret_cast<uintptr_t>(handle));
        return found == objects_.end() ? nullptr : found->second.get();
    }

    std::unique_ptr<Object> Take(Handle handle)
    {
        auto found = objects_.find(reinterpret_cast<uintptr_t>(handle));
        if (found == objects_.end()) return nullptr;
        std::unique_ptr<Object> taken = std::move(found->second);
        objects_.erase(found);
        return taken;
    }

    bool Remove(Handle handle) { return Take(handle) != nullptr; }

    // The table is empty before the objects go, so that their destructors
    // may use it.
    void Clear()
    {
        std::map<uintptr_t, std::unique_ptr<Object>> doomed;
        doomed.swap(objects_);
    }

    std::vector<Handle> HandlesNewestFirst() const
    {
        std::vector<Handle> handles;
        for (auto it = objects_.rbegin(); it != objects_.rend(); ++it)
            handles.push_back(reinterpret_cast<Handle>(it->first));
        return handles;
    }

private:
    std::map<uintptr_t, std::unique_ptr<Object>> objects_;
    uintptr_t last_;
    uintptr_t step_;
};

}  // namespace platform::kernel

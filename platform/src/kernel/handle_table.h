// The device's table of kernel objects. Every HANDLE the platform hands out
// comes from here: a number never used twice in the process, never a host
// pointer, so a stale, closed or wrong-kind handle is caught and cannot reach
// another object.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include <winbase.h>

#include "kernel/kernel_object.h"

namespace platform::kernel {

class HandleTable {
public:
    HANDLE Add(std::unique_ptr<KernelObject> object);

    // The object HANDLE names when it is a T; otherwise ERROR_INVALID_HANDLE.
    template <class T>
    T* Find(HANDLE handle) const
    {
        T* object = dynamic_cast<T*>(FindAny(handle));
        if (!object) SetLastError(ERROR_INVALID_HANDLE);
        return object;
    }

    // Closes the object HANDLE names when it is a T; otherwise ERROR_INVALID_HANDLE.
    template <class T>
    bool Close(HANDLE handle)
    {
        if (!Find<T>(handle)) return false;
        Release(handle);
        return true;
    }

    // CloseHandle: any object that accepts it.
    bool Close(HANDLE handle);

    // Every open T, in the order they were opened.
    template <class T>
    std::vector<T*> All() const
    {
        std::vector<T*> found;
        for (const auto& [value, object] : objects_)
            if (T* typed = dynamic_cast<T*>(object.get())) found.push_back(typed);
        return found;
    }

    template <class T>
    void CloseAllOf()
    {
        std::vector<std::unique_ptr<KernelObject>> closing;
        for (auto it = objects_.begin(); it != objects_.end();) {
            if (dynamic_cast<T*>(it->second.get())) {
                closing.push_back(std::move(it->second));
                it = objects_.erase(it);
            } else {
                ++it;
            }
        }
    }

    void CloseAll();

private:
    KernelObject* FindAny(HANDLE handle) const;
    // Takes the object out of the table before destroying it, so a closing
    // object that touches the table finds it consistent.
    void Release(HANDLE handle);

    std::map<uintptr_t, std::unique_ptr<KernelObject>> objects_;
    uintptr_t next_ = 0x1000;
};

HandleTable& Handles();

}  // namespace platform::kernel

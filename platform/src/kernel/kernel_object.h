// Something a HANDLE can name: a file, a search, later a process or an event.
// Destroying the object releases what it holds on the host.
#pragma once

namespace platform::kernel {

class KernelObject {
public:
    KernelObject() = default;
    KernelObject(const KernelObject&) = delete;
    KernelObject& operator=(const KernelObject&) = delete;
    virtual ~KernelObject() = default;

    // Kinds with a close function of their own (FindClose) refuse CloseHandle.
    virtual bool ClosesWithCloseHandle() const { return true; }
};

}  // namespace platform::kernel

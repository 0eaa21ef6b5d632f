// A process and its main thread behind their handles. The device runs a
// program to its end before CreateProcessW returns, so both are signalled
// from the start.
#pragma once

#include <windef.h>

#include "kernel/kernel_object.h"

namespace platform::process {

class ProcessObject final : public kernel::KernelObject {
public:
    ProcessObject(DWORD id, DWORD exitCode) : id_(id), exitCode_(exitCode) {}
    DWORD Id() const { return id_; }
    DWORD ExitCode() const { return exitCode_; }

private:
    DWORD id_;
    DWORD exitCode_;
};

class ThreadObject final : public kernel::KernelObject {
public:
    explicit ThreadObject(DWORD id) : id_(id) {}
    DWORD Id() const { return id_; }

private:
    DWORD id_;
};

}  // namespace platform::process

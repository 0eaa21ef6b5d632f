#include "library/dll_main.h"

#include <device/bounded_log.h>

#include <device/libraries.h>

#include "library/own_symbol.h"

namespace {

using DllMainEntry = BOOL (*)(HINSTANCE, DWORD, LPVOID);

device::BoundedLog<device::DllMainCall> calls;

}  // namespace

namespace platform::library {

BOOL CallDllMain(HMODULE handle, const LoadedModule& module, DWORD reason)
{
    void* entry = module.code ? OwnSymbol(module.code, "DllMain") : nullptr;
    if (!entry) return TRUE;
    calls.Add({module.devicePath, reason});
    return reinterpret_cast<DllMainEntry>(entry)(handle, reason, nullptr);
}

void ClearDllMainLog() { calls.Clear(); }

}  // namespace platform::library

namespace device {

const std::vector<DllMainCall>& DllMainLog() { return calls.Entries(); }

size_t DllMainLogDropped() { return calls.Dropped(); }

}  // namespace device

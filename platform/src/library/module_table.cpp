#include "library/module_table.h"

#include "kernel/serial_handle_table.h"

namespace platform::library {

namespace {
// Module handles look like the addresses modules load at.
kernel::SerialHandleTable<HMODULE, LoadedModule> modules(0x01000000, 0x10000);
}

HMODULE AddModule(std::unique_ptr<LoadedModule> module) { return modules.Add(std::move(module)); }

LoadedModule* FindModule(HMODULE handle) { return modules.Find(handle); }

std::unique_ptr<LoadedModule> TakeModule(HMODULE handle) { return modules.Take(handle); }

HMODULE FindInUse(const std::string& hostPath, bool dataFileWanted)
{
    for (HMODULE handle : modules.HandlesNewestFirst()) {
        const LoadedModule& module = *modules.Find(handle);
        bool kindFits = module.code || dataFileWanted;
        if (module.useCount > 0 && kindFits && module.hostPath == hostPath) return handle;
    }
    return nullptr;
}

std::vector<HMODULE> ModuleHandles() { return modules.HandlesNewestFirst(); }

}  // namespace platform::library

#include "library/module_lifecycle.h"

#include <device/libraries.h>
#include <winbase.h>

#include "library/device_file.h"
#include "library/dll_main.h"
#include "library/library_path.h"
#include "library/module_loader.h"
#include "library/module_table.h"

namespace platform::library {

namespace {

std::string lastFailure;

HMODULE Fail(DWORD error, const std::string& failure)
{
    lastFailure = failure;
    SetLastError(error);
    return nullptr;
}

// DllMain has seen the detach (or never ran): the module goes.
void Unload(HMODULE handle)
{
    std::unique_ptr<LoadedModule> module = TakeModule(handle);
    if (module) CloseModule(*module);
}

// As the platform does, a library whose DllMain refuses the attach is
// detached and unloaded again.
HMODULE Attach(HMODULE handle)
{
    const LoadedModule& module = *FindModule(handle);
    if (CallDllMain(handle, module, DLL_PROCESS_ATTACH)) return handle;
    std::string path = module.hostPath;
    CallDllMain(handle, module, DLL_PROCESS_DETACH);
    Unload(handle);
    return Fail(ERROR_DLL_INIT_FAILED, path + ": DllMain refused the attach");
}

}  // namespace

HMODULE LoadModule(LPCWSTR name, bool asDataFile)
{
    if (!name || !*name) return Fail(ERROR_INVALID_PARAMETER, "no library name");
    std::u16string devicePath = LibraryDevicePath(name);
    std::optional<std::string> hostPath = HostFileOf(devicePath);
    if (!hostPath) return Fail(ERROR_MOD_NOT_FOUND, "no such file on the device");
    if (HMODULE loaded = FindInUse(*hostPath, asDataFile)) {
        ++FindModule(loaded)->useCount;
        return loaded;
    }
    OpenedModule opened = asDataFile ? OpenDataFile(*hostPath) : OpenLibrary(*hostPath);
    if (!opened.module) return Fail(opened.error, opened.failure);
    opened.module->devicePath = devicePath;
    HMODULE handle = AddModule(std::move(opened.module));
    return asDataFile ? handle : Attach(handle);
}

bool ReleaseModule(HMODULE handle)
{
    LoadedModule* module = FindModule(handle);
    if (!module || module->useCount == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    if (--module->useCount > 0) return true;
    CallDllMain(handle, *module, DLL_PROCESS_DETACH);
    Unload(handle);
    return true;
}

void UnloadAllModules()
{
    for (HMODULE handle : ModuleHandles()) {
        LoadedModule* module = FindModule(handle);
        if (!module || module->useCount == 0) continue;
        module->useCount = 0;
        CallDllMain(handle, *module, DLL_PROCESS_DETACH);
        Unload(handle);
    }
    ClearDllMainLog();
    lastFailure.clear();
}

}  // namespace platform::library

namespace device {

std::string LastLibraryFailure() { return platform::library::lastFailure; }

}  // namespace device

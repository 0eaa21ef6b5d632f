#include <winbase.h>

#include "kernel/api_guard.h"
#include "library/module_resources.h"
#include "resources/module_resource.h"
#include "resources/resource_handle.h"

using platform::resources::ResourceRecord;

HRSRC WINAPI FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType)
{
    return platform::kernel::Guarded(HRSRC{}, [&]() -> HRSRC {
        const ResourceRecord* record = platform::resources::FindModuleResource(hModule, lpName, lpType);
        if (!record) return nullptr;
        const ResourceRecord* first = platform::library::ResourcesOf(hModule)->data();
        return platform::resources::MakeResourceHandle(hModule, static_cast<size_t>(record - first));
    });
}

// The data stays where the module holds it, as long as the module is loaded.
HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo)
{
    const ResourceRecord* record = platform::resources::ModuleResourceOf(hModule, hResInfo);
    return record ? const_cast<BYTE*>(record->data.data()) : nullptr;
}

DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo)
{
    const ResourceRecord* record = platform::resources::ModuleResourceOf(hModule, hResInfo);
    return record ? static_cast<DWORD>(record->data.size()) : 0;
}

LPVOID WINAPI LockResource(HGLOBAL hResData) { return hResData; }

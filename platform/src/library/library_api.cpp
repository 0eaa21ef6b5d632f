#include <winbase.h>

#include <algorithm>

#include "library/module_lifecycle.h"
#include "library/module_table.h"
#include "library/own_symbol.h"
#include "library/program_module.h"

namespace {

FARPROC ExportOf(HMODULE hModule, const std::string& name)
{
    const platform::library::LoadedModule* module = platform::library::FindModule(hModule);
    if (!module) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    void* symbol = module->code ? platform::library::OwnSymbol(module->code, name.c_str()) : nullptr;
    if (!symbol) SetLastError(ERROR_PROC_NOT_FOUND);
    return reinterpret_cast<FARPROC>(symbol);
}

bool IsOrdinal(const void* name) { return (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0; }

}  // namespace

HMODULE WINAPI LoadLibraryW(LPCWSTR lpLibFileName) { return platform::library::LoadModule(lpLibFileName, false); }

// Only the data-file flag changes anything here; the others load the
// library as LoadLibraryW does.
HMODULE WINAPI LoadLibraryExW(LPCWSTR lpLibFileName, HANDLE hFile, DWORD dwFlags)
{
    if (hFile) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return platform::library::LoadModule(lpLibFileName, dwFlags & LOAD_LIBRARY_AS_DATAFILE);
}

BOOL WINAPI FreeLibrary(HMODULE hLibModule) { return platform::library::ReleaseModule(hLibModule); }

// Exports are found by name only: the host's libraries have no ordinals.
FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName)
{
    if (!lpProcName || IsOrdinal(lpProcName)) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return ExportOf(hModule, lpProcName);
}

FARPROC WINAPI GetProcAddressW(HMODULE hModule, LPCWSTR lpProcName)
{
    if (!lpProcName || IsOrdinal(lpProcName)) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    std::string name;
    for (const WCHAR* c = lpProcName; *c; ++c) {
        if (*c > 0x7F) {
            SetLastError(ERROR_PROC_NOT_FOUND);
            return nullptr;
        }
        name.push_back(static_cast<char>(*c));
    }
    return ExportOf(hModule, name);
}

// A path longer than the buffer is cut to fit, terminated, and reported by
// a result equal to the buffer's size and ERROR_INSUFFICIENT_BUFFER.
DWORD WINAPI GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize)
{
    const platform::library::LoadedModule* module = hModule ? platform::library::FindModule(hModule) : nullptr;
    if (hModule && !module) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    std::u16string path = module ? module->devicePath : platform::library::kProgramPath;
    if (!lpFilename || nSize == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    DWORD copied = static_cast<DWORD>(std::min<size_t>(path.size(), nSize - 1));
    std::copy_n(path.data(), copied, lpFilename);
    lpFilename[copied] = 0;
    if (copied < path.size()) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    return copied;
}

#include <winbase.h>

#include <algorithm>
#include <optional>
#include <string>

#include "files/file_call_log.h"
#include "kernel/api_guard.h"
#include "library/library_path.h"
#include "library/module_lifecycle.h"
#include "library/module_table.h"
#include "library/own_symbol.h"
#include "library/program_module.h"

namespace {

// Exports are found by name only: the host's libraries have no ordinals.
bool IsName(const void* name) { return name && (reinterpret_cast<ULONG_PTR>(name) >> 16) != 0; }

std::optional<std::string> AsciiName(LPCWSTR name)
{
    if (!IsName(name)) return std::nullopt;
    std::string ascii;
    for (const WCHAR* c = name; *c; ++c) {
        if (*c > 0x7F) return std::nullopt;
        ascii.push_back(static_cast<char>(*c));
    }
    return ascii;
}

FARPROC ExportOf(HMODULE hModule, const std::optional<std::string>& name)
{
    const platform::library::LoadedModule* module = platform::library::FindModule(hModule);
    if (!module) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    void* symbol = module->code && name ? platform::library::OwnSymbol(module->code, name->c_str()) : nullptr;
    if (!symbol) SetLastError(ERROR_PROC_NOT_FOUND);
    return reinterpret_cast<FARPROC>(symbol);
}

// The file a load looked at, for the file call log.
void RecordLoad(const char* function, LPCWSTR name, HMODULE loaded)
{
    std::u16string path = name && *name ? platform::library::LibraryDevicePath(name) : std::u16string();
    platform::files::RecordFileCall(function, path.c_str(), loaded != nullptr);
}

}  // namespace

HMODULE WINAPI LoadLibraryW(LPCWSTR lpLibFileName)
{
    HMODULE loaded =
        platform::kernel::Guarded(HMODULE{}, [&] { return platform::library::LoadModule(lpLibFileName, false); });
    RecordLoad("LoadLibraryW", lpLibFileName, loaded);
    return loaded;
}

// Only the data-file flag changes anything here; the others load the
// library as LoadLibraryW does.
HMODULE WINAPI LoadLibraryExW(LPCWSTR lpLibFileName, HANDLE hFile, DWORD dwFlags)
{
    if (hFile) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    bool asDataFile = dwFlags & LOAD_LIBRARY_AS_DATAFILE;
    HMODULE loaded = platform::kernel::Guarded(
        HMODULE{}, [&] { return platform::library::LoadModule(lpLibFileName, asDataFile); });
    RecordLoad("LoadLibraryExW", lpLibFileName, loaded);
    return loaded;
}

BOOL WINAPI FreeLibrary(HMODULE hLibModule)
{
    return platform::kernel::Guarded(FALSE, [&] { return BOOL(platform::library::ReleaseModule(hLibModule)); });
}

FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName)
{
    return platform::kernel::Guarded(FARPROC{}, [&] {
        return ExportOf(hModule, IsName(lpProcName) ? std::optional<std::string>(lpProcName) : std::nullopt);
    });
}

FARPROC WINAPI GetProcAddressW(HMODULE hModule, LPCWSTR lpProcName)
{
    return platform::kernel::Guarded(FARPROC{}, [&] { return ExportOf(hModule, AsciiName(lpProcName)); });
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
    std::u16string_view path = module ? std::u16string_view(module->devicePath)
                                   : std::u16string_view(platform::library::ProgramPath());
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

#include "restart_program.h"

#include "launch_list.h"
#include "restart_program_path.h"
#include "registry_values.h"
#include "setup_keys.h"
#include "setup_message.h"

namespace {

// The device, the window manager and the shell: 20, 30, 50 as 16-bit words.
const BYTE kRestartDependency[] = {0x14, 0x00, 0x1E, 0x00, 0x32, 0x00};

// Follows the list in the order the registry gives it: past the shell's
// entry, each string value must hold the next number for that number to
// count as taken.
LONG FreeNumberAfterShell(HKEY init)
{
    LONG number = 0;
    bool shellFound = false;
    LaunchValue value;
    for (DWORD index = 0; NextLaunchValue(init, index, value);) {
        if (value.type != REG_SZ) continue;
        if (IsShellProgram(value.text)) {
            number = NextLaunchNumber(LaunchNumber(value.name));
            shellFound = true;
        } else if (!shellFound || LaunchNumber(value.name) == number) {
            number = NextLaunchNumber(number);
        } else {
            break;
        }
    }
    return number;
}

// The entry a removal stopped by a power loss already made for PATH; 0 for none.
LONG ExistingEntry(HKEY init, LPCWSTR path)
{
    LaunchValue value;
    for (DWORD index = 0; NextLaunchValue(init, index, value);)
        if (value.type == REG_SZ && HasLaunchPrefix(value.name, kLaunchPrefix) && _wcsicmp(value.text, path) == 0)
            return LaunchNumber(value.name);
    return 0;
}

// Another program's entry is never overwritten, whatever the order the
// registry lists the entries in; the program's own is used again.
LONG FreeLaunchNumber(HKEY init, LPCWSTR path)
{
    if (LONG existing = ExistingEntry(init, path)) return existing;
    LONG number = FreeNumberAfterShell(init);
    while (number != 0 && LaunchNumberTaken(init, number)) number = NextLaunchNumber(number);
    return number;
}

bool DeleteEntryValue(HKEY init, LPCWSTR format, DWORD number)
{
    WCHAR name[32];
    wsprintfW(name, format, number);
    if (RegDeleteValueW(init, name) == ERROR_SUCCESS) return true;
    ShowSetupError(name);
    return false;
}

}  // namespace

DWORD RegisterRestartProgram(LPCWSTR installDirectory)
{
    HKEY init = nullptr;
    if (OpenSetupKey(HKEY_LOCAL_MACHINE, kInitKey, init) != ERROR_SUCCESS) return 0;
    WCHAR path[MAX_PATH];
    LONG number = RestartProgramPath(installDirectory, path) ? FreeLaunchNumber(init, path) : 0;
    // 0 already means "not registered" to the caller and "no first pass" in
    // the record, so an entry under it could never be found again.
    if (number == 0) {
        RegCloseKey(init);
        return 0;
    }
    WCHAR name[32];
    wsprintfW(name, TEXT("Launch%0.2d"), number);
    WriteRegString(init, name, path);
    wsprintfW(name, TEXT("Depend%0.2d"), number);
    RegSetValueExW(init, name, 0, REG_BINARY, kRestartDependency, sizeof(kRestartDependency));
    RegFlushKey(init);
    RegCloseKey(init);
    return static_cast<DWORD>(number);
}

BOOL UnregisterRestartProgram(DWORD number)
{
    Sleep(1000);
    HKEY init = nullptr;
    if (OpenSetupKey(HKEY_LOCAL_MACHINE, kInitKey, init) != ERROR_SUCCESS) return FALSE;
    // Each is tried, the dependency first: after a power loss between the
    // two, the entry left still names the program, and the removal's next
    // run finds it and uses its number again.
    bool dependDeleted = DeleteEntryValue(init, TEXT("Depend%0.2d"), number);
    bool launchDeleted = DeleteEntryValue(init, TEXT("Launch%0.2d"), number);
    bool deleted = launchDeleted && dependDeleted;
    RegCloseKey(init);
    return deleted;
}

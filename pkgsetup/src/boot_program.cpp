#include "boot_program.h"

#include "launch_list.h"
#include "registry_values.h"
#include "setup_keys.h"

namespace {

const WCHAR kBootProgram[] = TEXT("bootsip.exe");

struct LaunchSummary {
    LONG highest = 1;         // the highest launch number in use, at least 1
    bool hasShell = false;
    LONG shell = 0;           // the shell's launch number, when it has one
};

LaunchSummary SummarizeLaunchList(HKEY init)
{
    LaunchSummary summary;
    LaunchValue value;
    for (DWORD index = 0; NextLaunchValue(init, index, value);) {
        bool depend = value.type == REG_BINARY && HasLaunchPrefix(value.name, kDependPrefix);
        bool launch = value.type == REG_SZ && HasLaunchPrefix(value.name, kLaunchPrefix);
        if (!depend && !launch) continue;
        LONG number = LaunchNumber(value.name);
        if (number >= summary.highest) summary.highest = number;
        if (launch && IsShellProgram(value.text)) {
            summary.hasShell = true;
            summary.shell = number;
        }
    }
    return summary;
}

// The name of the first entry naming the boot program; false for none.
bool FindBootProgram(HKEY init, LaunchValue& value)
{
    for (DWORD index = 0; NextLaunchValue(init, index, value);) {
        if (value.type == REG_SZ && HasLaunchPrefix(value.name, kLaunchPrefix) &&
            _wcsicmp(value.text, kBootProgram) == 0)
            return true;
    }
    return false;
}

// The dependency of the entry LAUNCH_NAME, under the same spelling of its number.
void DeleteDependency(HKEY init, LPCWSTR launchName)
{
    WCHAR name[sizeof(LaunchValue::name) / sizeof(WCHAR)];
    wcscpy(name, kDependPrefix);
    wcscat(name, launchName + wcslen(kLaunchPrefix));
    RegDeleteValueW(init, name);
}

void WriteDependency(HKEY init, LPCWSTR name, LONG shell)
{
    const BYTE word[2] = {static_cast<BYTE>(shell & 0xFF), static_cast<BYTE>((shell >> 8) & 0xFF)};
    RegSetValueExW(init, name, 0, REG_BINARY, word, sizeof(word));
}

}  // namespace

// Without a shell there is nothing to wait for: a dependency on 0 would
// keep the program from ever starting.
BOOL RegisterBootProgram()
{
    UnregisterBootProgram();
    HKEY init = nullptr;
    if (OpenSetupKey(HKEY_LOCAL_MACHINE, kInitKey, init) != ERROR_SUCCESS) return FALSE;
    LaunchSummary summary = SummarizeLaunchList(init);
    LONG number = NextLaunchNumber(summary.highest);
    WCHAR name[32];
    wsprintfW(name, TEXT("Launch%d"), number);
    WriteRegString(init, name, kBootProgram);
    if (summary.hasShell) {
        wsprintfW(name, TEXT("Depend%d"), number);
        WriteDependency(init, name, summary.shell);
    }
    RegCloseKey(init);
    return TRUE;
}

// Each entry goes under the name it was found by, so that another
// program's entry with the same number stays; a walk begins again after
// each deletion, which moves the values behind it. The dependency goes
// first: an entry stopped half-way by a power loss keeps the value by
// which the next run finds it.
void UnregisterBootProgram()
{
    HKEY init = nullptr;
    if (OpenSetupKey(HKEY_LOCAL_MACHINE, kInitKey, init) != ERROR_SUCCESS) return;
    LaunchValue value;
    while (FindBootProgram(init, value)) {
        DeleteDependency(init, value.name);
        if (RegDeleteValueW(init, value.name) != ERROR_SUCCESS) break;
    }
    RegCloseKey(init);
}

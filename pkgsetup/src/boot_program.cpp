#include "boot_program.h"

#include "launch_list.h"
#include "registry_values.h"
#include "setup_keys.h"

namespace {

const WCHAR kBootProgram[] = TEXT("bootsip.exe");

struct LaunchSummary {
    LONG highest = 1;  // the highest launch number in use, at least 1
    LONG shell = 0;    // the shell's launch number; 0 when it has none
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
        if (launch && _wcsicmp(value.text, kShellProgram) == 0) summary.shell = number;
    }
    return summary;
}

// The launch number of the last entry naming the boot program; 0 for none.
LONG FindBootProgram(HKEY init)
{
    LONG found = 0;
    LaunchValue value;
    for (DWORD index = 0; NextLaunchValue(init, index, value);) {
        if (value.type == REG_SZ && HasLaunchPrefix(value.name, kLaunchPrefix) &&
            _wcsicmp(value.text, kBootProgram) == 0)
            found = LaunchNumber(value.name);
    }
    return found;
}

void WriteDependency(HKEY init, LPCWSTR name, LONG shell)
{
    const BYTE word[2] = {static_cast<BYTE>(shell & 0xFF), static_cast<BYTE>((shell >> 8) & 0xFF)};
    RegSetValueExW(init, name, 0, REG_BINARY, word, sizeof(word));
}

}  // namespace

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
    wsprintfW(name, TEXT("Depend%d"), number);
    WriteDependency(init, name, summary.shell);
    RegCloseKey(init);
    return TRUE;
}

void UnregisterBootProgram()
{
    HKEY init = nullptr;
    if (OpenSetupKey(HKEY_LOCAL_MACHINE, kInitKey, init) != ERROR_SUCCESS) return;
    LONG number = FindBootProgram(init);
    if (number != 0) {
        WCHAR name[32];
        wsprintfW(name, TEXT("Launch%d"), number);
        RegDeleteValueW(init, name);
        wsprintfW(name, TEXT("Depend%d"), number);
        RegDeleteValueW(init, name);
    }
    RegCloseKey(init);
}

// Walking the boot launch list, the values of HKEY_LOCAL_MACHINE "init":
// "Launch<n>" names a program, "Depend<n>" lists the launch numbers it
// waits for.
#pragma once

#include <windows.h>

// One value of the list as the walk sees it.
struct LaunchValue {
    WCHAR name[256];
    DWORD type;
    // The program a REG_SZ value names, always terminated; empty for others.
    WCHAR text[2049];
};

// The value at INDEX, which then moves on; false once the values run out or
// the key cannot be read any further.
bool NextLaunchValue(HKEY init, DWORD& index, LaunchValue& value);

// Whether NAME begins with the six characters of PREFIX, in any case.
bool HasLaunchPrefix(LPCWSTR name, LPCWSTR prefix);

// The number after the first six characters of NAME, as _wtol reads it; 0
// for a shorter name.
LONG LaunchNumber(LPCWSTR name);

// Whether PROGRAM names the shell, by its name alone or by a path.
bool IsShellProgram(LPCWSTR program);

// Whether any "Launch" or "Depend" value, of any type and however its
// number is spelt, holds NUMBER.
bool LaunchNumberTaken(HKEY init, LONG number);

// N + 1, wrapping as the device's 32-bit arithmetic does.
LONG NextLaunchNumber(LONG number);

inline constexpr WCHAR kLaunchPrefix[] = TEXT("Launch");
inline constexpr WCHAR kDependPrefix[] = TEXT("Depend");
inline constexpr WCHAR kShellProgram[] = TEXT("shell32.exe");

#include "launch_list.h"

namespace {

constexpr size_t kPrefixLength = 6;

}  // namespace

// The text buffer holds the largest value the registry stores, so no value
// is too long to walk over; any other error ends the walk rather than
// retrying the same index forever.
bool NextLaunchValue(HKEY init, DWORD& index, LaunchValue& value)
{
    value = LaunchValue{};
    DWORD nameLength = sizeof(value.name) / sizeof(WCHAR);
    DWORD size = sizeof(value.text) - sizeof(WCHAR);
    LONG result = RegEnumValueW(init, index, value.name, &nameLength, nullptr, &value.type,
                                reinterpret_cast<LPBYTE>(value.text), &size);
    if (result != ERROR_SUCCESS) return false;
    if (value.type != REG_SZ) value.text[0] = 0;
    ++index;
    return true;
}

bool HasLaunchPrefix(LPCWSTR name, LPCWSTR prefix) { return _wcsnicmp(name, prefix, kPrefixLength) == 0; }

LONG LaunchNumber(LPCWSTR name)
{
    if (wcslen(name) < kPrefixLength) return 0;
    return _wtol(name + kPrefixLength);
}

bool IsShellProgram(LPCWSTR program)
{
    LPCWSTR name = program;
    for (LPCWSTR at = program; *at; ++at)
        if (*at == TEXT('\\')) name = at + 1;
    return _wcsicmp(name, kShellProgram) == 0;
}

bool LaunchNumberTaken(HKEY init, LONG number)
{
    LaunchValue value;
    for (DWORD index = 0; NextLaunchValue(init, index, value);) {
        bool entry = HasLaunchPrefix(value.name, kLaunchPrefix) || HasLaunchPrefix(value.name, kDependPrefix);
        if (entry && LaunchNumber(value.name) == number) return true;
    }
    return false;
}

LONG NextLaunchNumber(LONG number) { return static_cast<LONG>(static_cast<DWORD>(number) + 1); }

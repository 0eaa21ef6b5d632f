#include "registry_values.h"

LONG ReadRegDword(HKEY key, LPCWSTR name, DWORD& out, DWORD defaultValue)
{
    out = defaultValue;
    DWORD type = REG_NONE;
    DWORD data = 0;
    DWORD size = sizeof(data);
    LONG result = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(&data), &size);
    if (result == ERROR_SUCCESS && type == REG_DWORD) out = data;
    return result;
}

LONG ReadRegBool(HKEY key, LPCWSTR name, bool& out, bool defaultValue)
{
    DWORD data = 0;
    LONG result = ReadRegDword(key, name, data, defaultValue ? 1 : 0);
    out = data != 0;
    return result;
}

LONG ReadRegLong(HKEY key, LPCWSTR name, LONG defaultValue)
{
    DWORD data = 0;
    ReadRegDword(key, name, data, static_cast<DWORD>(defaultValue));
    return static_cast<LONG>(data);
}

LONG WriteRegDword(HKEY key, LPCWSTR name, DWORD value)
{
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

LONG WriteRegBool(HKEY key, LPCWSTR name, bool value) { return WriteRegDword(key, name, value ? 1 : 0); }

// The value is read in two steps (size, then data); should the second step
// fail, the default stands rather than a half-filled buffer. The text ends
// after the whole characters read: a stored text need not carry its
// terminator, and an odd last byte is half a character.
LONG ReadRegString(HKEY key, LPCWSTR name, OwnedString& str, LPCWSTR defaultValue)
{
    str.Assign(defaultValue);
    DWORD type = REG_NONE;
    DWORD size = 0;
    LONG result = RegQueryValueExW(key, name, nullptr, &type, nullptr, &size);
    if (result != ERROR_SUCCESS || type != REG_SZ) return result;
    str.Resize(size / sizeof(WCHAR));
    if (!str.Buffer()) return ERROR_NOT_ENOUGH_MEMORY;
    result = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(str.Buffer()), &size);
    if (result != ERROR_SUCCESS || type != REG_SZ) {
        str.Assign(defaultValue);
        return result;
    }
    str.Buffer()[size / sizeof(WCHAR)] = 0;
    return result;
}

LONG WriteRegString(HKEY key, LPCWSTR name, LPCWSTR str)
{
    DWORD size = static_cast<DWORD>((wcslen(str) + 1) * sizeof(WCHAR));
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(str), size);
}

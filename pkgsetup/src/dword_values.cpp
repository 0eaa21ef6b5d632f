#include "dword_values.h"

#include "registry_values.h"

bool ReadDwordValue(HKEY key, LPCWSTR name, DWORD& value)
{
    DWORD type = REG_NONE;
    DWORD data = 0;
    DWORD size = sizeof(data);
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(&data), &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_DWORD || size != sizeof(data)) return false;
    value = data;
    return true;
}

LONG PutOrDeleteDword(HKEY key, LPCWSTR name, DWORD value)
{
    if (value != kAbsentValue) return WriteRegDword(key, name, value);
    RegDeleteValueW(key, name);
    return ERROR_SUCCESS;
}

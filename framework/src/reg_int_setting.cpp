#include "reg_int_setting.h"

#include "registry_values.h"

RegIntSetting::RegIntSetting(HKEY key, LPCWSTR name, LONG defaultValue)
    : value(ReadRegLong(key, name, defaultValue)), name(name), key(key)
{
}

bool RegIntSetting::Reload()
{
    LONG read = ReadRegLong(key, name.Get(), value);
    bool changed = read != value;
    value = read;
    return changed;
}

void RegIntSetting::Set(LONG newValue)
{
    value = newValue;
    WriteRegDword(key, name.Get(), static_cast<DWORD>(value));
}

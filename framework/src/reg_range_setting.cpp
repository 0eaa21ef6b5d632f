#include "reg_range_setting.h"

#include "registry_values.h"

RegRangeSetting::RegRangeSetting(HKEY key, LPCWSTR name, LONG defaultValue, LONG min, LONG max)
    : value(0), min(min), max(max), name(name), key(key)
{
    value = Clamp(ReadRegLong(key, name, defaultValue));
}

LONG RegRangeSetting::Clamp(LONG number) const
{
    LONG capped = number < max ? number : max;
    return capped > min ? capped : min;
}

bool RegRangeSetting::Reload()
{
    LONG read = ReadRegLong(key, name.Get(), value);
    if (read == value) return false;
    value = Clamp(read);
    return true;
}

void RegRangeSetting::Set(LONG newValue)
{
    value = Clamp(newValue);
    WriteRegDword(key, name.Get(), static_cast<DWORD>(value));
}

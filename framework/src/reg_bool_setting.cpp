#include "reg_bool_setting.h"

#include "registry_values.h"

RegBoolSetting::RegBoolSetting(HKEY key, LPCWSTR name, bool defaultValue) : value(defaultValue), name(name), key(key)
{
    ReadRegBool(key, this->name.Get(), value, defaultValue);
}

bool RegBoolSetting::Reload()
{
    bool read = value;
    ReadRegBool(key, name.Get(), read, value);
    bool changed = read != value;
    value = read;
    return changed;
}

void RegBoolSetting::Set(bool newValue)
{
    value = newValue;
    WriteRegBool(key, name.Get(), value);
}

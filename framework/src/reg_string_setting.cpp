#include "reg_string_setting.h"

#include "registry_values.h"

RegStringSetting::RegStringSetting(HKEY key, LPCWSTR name, LPCWSTR defaultText) : name(name), key(key)
{
    ReadRegString(key, name, text, defaultText);
}

bool RegStringSetting::Save()
{
    return text.Get() && WriteRegString(key, name.Get(), text.Get()) == ERROR_SUCCESS;
}

// The read starts by assigning the default, so the current text is copied
// first: assigning a string its own buffer would keep nothing to fall back on.
void RegStringSetting::Reload()
{
    OwnedString current(text);
    ReadRegString(key, name.Get(), text, current.Get());
}

// A flag kept as a REG_DWORD: any non-zero value reads as true, written as 0 or 1.
#pragma once

#include "owned_string.h"

class RegBoolSetting {
public:
    RegBoolSetting(HKEY key, LPCWSTR name, bool defaultValue);

    bool Value() const { return value; }
    // Re-reads the value with the current one as default; true when it changed.
    bool Reload();
    void Set(bool newValue);

private:
    bool value;
    OwnedString name;
    HKEY key;  // borrowed from the settings record
};

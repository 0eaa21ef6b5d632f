// A signed number kept as a REG_DWORD, without a range.
#pragma once

#include "owned_string.h"

class RegIntSetting {
public:
    RegIntSetting(HKEY key, LPCWSTR name, LONG defaultValue);

    LONG Value() const { return value; }
    // Re-reads the value with the current one as default; true when it changed.
    bool Reload();
    void Set(LONG newValue);

private:
    LONG value;
    OwnedString name;
    HKEY key;  // borrowed from the settings record
};

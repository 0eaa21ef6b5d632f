// A signed number kept as a REG_DWORD and held within [min, max].
#pragma once

#include "owned_string.h"

class RegRangeSetting {
public:
    RegRangeSetting(HKEY key, LPCWSTR name, LONG defaultValue, LONG min, LONG max);

    LONG Value() const { return value; }
    LONG Min() const { return min; }
    LONG Max() const { return max; }
    // Compares the stored number, before clamping, with the current value: a
    // stored number outside the range reports a change at every reload.
    bool Reload();
    void Set(LONG newValue);

private:
    LONG Clamp(LONG number) const;

    LONG value;
    LONG min;
    LONG max;
    OwnedString name;
    HKEY key;  // borrowed from the settings record
};

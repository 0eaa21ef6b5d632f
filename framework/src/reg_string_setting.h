// A text kept as a REG_SZ value. The text lives in memory between reads;
// assigning it does not write it.
#pragma once

#include "owned_string.h"

class RegStringSetting {
public:
    RegStringSetting(HKEY key, LPCWSTR name, LPCWSTR defaultText);

    LPCWSTR Text() const { return text.Get(); }
    LPCWSTR Name() const { return name.Get(); }
    void Assign(LPCWSTR newText) { text.Assign(newText); }
    // Whether the registry took the text; nothing is written while the text
    // is missing (a failed allocation).
    bool Save();
    // Re-reads the value with the current text as default.
    void Reload();

private:
    OwnedString text;
    OwnedString name;
    HKEY key;  // borrowed from the settings record
};

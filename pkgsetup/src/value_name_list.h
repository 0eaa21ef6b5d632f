// The names of a key's string values, taken before any of them is renamed:
// renaming while walking by index would skip the value after the renamed
// one or meet the renamed one again.
#pragma once

#include <windows.h>

constexpr size_t kValueNameLength = 100;  // code units, the terminator included

class ValueNameList {
public:
    ValueNameList() = default;
    ValueNameList(const ValueNameList&) = delete;
    ValueNameList& operator=(const ValueNameList&) = delete;
    ~ValueNameList();

    // Lists KEY's REG_SZ values whose names fit kValueNameLength, in the
    // key's order; longer names are passed over. FALSE when no memory.
    BOOL Collect(HKEY key);

    DWORD Count() const { return count_; }
    LPCWSTR Name(DWORD index) const { return names_[index]; }

private:
    typedef WCHAR NameSlot[kValueNameLength];

    // Walks KEY's values; with NAMES, copies each listed name into it,
    // at most CAPACITY of them. The number listed.
    static DWORD Walk(HKEY key, NameSlot* names, DWORD capacity);

    NameSlot* names_ = nullptr;
    DWORD count_ = 0;
};

#include "value_name_list.h"

#include <new>

ValueNameList::~ValueNameList() { delete[] names_; }

BOOL ValueNameList::Collect(HKEY key)
{
    DWORD wanted = Walk(key, nullptr, 0);
    if (wanted == 0) return TRUE;
    names_ = new (std::nothrow) NameSlot[wanted];
    if (!names_) return FALSE;
    count_ = Walk(key, names_, wanted);
    return TRUE;
}

// A name too long for the buffer answers ERROR_MORE_DATA and is passed
// over; any other failure ends the walk rather than retry an index forever.
DWORD ValueNameList::Walk(HKEY key, NameSlot* names, DWORD capacity)
{
    DWORD listed = 0;
    for (DWORD index = 0;; ++index) {
        WCHAR name[kValueNameLength];
        DWORD length = kValueNameLength;
        DWORD type = REG_NONE;
        LONG result = RegEnumValueW(key, index, name, &length, nullptr, &type, nullptr, nullptr);
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS) return listed;
        if (type != REG_SZ) continue;
        if (names) {
            if (listed == capacity) return listed;
            wcscpy(names[listed], name);
        }
        ++listed;
    }
}

// 32-bit values as the setup hooks read and write them.
#pragma once

#include <windows.h>

// A locale value stored as this stands for one the system did not have.
constexpr DWORD kAbsentValue = 0xFFFFFFFF;

// True only when the value exists as a REG_DWORD: anything else is as good
// as unreadable to the setup hooks.
bool ReadDwordValue(HKEY key, LPCWSTR name, DWORD& value);

// Writes VALUE, or deletes the value when VALUE is kAbsentValue (a deletion
// counts as done whatever its result).
LONG PutOrDeleteDword(HKEY key, LPCWSTR name, DWORD value);

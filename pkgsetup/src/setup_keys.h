// The registry keys and values the setup hooks read and write.
#pragma once

#include <windows.h>

inline constexpr WCHAR kProductKey[] = TEXT("SOFTWARE\\Tarvex\\Lexovia");
inline constexpr WCHAR kNlsKey[] = TEXT("nls");
inline constexpr WCHAR kBrowserKey[] = TEXT("SOFTWARE\\Microsoft\\Internet Explorer\\International");
inline constexpr WCHAR kMuiKey[] = TEXT("MUI");
inline constexpr WCHAR kInitKey[] = TEXT("init");

inline constexpr WCHAR kDefaultLcid[] = TEXT("DefaultLCID");
inline constexpr WCHAR kDefaultAcp[] = TEXT("DefaultACP");
inline constexpr WCHAR kDefaultOcp[] = TEXT("DefaultOCP");
inline constexpr WCHAR kDefaultCodePage[] = TEXT("Default_CodePage");

// A locale value stored as this stands for one the system did not have.
constexpr DWORD kAbsentValue = 0xFFFFFFFF;

// Opens the key, creating it when missing.
LONG OpenSetupKey(HKEY root, LPCWSTR path, HKEY& key);

// True only when the value exists as a REG_DWORD: anything else is as good
// as unreadable to the locale code.
bool ReadDwordValue(HKEY key, LPCWSTR name, DWORD& value);

// Writes VALUE, or deletes the value when VALUE is kAbsentValue (a deletion
// counts as done whatever its result).
LONG PutOrDeleteDword(HKEY key, LPCWSTR name, DWORD value);

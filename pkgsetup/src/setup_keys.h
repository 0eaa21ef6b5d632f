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

// Opens the key, creating it when missing.
LONG OpenSetupKey(HKEY root, LPCWSTR path, HKEY& key);

// The English Start menu's folders, and paths compared as the device
// compares them.
#pragma once

#include <windows.h>

inline constexpr WCHAR kEnglishStartMenu[] = TEXT("\\Windows\\Start Menu");
inline constexpr WCHAR kEnglishPrograms[] = TEXT("\\Windows\\Start Menu\\Programs");
inline constexpr WCHAR kEnglishSettings[] = TEXT("\\Windows\\Start Menu\\Settings");

// Whether PATH is FOLDER or lies inside it, without regard to case. A
// folder is a whole path component: "\Windows\Start Menu Old" is not inside
// "\Windows\Start Menu". An empty FOLDER holds nothing.
bool InFolder(LPCWSTR path, LPCWSTR folder);

// What the test setup-hook library records and reads, under
// HKEY_CURRENT_USER "SetupHooks":
//   "Calls"          each hook's call, one line each: "Install_Exit 0 0 1 0 0"
//   "Registered"     dword 1 while it is registered as a server
//   "Install_Init", "Install_Exit", "Uninstall_Init"
//                    dword answers the test sets (0 when absent); an
//                    Uninstall_Init answer of kRestartFirst restarts the
//                    device and cancels on its first call, and continues after
#pragma once

#include <windef.h>

inline const WCHAR kHooksKey[] = u"SetupHooks";
constexpr DWORD kRestartFirst = 2;

// What the setup hooks remember while the library is loaded: its own
// handle, the languages read from the product key and the system locale
// found before the swap, and the shortcut names of the Start menu.
#pragma once

#include <windows.h>

#include "shortcut_names.h"

constexpr DWORD kEnglishLcid = 1033;

struct ModuleState {
    HINSTANCE moduleInstance = nullptr;  // as loaded; finds the library's own resources
    DWORD packageLanguage = kEnglishLcid;    // "AvailableInterfaceLang"
    DWORD interfaceLanguage = kEnglishLcid;  // "InterfaceLang"
    // The system's "DefaultLCID" as the last locale swap found it; the
    // multilingual settings name it as the system language.
    DWORD preSwapSystemLcid = kEnglishLcid;
    ShortcutNameTable shortcutNames = RussianShortcutNames();
};

ModuleState& TheModuleState();

// Registry key paths as scripts write them: HKCU\SOFTWARE\Tarvex\Lexovia.
#pragma once

#include <string>

#include <windows.h>

#include "parsed.h"
#include "script_line.h"

struct RegistryPath {
    HKEY root;
    std::u16string subkey;  // empty for the root itself
    std::string shown;      // as the script wrote it, for messages
};

// Roots: HKLM, HKCU, HKCR or their long names, in any case.
Parsed<RegistryPath> ParseRegistryPath(const ScriptWord& word);

// A value name for messages: "Name" in quotes, or (default) for "".
std::string ValueLabel(const std::string& name);

// Input methods as scripts name them: finkeys, qvpen, keyboard (the
// platform's own), or any class identifier in braces.
#pragma once

#include <string>

#include <guiddef.h>

#include "parsed.h"
#include "script_line.h"

Parsed<CLSID> ParseInputMethod(const ScriptWord& word);

// "{6B1D2F40-7C3A-4E5B-9A8C-0D1E2F3A4B5C}"
std::string ClsidText(const CLSID& clsid);

// The name when the input method is a known one, else its identifier.
std::string InputMethodName(const CLSID& clsid);

// Numbers as scripts write them.
#pragma once

#include <windef.h>

#include "parsed.h"
#include "script_line.h"

// Decimal (negative allowed, stored as its 32-bit two's complement) or 0x hex.
Parsed<DWORD> ParseDword(const ScriptWord& word);

// Decimal, negative allowed, within int (pen coordinates).
Parsed<int> ParseInteger(const ScriptWord& word);

// Decimal or 0x hex, never negative.
Parsed<DWORD> ParseUnsigned(const ScriptWord& word);

// 0x and hex digits only, for values read as bit masks (message box styles).
Parsed<DWORD> ParseHexMask(const ScriptWord& word);

// One byte as one or two hex digits ("1e").
Parsed<BYTE> ParseHexByte(const ScriptWord& word);

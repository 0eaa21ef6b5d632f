// Registry values as scripts write them ("dword 0x24", "sz text",
// "binary 14 00", "multi a b") and as messages show them, in the same form.
#pragma once

#include <span>
#include <string>
#include <vector>

#include <windows.h>

#include "parsed.h"
#include "script_line.h"

struct RegistryValue {
    DWORD type;
    std::vector<BYTE> data;

    bool operator==(const RegistryValue&) const = default;
};

// Texts are stored as UTF-16 with their terminator counted, as the platform's
// own writers store them.
Parsed<RegistryValue> EncodeValue(const ScriptWord& type, std::span<const ScriptWord> values);

std::string DescribeValue(const RegistryValue& value);

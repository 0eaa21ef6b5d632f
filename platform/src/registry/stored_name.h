// Names are stored as BLOBs of UTF-16 code units, big-endian, so that every
// code unit survives unchanged (even a lone surrogate) and byte order is
// code-unit order: the database sorts folded names as the platform compares them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform::registry {

std::string NameBlob(std::u16string_view name);
std::u16string NameFromBlob(const void* bytes, size_t size);

// NAME with every code unit through the platform's towlower: the form in
// which names are compared, indexed and sorted.
std::u16string FoldName(std::u16string_view name);

// Changes whenever towlower maps any code unit differently.
int64_t CaseRulesSignature();

}  // namespace platform::registry

// String tables: string N lives in the RT_STRING resource named N / 16 + 1,
// a block of sixteen strings, each a length in code units and the code units.
#pragma once

#include <optional>
#include <span>
#include <string>

#include <windef.h>

namespace platform::resources {

WORD StringBlockName(UINT id);

// String ID from its block; none when the slot is empty or the block is
// cut short before it.
std::optional<std::u16string> StringFromBlock(std::span<const BYTE> block, UINT id);

}  // namespace platform::resources

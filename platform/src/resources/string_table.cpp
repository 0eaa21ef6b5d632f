#include "resources/string_table.h"

#include <cstring>

namespace platform::resources {

namespace {
constexpr UINT kStringsPerBlock = 16;
}

WORD StringBlockName(UINT id) { return static_cast<WORD>(id / kStringsPerBlock + 1); }

std::optional<std::u16string> StringFromBlock(std::span<const BYTE> block, UINT id)
{
    size_t at = 0;
    for (UINT slot = 0;; ++slot) {
        WORD length = 0;
        if (block.size() - at < sizeof length) return std::nullopt;
        std::memcpy(&length, block.data() + at, sizeof length);
        at += sizeof length;
        size_t bytes = size_t{length} * sizeof(char16_t);
        if (block.size() - at < bytes) return std::nullopt;
        if (slot == id % kStringsPerBlock) {
            if (length == 0) return std::nullopt;
            std::u16string text(length, u'\0');
            std::memcpy(text.data(), block.data() + at, bytes);
            return text;
        }
        at += bytes;
    }
}

}  // namespace platform::resources

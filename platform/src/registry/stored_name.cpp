#include "registry/stored_name.h"

#include <crtwide.h>

namespace platform::registry {

std::string NameBlob(std::u16string_view name)
{
    std::string bytes;
    bytes.reserve(name.size() * 2);
    for (char16_t unit : name) {
        bytes.push_back(static_cast<char>(unit >> 8));
        bytes.push_back(static_cast<char>(unit & 0xFF));
    }
    return bytes;
}

std::u16string NameFromBlob(const void* bytes, size_t size)
{
    const auto* data = static_cast<const unsigned char*>(bytes);
    std::u16string name;
    name.reserve(size / 2);
    for (size_t i = 0; i + 1 < size; i += 2) name.push_back(static_cast<char16_t>((data[i] << 8) | data[i + 1]));
    return name;
}

std::u16string FoldName(std::u16string_view name)
{
    std::u16string folded(name);
    for (char16_t& unit : folded) unit = towlower(unit);
    return folded;
}

int64_t CaseRulesSignature()
{
    static const int64_t signature = [] {
        uint64_t hash = 14695981039346656037u;  // FNV-1a
        for (uint32_t unit = 0; unit <= 0xFFFF; ++unit) {
            hash = (hash ^ towlower(static_cast<char16_t>(unit))) * 1099511628211u;
        }
        return static_cast<int64_t>(hash);
    }();
    return signature;
}

}  // namespace platform::registry

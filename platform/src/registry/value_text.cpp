#include "registry/value_text.h"

#include <cstdio>
#include <optional>

#include <device/text.h>
#include <winnt.h>

namespace platform::registry {
namespace {

std::string Quoted(const std::u16string& text)
{
    std::string quoted = "\"";
    for (char c : device::Utf8(text)) {
        if (c == '\\' || c == '"') quoted.push_back('\\');
        quoted.push_back(c);
    }
    return quoted + "\"";
}

std::string Hex(const std::vector<BYTE>& data)
{
    std::string text;
    for (size_t i = 0; i < data.size(); ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, i ? ",%02x" : "%02x", data[i]);
        text += byte;
    }
    return text;
}

// The data as UTF-16 code units when it ends with a terminator; none else.
std::optional<std::u16string> TerminatedUnits(const std::vector<BYTE>& data)
{
    if (data.size() < 2 || data.size() % 2 != 0) return std::nullopt;
    std::u16string units;
    for (size_t i = 0; i < data.size(); i += 2) units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    if (units.back() != 0) return std::nullopt;
    units.pop_back();
    return units;
}

// One string, with no terminator inside it.
std::optional<std::string> StringText(const std::vector<BYTE>& data)
{
    std::optional<std::u16string> units = TerminatedUnits(data);
    if (!units || units->find(u'\0') != std::u16string::npos) return std::nullopt;
    return Quoted(*units);
}

// Terminated strings followed by an empty one.
std::optional<std::string> MultiStringText(const std::vector<BYTE>& data)
{
    std::optional<std::u16string> units = TerminatedUnits(data);
    if (!units || (!units->empty() && units->back() != 0)) return std::nullopt;
    std::string text;
    size_t start = 0;
    while (start < units->size()) {
        size_t end = units->find(u'\0', start);
        if (end == start) return std::nullopt;
        text += (text.empty() ? "" : ",") + Quoted(units->substr(start, end - start));
        start = end + 1;
    }
    return text;
}

std::optional<std::string> TypedText(DWORD type, const std::vector<BYTE>& data)
{
    switch (type) {
        case REG_DWORD:
            if (data.size() != 4) return std::nullopt;
            char number[16];
            std::snprintf(number, sizeof number, "0x%08x",
                          data[0] | data[1] << 8 | data[2] << 16 | unsigned(data[3]) << 24);
            return std::string("dword:") + number;
        case REG_SZ:
            return StringText(data);
        case REG_EXPAND_SZ: {
            std::optional<std::string> text = StringText(data);
            return text ? std::optional<std::string>("expand_sz:" + *text) : std::nullopt;
        }
        case REG_MULTI_SZ: {
            std::optional<std::string> text = MultiStringText(data);
            return text ? std::optional<std::string>("multi_sz:" + *text) : std::nullopt;
        }
        case REG_BINARY:
            return "hex:" + Hex(data);
        default:
            return std::nullopt;
    }
}

}  // namespace

std::string ValueText(DWORD type, const std::vector<BYTE>& data)
{
    std::optional<std::string> text = TypedText(type, data);
    return text ? *text : "hex(" + std::to_string(type) + "):" + Hex(data);
}

}  // namespace platform::registry

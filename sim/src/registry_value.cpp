#include "registry_value.h"

#include <cstdio>
#include <optional>
#include <string_view>

#include <device/text.h>

#include "display_text.h"
#include "number_words.h"

namespace {

void AppendText(std::vector<BYTE>& data, std::u16string_view text)
{
    for (char16_t unit : text) {
        data.push_back(static_cast<BYTE>(unit & 0xFF));
        data.push_back(static_cast<BYTE>(unit >> 8));
    }
    data.push_back(0);
    data.push_back(0);
}

Parsed<RegistryValue> Dword(std::span<const ScriptWord> values)
{
    if (values.size() != 1) return Parsed<RegistryValue>::Failure("dword takes one number");
    Parsed<DWORD> number = ParseDword(values[0]);
    if (!number) return Parsed<RegistryValue>::Failure(number.error());
    RegistryValue value{REG_DWORD, {}};
    for (int shift = 0; shift < 32; shift += 8) value.data.push_back(static_cast<BYTE>(*number >> shift));
    return value;
}

Parsed<RegistryValue> Text(std::span<const ScriptWord> values)
{
    if (values.size() != 1) return Parsed<RegistryValue>::Failure("sz takes one string; quote text with spaces");
    RegistryValue value{REG_SZ, {}};
    AppendText(value.data, device::Utf16(values[0].text));
    return value;
}

Parsed<RegistryValue> Binary(std::span<const ScriptWord> values)
{
    RegistryValue value{REG_BINARY, {}};
    for (const ScriptWord& word : values) {
        Parsed<BYTE> byte = ParseHexByte(word);
        if (!byte) return Parsed<RegistryValue>::Failure(byte.error());
        value.data.push_back(*byte);
    }
    return value;
}

// Each string ends with its terminator and the list with one more.
Parsed<RegistryValue> MultiText(std::span<const ScriptWord> values)
{
    RegistryValue value{REG_MULTI_SZ, {}};
    for (const ScriptWord& word : values) AppendText(value.data, device::Utf16(word.text));
    value.data.push_back(0);
    value.data.push_back(0);
    return value;
}

struct ValueType {
    std::string_view name;
    DWORD type;
    Parsed<RegistryValue> (*encode)(std::span<const ScriptWord> values);
};

const ValueType kTypes[] = {
    {"dword", REG_DWORD, &Dword},
    {"sz", REG_SZ, &Text},
    {"binary", REG_BINARY, &Binary},
    {"multi", REG_MULTI_SZ, &MultiText},
};

std::string TypeLabel(DWORD type)
{
    for (const ValueType& known : kTypes)
        if (known.type == type) return std::string(known.name);
    return "type " + std::to_string(type);
}

std::string HexBytes(const std::vector<BYTE>& data)
{
    std::string out;
    for (BYTE byte : data) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x", byte);
        out += (out.empty() ? "" : " ") + std::string(hex);
    }
    return out;
}

std::string RawValue(const RegistryValue& value)
{
    std::string bytes = value.data.empty() ? "" : ": " + HexBytes(value.data);
    return TypeLabel(value.type) + " of " + std::to_string(value.data.size()) + " bytes" + bytes;
}

std::optional<std::u16string> Units(const std::vector<BYTE>& data)
{
    if (data.size() % 2 != 0) return std::nullopt;
    std::u16string units;
    for (size_t i = 0; i < data.size(); i += 2) units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    return units;
}

std::string DescribeText(const RegistryValue& value)
{
    std::optional<std::u16string> units = Units(value.data);
    if (!units) return RawValue(value);
    if (units->empty() || units->back() != 0) return "sz " + Quoted(*units) + " (no terminator)";
    units->pop_back();
    return "sz " + Quoted(*units);
}

std::string DescribeMultiText(const RegistryValue& value)
{
    std::optional<std::u16string> units = Units(value.data);
    if (!units || units->empty() || units->back() != 0) return RawValue(value);
    units->pop_back();
    std::string out = "multi";
    if (units->empty()) return out;
    if (units->back() != 0) return RawValue(value);
    units->pop_back();
    size_t start = 0;
    while (true) {
        size_t end = units->find(u'\0', start);
        out += " " + Quoted(std::u16string_view(*units).substr(start, end - start));
        if (end == std::u16string::npos) return out;
        start = end + 1;
    }
}

std::string DescribeDword(const RegistryValue& value)
{
    if (value.data.size() != 4) return RawValue(value);
    DWORD number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) | (static_cast<DWORD>(value.data[3]) << 24);
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", number);
    return "dword " + std::string(hex);
}

}  // namespace

Parsed<RegistryValue> EncodeValue(const ScriptWord& type, std::span<const ScriptWord> values)
{
    for (const ValueType& known : kTypes)
        if (known.name == type.text) return known.encode(values);
    return Parsed<RegistryValue>::Failure("unknown value type \"" + type.text + "\" (types: dword, sz, binary, multi)");
}

std::string DescribeValue(const RegistryValue& value)
{
    switch (value.type) {
    case REG_DWORD: return DescribeDword(value);
    case REG_SZ: return DescribeText(value);
    case REG_MULTI_SZ: return DescribeMultiText(value);
    case REG_BINARY: return value.data.empty() ? "binary (no bytes)" : "binary " + HexBytes(value.data);
    default: return RawValue(value);
    }
}

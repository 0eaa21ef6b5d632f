#include "device/setup_text.h"

#include <charconv>

#include <device/text.h>
#include <windows.h>

namespace platform::device_setup {
namespace {

struct NamedRoot {
    std::string_view name;
    HKEY root;
};

const NamedRoot kRoots[] = {
    {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
};

std::vector<BYTE> Utf16Bytes(const std::u16string& text)
{
    std::vector<BYTE> bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<BYTE>(unit & 0xFF));
        bytes.push_back(static_cast<BYTE>(unit >> 8));
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

std::optional<std::vector<BYTE>> ParseHexBytes(std::string_view s)
{
    std::vector<BYTE> bytes;
    while (!s.empty()) {
        size_t comma = s.find(',');
        std::string_view item = Trim(s.substr(0, comma));
        unsigned value = 0;
        auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), value, 16);
        if (ec != std::errc() || end != item.data() + item.size() || value > 0xFF) return std::nullopt;
        bytes.push_back(static_cast<BYTE>(value));
        if (comma == std::string_view::npos) break;
        s.remove_prefix(comma + 1);
    }
    return bytes;
}

}  // namespace

void ForEachLine(std::string_view text, const std::function<bool(int number, std::string_view line)>& read)
{
    int number = 0;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (line.empty() || line.front() == '#') continue;
        if (!read(number, line)) return;
    }
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// \\ and \" are the escapes.
std::optional<std::string> TakeQuoted(std::string_view& s)
{
    if (s.empty() || s.front() != '"') return std::nullopt;
    std::string out;
    size_t i = 1;
    for (; i < s.size() && s[i] != '"'; ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) ++i;
        out.push_back(s[i]);
    }
    if (i >= s.size()) return std::nullopt;
    s.remove_prefix(i + 1);
    s = Trim(s);
    return out;
}

std::optional<HKEY> RootNamed(std::string_view name)
{
    for (const NamedRoot& root : kRoots)
        if (root.name == name) return root.root;
    return std::nullopt;
}

std::string RootName(HKEY root)
{
    for (const NamedRoot& known : kRoots)
        if (known.root == root) return std::string(known.name);
    return std::string();
}

bool IsKeyLine(std::string_view line) { return line.front() == '['; }

std::optional<RegistryKey> ParseKeyLine(std::string_view line)
{
    if (line.back() != ']') return std::nullopt;
    std::string_view full = line.substr(1, line.size() - 2);
    size_t slash = full.find('\\');
    std::optional<HKEY> root = RootNamed(full.substr(0, slash));
    if (!root) return std::nullopt;
    std::string_view path = slash == std::string_view::npos ? std::string_view() : full.substr(slash + 1);
    return RegistryKey{*root, device::Utf16(path), {}};
}

std::optional<RegistryValue> ParseValueLine(std::string_view line)
{
    RegistryValue value{};
    if (line.front() == '@') {
        line.remove_prefix(1);
    } else {
        std::optional<std::string> name = TakeQuoted(line);
        if (!name) return std::nullopt;
        value.name = device::Utf16(*name);
    }
    if (line.empty() || line.front() != '=') return std::nullopt;
    line = Trim(line.substr(1));
    if (std::optional<std::string> text = TakeQuoted(line); text && line.empty()) {
        value.type = REG_SZ;
        value.data = Utf16Bytes(device::Utf16(*text));
        return value;
    }
    if (line.starts_with("dword:")) {
        std::string_view digits = line.substr(6);
        DWORD number = 0;
        auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number, 16);
        if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
        value.type = REG_DWORD;
        for (int shift = 0; shift < 32; shift += 8) value.data.push_back(static_cast<BYTE>(number >> shift));
        return value;
    }
    if (line.starts_with("hex:")) {
        std::optional<std::vector<BYTE>> bytes = ParseHexBytes(line.substr(4));
        if (!bytes) return std::nullopt;
        value.type = REG_BINARY;
        value.data = *bytes;
        return value;
    }
    return std::nullopt;
}

}  // namespace platform::device_setup

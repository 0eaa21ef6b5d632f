#include "number_words.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

std::optional<uint64_t> Digits(std::string_view text, int base)
{
    uint64_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool HasHexPrefix(std::string_view text) { return text.starts_with("0x") || text.starts_with("0X"); }

Parsed<DWORD> BadNumber(const ScriptWord& word, std::string_view hint)
{
    return Parsed<DWORD>::Failure("bad number \"" + word.text + "\": " + std::string(hint));
}

}  // namespace

Parsed<DWORD> ParseUnsigned(const ScriptWord& word)
{
    std::string_view text = word.text;
    std::optional<uint64_t> value = HasHexPrefix(text) ? Digits(text.substr(2), 16) : Digits(text, 10);
    if (!value || *value > UINT32_MAX) return BadNumber(word, "write 0 to 4294967295, or 0x and up to 8 hex digits");
    return static_cast<DWORD>(*value);
}

Parsed<DWORD> ParseDword(const ScriptWord& word)
{
    if (!word.text.starts_with('-')) return ParseUnsigned(word);
    std::optional<uint64_t> magnitude = Digits(std::string_view(word.text).substr(1), 10);
    if (!magnitude || *magnitude > 0x80000000u) return BadNumber(word, "negative numbers go down to -2147483648");
    return static_cast<DWORD>(0x100000000u - *magnitude);
}

Parsed<int> ParseInteger(const ScriptWord& word)
{
    int value = 0;
    const char* first = word.text.data();
    const char* last = first + word.text.size();
    auto [end, ec] = std::from_chars(first, last, value);
    if (word.text.empty() || ec != std::errc() || end != last)
        return Parsed<int>::Failure("bad number \"" + word.text + "\": write a whole number in decimal, e.g. -12");
    return value;
}

Parsed<DWORD> ParseHexMask(const ScriptWord& word)
{
    std::string_view text = word.text;
    std::optional<uint64_t> value = HasHexPrefix(text) ? Digits(text.substr(2), 16) : std::nullopt;
    if (!value || *value > UINT32_MAX) return BadNumber(word, "write 0x and up to 8 hex digits, e.g. 0x24");
    return static_cast<DWORD>(*value);
}

Parsed<BYTE> ParseHexByte(const ScriptWord& word)
{
    std::optional<uint64_t> value = word.text.size() <= 2 ? Digits(word.text, 16) : std::nullopt;
    if (!value) return Parsed<BYTE>::Failure("bad byte \"" + word.text + "\": write one or two hex digits, e.g. 1e");
    return static_cast<BYTE>(*value);
}

// Conversions between the driver's UTF-8 and the device's UTF-16.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace device {

// Malformed UTF-8 (an overlong form, a surrogate, a code point past
// U+10FFFF, a stray or missing continuation byte) becomes U+FFFD: it never
// turns into a character it only resembles, U+0000 above all.
std::u16string Utf16(std::string_view utf8);
std::string Utf8(std::u16string_view utf16);

struct TextFault {
    size_t offset;     // of the first byte at fault, from 0
    std::string what;  // "an overlong form", "a zero byte", ...
};

// Where UTF8 stops being text the device can take as names and values: the
// first malformed sequence or zero byte, if any.
std::optional<TextFault> FindTextFault(std::string_view utf8);

}  // namespace device

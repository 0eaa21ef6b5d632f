#include "kernel/quoted_text.h"

#include <cstdio>

#include <device/text.h>

namespace platform::kernel {

namespace {

bool IsHighSurrogate(UINT unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(UINT unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::string Escape(UINT unit)
{
    switch (unit) {
    case u'"': return "\\\"";
    case u'\\': return "\\\\";
    case 0x08: return "\\b";
    case 0x09: return "\\t";
    case 0x0A: return "\\n";
    case 0x0D: return "\\r";
    default: break;
    }
    if (unit < 0x20 || unit == 0x7F || unit > 0xFFFF || IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
        char text[24];
        std::snprintf(text, sizeof text, "\\x{%X}", unit);
        return text;
    }
    return device::Utf8(std::u16string(1, static_cast<char16_t>(unit)));
}

}  // namespace

std::string QuotedText(const std::vector<UINT>& units)
{
    std::string text = "\"";
    for (size_t i = 0; i < units.size(); ++i) {
        if (IsHighSurrogate(units[i]) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
            text += device::Utf8(std::u16string{static_cast<char16_t>(units[i]), static_cast<char16_t>(units[i + 1])});
            ++i;
        } else {
            text += Escape(units[i]);
        }
    }
    return text + "\"";
}

}  // namespace platform::kernel

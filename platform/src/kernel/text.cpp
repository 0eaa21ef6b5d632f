#include <device/text.h>

namespace device {
namespace {

struct Decoded {
    char32_t code;
    size_t length;      // bytes taken: a malformed sequence as far as it went
    const char* fault;  // null when the sequence is sound
};

// The smallest code point each length may carry; below it the form is overlong.
const char32_t kSmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};

size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 0;
}

bool IsContinuation(unsigned char byte) { return (byte >> 6) == 0x2; }

Decoded DecodeAt(std::string_view utf8, size_t at)
{
    unsigned char lead = static_cast<unsigned char>(utf8[at]);
    size_t length = SequenceLength(lead);
    if (length == 0)
        return {0, 1, IsContinuation(lead) ? "a continuation byte without a lead byte" : "a byte that starts no character"};
    if (length == 1) return {lead, 1, nullptr};
    char32_t code = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        if (at + k >= utf8.size() || !IsContinuation(static_cast<unsigned char>(utf8[at + k])))
            return {0, k, "a character cut short"};
        code = (code << 6) | (utf8[at + k] & 0x3F);
    }
    if (code < kSmallestOfLength[length]) return {0, length, "an overlong form"};
    if (code >= 0xD800 && code < 0xE000) return {0, length, "a surrogate written in UTF-8"};
    if (code > 0x10FFFF) return {0, length, "a code point past U+10FFFF"};
    return {code, length, nullptr};
}

}  // namespace

std::u16string Utf16(std::string_view utf8)
{
    std::u16string out;
    for (size_t i = 0; i < utf8.size();) {
        Decoded decoded = DecodeAt(utf8, i);
        char32_t code = decoded.fault ? 0xFFFD : decoded.code;
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
        i += decoded.length;
    }
    return out;
}

std::optional<TextFault> FindTextFault(std::string_view utf8)
{
    for (size_t i = 0; i < utf8.size();) {
        Decoded decoded = DecodeAt(utf8, i);
        if (decoded.fault) return TextFault{i, decoded.fault};
        if (decoded.code == 0) return TextFault{i, "a zero byte"};
        i += decoded.length;
    }
    return std::nullopt;
}

std::string Utf8(std::u16string_view utf16)
{
    std::string out;
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t code = utf16[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        }
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return out;
}

}  // namespace device

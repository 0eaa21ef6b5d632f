#include "formatter.h"

#include <algorithm>
#include <climits>

#include "char_class.h"
#include "unsupported.h"

namespace platform::crt {

namespace {

constexpr std::u16string_view kNullText = u"(null)";

// What the platform's runtime formats but this one does not: floating point,
// octal, pointers, %n, and the 64-bit and long double size prefixes.
constexpr std::u16string_view kUnsupportedTypes = u"aAeEfgGnopIlLZ";

size_t Padding(int width, size_t length) { return width > 0 && size_t(width) > length ? width - length : 0; }

template <typename Char>
size_t LengthUpTo(const Char* text, int precision)
{
    size_t length = 0;
    while ((precision < 0 || length < size_t(precision)) && text[length]) ++length;
    return length;
}

}  // namespace

Formatter::Formatter(WideOutput& output, FormatDialect dialect, va_list args) : output_(output), dialect_(dialect)
{
    va_copy(args_, args);
}

Formatter::~Formatter() { va_end(args_); }

bool Formatter::Format(const WCHAR* format)
{
    for (const WCHAR* cursor = format; *cursor && !output_.Overflowed(); ++cursor) {
        if (*cursor != u'%') {
            output_.Put(*cursor);
            continue;
        }
        Conversion spec;
        cursor = ParseSpec(cursor + 1, spec);
        if (!spec.type) break;  // a '%' at the very end writes nothing
        if (!Convert(spec)) {
            ReportUnsupportedConversion("formatting", spec.type, format);
            return false;
        }
    }
    return true;
}

const WCHAR* Formatter::ParseSpec(const WCHAR* cursor, Conversion& spec)
{
    cursor = ParseFlags(cursor, spec);
    cursor = ParseCount(cursor, spec.width);
    if (spec.width < 0) {  // a negative width from '*' pads on the right
        spec.leftAlign = true;
        spec.width = spec.width == INT_MIN ? INT_MAX : -spec.width;
    }
    if (*cursor == u'.') {
        cursor = ParseCount(cursor + 1, spec.precision);
        spec.precision = std::max(spec.precision, -1);  // a negative precision from '*' counts as none
    }
    if (*cursor == u'h') {
        spec.size = SizePrefix::Short;
        ++cursor;
    } else if (*cursor == u'l' || *cursor == u'w') {
        spec.size = SizePrefix::Long;
        ++cursor;
    }
    spec.type = *cursor;
    return cursor;
}

const WCHAR* Formatter::ParseFlags(const WCHAR* cursor, Conversion& spec)
{
    bool signFlags = dialect_ == FormatDialect::Runtime;
    for (;; ++cursor) {
        if (*cursor == u'-') spec.leftAlign = true;
        else if (*cursor == u'0') spec.zeroPad = true;
        else if (*cursor == u'#') spec.alternate = true;
        else if (*cursor == u'+' && signFlags) spec.plusSign = true;
        else if (*cursor == u' ' && signFlags) spec.spaceSign = true;
        else return cursor;
    }
}

// Digits (0 when there are none, INT_MAX at most) or, in the runtime, '*' for
// an int argument.
const WCHAR* Formatter::ParseCount(const WCHAR* cursor, int& count)
{
    if (*cursor == u'*' && dialect_ == FormatDialect::Runtime) {
        count = va_arg(args_, int);
        return cursor + 1;
    }
    count = 0;
    for (int digit; (digit = DigitValue(*cursor, 10)) >= 0; ++cursor) {
        count = count > (INT_MAX - digit) / 10 ? INT_MAX : count * 10 + digit;
    }
    return cursor;
}

bool Formatter::Convert(const Conversion& spec)
{
    switch (spec.type) {
    case u'd':
    case u'i': PutSigned(spec); return true;
    case u'u': PutUnsigned(spec, 10); return true;
    case u'x':
    case u'X': PutUnsigned(spec, 16); return true;
    case u'c': PutCharacter(spec, spec.size == SizePrefix::Short); return true;
    case u'C': PutCharacter(spec, spec.size != SizePrefix::Long); return true;
    case u's': PutString(spec, spec.size == SizePrefix::Short); return true;
    case u'S': PutString(spec, spec.size != SizePrefix::Long); return true;
    default: break;
    }
    if (kUnsupportedTypes.find(spec.type) != std::u16string_view::npos) return false;
    // As in the platform's runtime, a character that names no conversion is
    // written as it is and the flags and width before it are dropped: "%%"
    // gives "%", "%5y" gives "y".
    output_.Put(spec.type);
    return true;
}

// The platform's runtime pads text with zeros too when the '0' flag is given.
template <typename View>
void Formatter::PutText(const Conversion& spec, View text)
{
    PutPadded(spec, spec.zeroPad ? u'0' : u' ', text.size(), [&] { output_.PutText(text); });
}

template <typename Body>
void Formatter::PutPadded(const Conversion& spec, WCHAR pad, size_t length, Body body)
{
    size_t padding = Padding(spec.width, length);
    if (!spec.leftAlign) output_.PutRepeated(pad, padding);
    body();
    if (spec.leftAlign) output_.PutRepeated(u' ', padding);
}

void Formatter::PutSigned(const Conversion& spec)
{
    int value = va_arg(args_, int);
    if (spec.size == SizePrefix::Short) value = static_cast<short>(value);
    uint32_t magnitude = static_cast<uint32_t>(value);
    if (value < 0) magnitude = 0u - magnitude;
    std::u16string_view sign = value < 0 ? u"-" : spec.plusSign ? u"+" : spec.spaceSign ? u" " : u"";
    PutNumber(spec, magnitude, sign, 10);
}

// A negative int prints as its 32-bit two's complement.
void Formatter::PutUnsigned(const Conversion& spec, unsigned base)
{
    uint32_t value = va_arg(args_, unsigned int);
    if (spec.size == SizePrefix::Short) value = static_cast<uint16_t>(value);
    std::u16string_view prefix;
    if (spec.alternate && base == 16 && value != 0) prefix = spec.type == u'X' ? u"0X" : u"0x";
    PutNumber(spec, value, prefix, base);
}

// C's rules: the precision is the least number of digits (none for a zero of
// precision 0) and, when given, turns the '0' flag off; zeros from that flag
// go between the sign or prefix and the digits.
void Formatter::PutNumber(const Conversion& spec, uint32_t magnitude, std::u16string_view prefix, unsigned base)
{
    std::u16string_view digitSet = spec.type == u'X' ? u"0123456789ABCDEF" : u"0123456789abcdef";
    WCHAR digits[32];
    size_t count = 0;
    for (; magnitude != 0; magnitude /= base) digits[count++] = digitSet[magnitude % base];

    int leastDigits = spec.precision < 0 ? 1 : spec.precision;
    if (leastDigits == 0 && dialect_ == FormatDialect::WindowsUser) leastDigits = 1;
    size_t zeros = Padding(leastDigits, count);
    size_t length = prefix.size() + zeros + count;
    if (spec.zeroPad && !spec.leftAlign && spec.precision < 0) {
        zeros += Padding(spec.width, length);
        length = std::max(length, size_t(spec.width));
    }
    PutPadded(spec, u' ', length, [&] {
        output_.PutText(prefix);
        output_.PutRepeated(u'0', zeros);
        while (count > 0) output_.Put(digits[--count]);
    });
}

void Formatter::PutCharacter(const Conversion& spec, bool narrow)
{
    int value = va_arg(args_, int);
    WCHAR c = narrow ? static_cast<unsigned char>(value) : static_cast<WCHAR>(value);
    PutText(spec, std::u16string_view(&c, 1));
}

// A null string prints "(null)".
void Formatter::PutString(const Conversion& spec, bool narrow)
{
    if (narrow) {
        const char* text = va_arg(args_, const char*);
        if (text) return PutText(spec, std::string_view(text, LengthUpTo(text, spec.precision)));
    } else {
        const WCHAR* text = va_arg(args_, const WCHAR*);
        if (text) return PutText(spec, std::u16string_view(text, LengthUpTo(text, spec.precision)));
    }
    PutText(spec, kNullText.substr(0, spec.precision < 0 ? kNullText.size() : size_t(spec.precision)));
}

}  // namespace platform::crt

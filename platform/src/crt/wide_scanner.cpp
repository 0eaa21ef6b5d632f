#include "wide_scanner.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "char_class.h"
#include "unsupported.h"

namespace platform::crt {

namespace {

// Conversions and size prefixes of the platform's runtime that this one lacks;
// %s among them, as it has no bound on what it stores.
constexpr std::u16string_view kUnsupportedTypes = u"sS[CioupnaAeEfgGhlLIw";

constexpr size_t kNoLimit = SIZE_MAX;

}  // namespace

WideScanner::WideScanner(const WCHAR* input, va_list args) : input_(input) { va_copy(args_, args); }

WideScanner::~WideScanner() { va_end(args_); }

// White space in the format matches any amount of white space, none included;
// other characters match themselves, so "%X=%X" does not read "5 = 6".
int WideScanner::Scan(const WCHAR* format)
{
    for (const WCHAR* cursor = format; *cursor;) {
        if (IsWideSpace(*cursor)) {
            while (IsWideSpace(*cursor)) ++cursor;
            SkipSpace();
            continue;
        }
        Step step;
        if (*cursor != u'%') {
            step = MatchLiteral(*cursor++);
        } else {
            ++cursor;
            size_t width = 0;
            for (int digit; (digit = DigitValue(*cursor, 10)) >= 0; ++cursor) {
                width = std::min(width * 10 + digit, kNoLimit / 16);
            }
            if (!*cursor) break;
            step = Convert(*cursor, width);
            if (step == Step::Unsupported) ReportUnsupportedConversion("swscanf", *cursor, format);
            ++cursor;
        }
        if (step == Step::EndOfInput && stored_ == 0) return EOF;
        if (step != Step::Done) break;
    }
    return stored_;
}

// Integers take an optional sign; %X and %x also an optional 0x or 0X. A value
// beyond 32 bits keeps its low 32 bits (C leaves overflow undefined).
WideScanner::Step WideScanner::Convert(WCHAR type, size_t width)
{
    uint32_t value = 0;
    Step step = Step::Done;
    switch (type) {
    case u'X':
    case u'x':
        step = ReadInteger(16, width, value);
        if (step == Step::Done) *va_arg(args_, unsigned int*) = value;
        break;
    case u'd':
        step = ReadInteger(10, width, value);
        if (step == Step::Done) *va_arg(args_, int*) = static_cast<int>(value);
        break;
    case u'c': return ReadCharacters(width > 0 ? width : 1);
    default:
        if (kUnsupportedTypes.find(type) != std::u16string_view::npos) return Step::Unsupported;
        // "%%", and a character that names no conversion, match that character.
        return MatchLiteral(type);
    }
    if (step == Step::Done) ++stored_;
    return step;
}

WideScanner::Step WideScanner::MatchLiteral(WCHAR c)
{
    if (!*input_) return Step::EndOfInput;
    if (*input_ != c) return Step::Mismatch;
    ++input_;
    return Step::Done;
}

// Reads at most WIDTH code units (no limit when 0) after skipping white space.
// A 0 before the x of a 0x prefix is a digit already: "0x" alone reads as 0.
WideScanner::Step WideScanner::ReadInteger(unsigned base, size_t width, uint32_t& value)
{
    SkipSpace();
    if (!*input_) return Step::EndOfInput;
    size_t limit = width > 0 ? width : kNoLimit;
    auto inWidth = [&](const WCHAR* at) { return size_t(at - input_) < limit; };
    const WCHAR* cursor = input_;
    bool negative = *cursor == u'-';
    if (*cursor == u'-' || *cursor == u'+') ++cursor;
    bool anyDigit = false;
    if (base == 16 && inWidth(cursor) && *cursor == u'0') {
        anyDigit = true;
        ++cursor;
        if (inWidth(cursor) && (*cursor == u'x' || *cursor == u'X')) ++cursor;
    }
    uint32_t magnitude = 0;
    for (int digit; inWidth(cursor) && (digit = DigitValue(*cursor, base)) >= 0; ++cursor) {
        magnitude = magnitude * base + digit;
        anyDigit = true;
    }
    if (!anyDigit) return Step::Mismatch;
    input_ = cursor;
    value = negative ? 0u - magnitude : magnitude;
    return Step::Done;
}

// Takes exactly COUNT code units, white space included; fewer before the end
// of the input store nothing.
WideScanner::Step WideScanner::ReadCharacters(size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (!input_[i]) return Step::EndOfInput;
    }
    std::char_traits<WCHAR>::copy(va_arg(args_, WCHAR*), input_, count);
    input_ += count;
    ++stored_;
    return Step::Done;
}

void WideScanner::SkipSpace()
{
    while (IsWideSpace(*input_)) ++input_;
}

}  // namespace platform::crt

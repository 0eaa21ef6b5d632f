#include <climits>
#include <functional>
#include <string>
#include <vector>

#include <device/text.h>
#include <windows.h>

#include "crt_test_support.h"
#include "fresh_device.h"

using CrtFormatTest = FreshDevice;

namespace {

constexpr WCHAR kCanary = 0xCCCC;

enum class Dialect { Both, RuntimeOnly, UserOnly };

using FormatCall = std::function<int(WCHAR* buffer, size_t count)>;

struct FormatCase {
    std::u16string format;
    std::u16string expected;
    Dialect dialect;
    FormatCall runtime;  // _snwprintf with the case's arguments
    FormatCall user;     // wvnsprintfW with the same arguments
};

int CallUser(WCHAR* buffer, int count, const WCHAR* format, ...)
{
    va_list args;
    va_start(args, format);
    int written = wvnsprintfW(buffer, count, format, args);
    va_end(args);
    return written;
}

template <typename... Args>
FormatCase Case(std::u16string expected, const WCHAR* format, Args... args)
{
    return {format, std::move(expected), Dialect::Both,
            [=](WCHAR* buffer, size_t count) { return _snwprintf(buffer, count, format, args...); },
            [=](WCHAR* buffer, size_t count) { return CallUser(buffer, static_cast<int>(count), format, args...); }};
}

template <typename... Args>
FormatCase Only(Dialect dialect, std::u16string expected, const WCHAR* format, Args... args)
{
    FormatCase c = Case(std::move(expected), format, args...);
    c.dialect = dialect;
    return c;
}

const WCHAR* const kNullWide = nullptr;
const char* const kNullNarrow = nullptr;

const std::vector<FormatCase> kCases = {
    // Strings and characters.
    Case(u"Tahoma", u"%s", u"Tahoma"),
    Case(u"(null)", u"%s", kNullWide),
    Case(u"(nu", u"%.3s", kNullWide),
    Case(u"abc\u00E4", u"%S", "abc\xE4"),
    Case(u"(null)", u"%S", kNullNarrow),
    Case(u"wide narrow", u"%ls %hs", u"wide", "narrow"),
    Case(u"\u0416", u"%c", static_cast<int>(u'\u0416')),
    Case(u"\u00E4", u"%C", 0x1E4),
    Case(std::u16string(u"a\0b", 3), u"a%cb", 0),
    Case(u"[    ab][ab    ][ab][0000ab]", u"[%6s][%-6s][%.2s][%06s]", u"ab", u"ab", u"abcdef", u"ab"),
    // Integers.
    Case(u"42 -42 -7", u"%d %d %i", 42, -42, -7),
    Case(u"-2147483648 2147483647", u"%d %d", INT_MIN, INT_MAX),
    Case(u"3000000000 4294967295", u"%u %u", 3000000000u, -1),
    Case(u"1F600 abc FFFFFFFF", u"%X %x %X", 0x1F600, 0xABC, -1),
    Case(u"-5 4000000000 DEADBEEF", u"%ld %lu %lX", -5, 4000000000u, 0xDEADBEEF),
    Case(u"-32768 2345", u"%hd %hX", 0x18000, 0x12345),
    Case(u"0041 12345 42112D3E 05", u"%04X %04X %08X %02X", 0x41, 0x12345, 0x42112D3E, 5),
    Case(u"05 123 -05", u"%0.2d %0.2d %0.2d", 5, 123, -5),
    Case(u"0419 0019 0", u"%04.4X %0.4X %X", 0x419, 0x19, 0),
    Case(u"[   42][42   ][-0042][42   ]", u"[%5d][%-5d][%05d][%-05d]", 42, 42, -42, 42),
    Case(u"[     005][     005]", u"[%8.3d][%08.3d]", 5, 5),
    Case(u"0xff 0XFF 0 0x00ff", u"%#x %#X %#x %#06x", 255, 255, 0, 255),
    Only(Dialect::RuntimeOnly, u"+5 -5  5", u"%+d %+d % d", 5, -5, 5),
    Only(Dialect::RuntimeOnly, u"[   7][7   ][007]", u"[%*d][%*d][%.*d]", 4, 7, -4, 7, 3, 7),
    Only(Dialect::RuntimeOnly, u"[]", u"[%.0d]", 0),
    Only(Dialect::UserOnly, u"[0]", u"[%.0d]", 0),
    Only(Dialect::UserOnly, u"+d", u"%+d", 5),
    // Characters that name no conversion are written as they are.
    Case(u"100% y q", u"100%% %5y %-q"),
    Case(u"100", u"100%"),
    // Formats the product uses.
    Case(u"{42112D3E-CDA6-4AAB-931E-CE2104F07C21}", u"{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
         0x42112D3E, 0xCDA6, 0x4AAB, 0x93, 0x1E, 0xCE, 0x21, 0x04, 0xF0, 0x7C, 0x21),
    Case(u"a (U0061), \\ (U005C) -> \u00E0 (U00E0)", u"%c (U%04X), %c (U%04X) -> %c (U%04X)", 'a', 0x61, '\\',
         0x5C, 0xE0, 0xE0),
    Case(u"61 5C=E0;0 61=430;", u"%X %X=%X;0 %X=%X;", 0x61, 0x5C, 0xE0, 0x61, 0x430),
    Case(u"Launch07 Depend51", u"Launch%0.2d Depend%0.2d", 7, 51),
    Case(u"\\Windows\\*.0419.MUI shell32.exe.0419.mui", u"\\Windows\\*.%0.4X.MUI shell32.exe.%04.4X.mui", 1049,
         1049),
    Case(u"Cannot open '\\Windows\\x.mui' file.", u"Cannot open '%s' file.", u"\\Windows\\x.mui"),
    Case(u"\\Windows\\setup.bin", u"\\Windows\\%S", "setup.bin"),
};

std::vector<std::pair<const char*, FormatCall>> CallsOf(const FormatCase& c)
{
    std::vector<std::pair<const char*, FormatCall>> calls;
    if (c.dialect != Dialect::UserOnly) calls.emplace_back("_snwprintf", c.runtime);
    if (c.dialect != Dialect::RuntimeOnly) calls.emplace_back("wvnsprintfW", c.user);
    return calls;
}

}  // namespace

TEST_F(CrtFormatTest, EveryFormatGivesTheRuntimesTextAndLength)
{
    for (const FormatCase& c : kCases) {
        for (const auto& [function, call] : CallsOf(c)) {
            std::vector<WCHAR> buffer(c.expected.size() + 8, kCanary);
            int written = call(buffer.data(), buffer.size());
            std::string what = std::string(function) + " \"" + device::Utf8(c.format) + "\"";
            ASSERT_EQ(written, static_cast<int>(c.expected.size())) << what;
            EXPECT_EQ(std::u16string(buffer.data(), written), c.expected) << what;
            EXPECT_EQ(buffer[written], 0) << what << " must be terminated";
        }
    }
}

// A result that does not fit with its terminator returns -1 and leaves as much
// as fits, terminated; the code unit just past COUNT is never written.
TEST_F(CrtFormatTest, TruncationAtEveryBoundaryStaysInsideTheBufferAndTerminates)
{
    for (const FormatCase& c : kCases) {
        size_t length = c.expected.size();
        for (size_t count : {size_t{0}, size_t{1}, length, length + 1}) {
            for (const auto& [function, call] : CallsOf(c)) {
                std::vector<WCHAR> buffer(length + 2, kCanary);
                int written = call(buffer.data(), count);
                std::string what = std::string(function) + " \"" + device::Utf8(c.format) + "\" count " +
                                   std::to_string(count);
                EXPECT_EQ(buffer[count], kCanary) << what << " wrote past the buffer";
                if (count == 0) {
                    EXPECT_EQ(written, -1) << what;
                    continue;
                }
                size_t kept = std::min(length, count - 1);
                EXPECT_EQ(written, count > length ? static_cast<int>(length) : -1) << what;
                EXPECT_EQ(std::u16string(buffer.data(), kept), c.expected.substr(0, kept)) << what;
                EXPECT_EQ(buffer[kept], 0) << what << " must be terminated";
            }
        }
    }
}

TEST_F(CrtFormatTest, HugeWidthsAndPrecisionsEndAtTheBufferWithoutHanging)
{
    auto expectCut = [](const char* what, auto call) {
        WCHAR buffer[9];
        buffer[8] = kCanary;
        EXPECT_EQ(call(buffer), -1) << what;
        EXPECT_EQ(buffer[7], 0) << what;
        EXPECT_EQ(buffer[8], kCanary) << what;
    };
    expectCut("width", [](WCHAR* b) { return _snwprintf(b, 8, u"%2000000000d", 1); });
    expectCut("precision", [](WCHAR* b) { return _snwprintf(b, 8, u"%.2000000000X", 1); });
    expectCut("left-aligned", [](WCHAR* b) { return _snwprintf(b, 8, u"%-2000000000c", 'x'); });
    expectCut("width beyond int", [](WCHAR* b) { return _snwprintf(b, 8, u"%99999999999999999999s", u"x"); });
}

TEST_F(CrtFormatTest, ArrayFormsTakeTheirBoundFromTheArray)
{
    struct {
        WCHAR text[8];
        WCHAR canary = kCanary;
    } guarded;
    EXPECT_EQ(wsprintfW(guarded.text, u"%s", u"0123456789"), -1);
    EXPECT_EQ(std::u16string(guarded.text), u"0123456");
    EXPECT_EQ(swprintf(guarded.text, u"%d", 1234567), 7);
    EXPECT_EQ(std::u16string(guarded.text), u"1234567");
    EXPECT_EQ(swprintf(guarded.text, u"%d", 12345678), -1);
    EXPECT_EQ(swprintf(guarded.text, 8, u"%s", u"12345678"), -1);
    EXPECT_EQ(guarded.canary, kCanary);
}

TEST_F(CrtFormatTest, MissingBufferOrFormatFailsWithoutWriting)
{
    WCHAR buffer[4] = {u'x', u'x', u'x', u'x'};
    EXPECT_EQ(_snwprintf(nullptr, 4, u"abc"), -1);
    EXPECT_EQ(_snwprintf(buffer, 4, nullptr), -1);
    EXPECT_EQ(buffer[0], 0) << "a failed call leaves an empty text";
    EXPECT_EQ(CallUser(buffer, -1, u"abc"), -1);
}

TEST_F(CrtFormatTest, ConversionsThisRuntimeLacksFailAndAreReported)
{
    WCHAR buffer[16];
    EXPECT_EQ(_snwprintf(buffer, 16, u"x=%f!", 1.5), -1);
    EXPECT_EQ(std::u16string(buffer), u"x=");
    EXPECT_EQ(TakeFaultsMentioning("%f").size(), 1u);
}

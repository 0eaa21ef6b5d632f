#include "message_sequence.h"

#include <cstdio>

#include <device/text.h>

namespace {

std::string Hex(unsigned long long value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", value);
    return text;
}

std::string WindowText(HWND window) { return Hex(reinterpret_cast<ULONG_PTR>(window)); }

}  // namespace

bool MessageRules::Optional(const ExpectedMessage& expected) const { return expected.checks & kOptional; }

bool MessageRules::Matches(const ExpectedMessage& expected, const device::MessageRecord& actual) const
{
    return expected.message == actual.message && (!(expected.checks & kWParam) || expected.wParam == actual.wParam) &&
           (!(expected.checks & kLParam) || expected.lParam == actual.lParam) &&
           (!expected.window || expected.window == actual.window);
}

std::string MessageRules::Describe(const ExpectedMessage& expected) const
{
    std::string text = device::MessageName(expected.message);
    if (expected.checks & kWParam) text += " w=" + Hex(expected.wParam);
    if (expected.checks & kLParam) text += " l=" + Hex(static_cast<ULONG_PTR>(expected.lParam));
    if (expected.window) text += " to " + WindowText(expected.window);
    if (expected.checks & kOptional) text += " (optional)";
    return text;
}

std::string MessageRules::Describe(const device::MessageRecord& actual) const
{
    return device::MessageName(actual.message) + " w=" + Hex(actual.wParam) +
           " l=" + Hex(static_cast<ULONG_PTR>(actual.lParam)) + " to " + WindowText(actual.window) + " (" +
           device::Utf8(actual.className) + ")";
}

::testing::AssertionResult MessageLogMatches(const std::string& name, std::span<const ExpectedMessage> expected)
{
    std::vector<device::MessageRecord> actual = device::MessageLog();
    device::ClearMessageLog();
    return CompareSequence(name, expected, std::span<const device::MessageRecord>(actual), MessageRules{});
}

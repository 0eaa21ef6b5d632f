#include "callback_sequence.h"

bool CallbackRules::Matches(const ExpectedCallback& expected, const device::CallbackRecord& actual) const
{
    return expected.line == device::DescribeCallback(actual);
}

std::string CallbackRules::Describe(const ExpectedCallback& expected) const
{
    return expected.optional ? expected.line + " (optional)" : expected.line;
}

::testing::AssertionResult CallbackLogMatches(const std::string& name, std::span<const ExpectedCallback> expected)
{
    std::vector<device::CallbackRecord> actual = device::CallbackLog();
    device::ClearCallbackLog();
    return CompareSequence(name, expected, std::span<const device::CallbackRecord>(actual), CallbackRules{});
}

// Expected IIMCallback traffic as a named table of lines in the callback
// log's text form ("SendCharEvents(0x00, 0x80, 1, \"a\")"), compared with the
// device's callback log.
#pragma once

#include <span>
#include <string>

#include <device/sip.h>

#include "sequence_comparison.h"

struct ExpectedCallback {
    std::string line;
    bool optional = false;  // the call may be missing
};

struct CallbackRules {
    bool Optional(const ExpectedCallback& expected) const { return expected.optional; }
    bool Matches(const ExpectedCallback& expected, const device::CallbackRecord& actual) const;
    std::string Describe(const ExpectedCallback& expected) const;
    std::string Describe(const device::CallbackRecord& actual) const { return device::DescribeCallback(actual); }
};

// Compares the log with the table, then clears the log, so that each step of a
// test checks only its own calls.
::testing::AssertionResult CallbackLogMatches(const std::string& name, std::span<const ExpectedCallback> expected);

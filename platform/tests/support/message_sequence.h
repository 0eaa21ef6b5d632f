// Expected window traffic as a named table, compared with the device's message
// log. A row names the message and, only where its checks ask, wParam, lParam
// or the window that must receive it.
#pragma once

#include <span>
#include <string>

#include <device/message_log.h>

#include "sequence_comparison.h"

enum MessageCheck : unsigned {
    kMessageOnly = 0,
    kWParam = 1u << 0,    // wParam must be equal
    kLParam = 1u << 1,    // lParam must be equal
    kOptional = 1u << 2,  // the message may be missing
};

struct ExpectedMessage {
    UINT message;
    unsigned checks = kMessageOnly;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    HWND window = nullptr;  // when set, the message must go to this window
};

struct MessageRules {
    bool Optional(const ExpectedMessage& expected) const;
    bool Matches(const ExpectedMessage& expected, const device::MessageRecord& actual) const;
    std::string Describe(const ExpectedMessage& expected) const;
    std::string Describe(const device::MessageRecord& actual) const;
};

// Compares the log with the table, then clears the log, so that each step of a
// test checks only its own traffic.
::testing::AssertionResult MessageLogMatches(const std::string& name, std::span<const ExpectedMessage> expected);

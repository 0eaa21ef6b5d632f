// A table of expected text rows checked against the rows recorded. They must
// match one for one, except that an optional row (written with a leading "?")
// is passed over when the recorded row differs. On a mismatch the two columns
// are printed side by side with the first differing row marked.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

struct ExpectedRow {
    std::string text;
    bool optional;
};

// "? SendVirtualKey(0x10, 0x0)" is optional; the "?" and the space after it
// are not part of the row.
ExpectedRow ReadExpectedRow(std::string_view source);

// Nothing when the rows match; else the side-by-side table.
std::optional<std::string> CompareRows(std::span<const ExpectedRow> expected, std::span<const std::string> found);

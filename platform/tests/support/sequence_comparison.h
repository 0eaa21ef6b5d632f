// Compares a recorded sequence with an expected table, the way message tests
// compare window traffic: an expected row may be optional (passed over when the
// recorded row does not match it), and on a mismatch both sequences are printed
// side by side with the first differing row marked.
//
// Rules tells rows apart for one pair of row types:
//   bool Optional(const Expected&);
//   bool Matches(const Expected&, const Actual&);
//   std::string Describe(const Expected&);
//   std::string Describe(const Actual&);
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

struct AlignedRow {
    std::string expected;  // empty where the expected table has no row here
    std::string actual;    // empty where nothing was recorded here
};

// The rows side by side under the sequence's name, row firstDifference marked.
std::string SideBySide(const std::string& name, const std::vector<AlignedRow>& rows, size_t firstDifference);

template <typename Rules, typename Expected, typename Actual>
::testing::AssertionResult CompareSequence(const std::string& name, std::span<const Expected> expected,
                                           std::span<const Actual> actual, const Rules& rules)
{
    std::vector<AlignedRow> rows;
    std::optional<size_t> firstDifference;
    size_t e = 0;
    size_t a = 0;
    while (e < expected.size() || a < actual.size()) {
        bool bothLeft = e < expected.size() && a < actual.size();
        if (!firstDifference && bothLeft && rules.Matches(expected[e], actual[a])) {
            rows.push_back({rules.Describe(expected[e++]), rules.Describe(actual[a++])});
        } else if (!firstDifference && e < expected.size() && rules.Optional(expected[e])) {
            rows.push_back({rules.Describe(expected[e++]), ""});
        } else {
            if (!firstDifference) firstDifference = rows.size();
            rows.push_back({e < expected.size() ? rules.Describe(expected[e++]) : "",
                            a < actual.size() ? rules.Describe(actual[a++]) : ""});
        }
    }
    if (!firstDifference) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << SideBySide(name, rows, *firstDifference);
}

// Lines a recorded sequence up against an expected table, the way message
// tests compare window traffic: an expected row may be optional (passed over
// when the recorded row does not match it); from the first difference on, the
// two sides are only set beside each other. Tests and pocketsim print the rows.
//
// Rules tells rows apart for one pair of row types:
//   bool Optional(const Expected&);
//   bool Matches(const Expected&, const Actual&);
//   std::string Describe(const Expected&);
//   std::string Describe(const Actual&);
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace device {

struct AlignedRow {
    std::string expected;  // empty where the expected table has no row here
    std::string actual;    // empty where nothing was recorded here
};

struct Alignment {
    std::vector<AlignedRow> rows;
    std::optional<size_t> firstDifference;  // none when the sequence matches
};

template <typename Rules, typename Expected, typename Actual>
Alignment AlignSequences(std::span<const Expected> expected, std::span<const Actual> actual, const Rules& rules)
{
    Alignment alignment;
    std::vector<AlignedRow>& rows = alignment.rows;
    std::optional<size_t>& firstDifference = alignment.firstDifference;
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
    return alignment;
}

}  // namespace device

// Compares a recorded sequence with an expected table (device/sequence_alignment.h
// says how rows are matched); on a mismatch both sequences are printed side by
// side with the first differing row marked.
#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include <device/sequence_alignment.h>

using device::AlignedRow;

// The rows side by side under the sequence's name, row firstDifference marked.
std::string SideBySide(const std::string& name, const std::vector<AlignedRow>& rows, size_t firstDifference);

template <typename Rules, typename Expected, typename Actual>
::testing::AssertionResult CompareSequence(const std::string& name, std::span<const Expected> expected,
                                           std::span<const Actual> actual, const Rules& rules)
{
    device::Alignment alignment = device::AlignSequences(expected, actual, rules);
    if (!alignment.firstDifference) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << SideBySide(name, alignment.rows, *alignment.firstDifference);
}

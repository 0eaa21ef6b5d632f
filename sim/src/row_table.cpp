#include "row_table.h"

#include <algorithm>
#include <vector>

#include <device/sequence_alignment.h>

namespace {

std::string Padded(const std::string& text, size_t width) { return text + std::string(width - text.size(), ' '); }

std::string SideBySide(const std::vector<device::AlignedRow>& rows, size_t firstDifference)
{
    size_t width = std::string_view("expected").size();
    for (const device::AlignedRow& row : rows) width = std::max(width, row.expected.size());
    std::string out = "differ from row " + std::to_string(firstDifference + 1) + " on:\n";
    out += "       " + Padded("expected", width) + " | found\n";
    for (size_t i = 0; i < rows.size(); ++i) {
        std::string number = std::to_string(i + 1);
        out += (i == firstDifference ? "> " : "  ") + std::string(4 - std::min<size_t>(4, number.size()), ' ') +
               number + " " + Padded(rows[i].expected, width) + " | " + rows[i].actual + "\n";
    }
    return out;
}

struct TextRules {
    bool Optional(const ExpectedRow& expected) const { return expected.optional; }
    bool Matches(const ExpectedRow& expected, const std::string& found) const { return expected.text == found; }
    std::string Describe(const ExpectedRow& expected) const { return (expected.optional ? "? " : "") + expected.text; }
    std::string Describe(const std::string& found) const { return found; }
};

}  // namespace

ExpectedRow ReadExpectedRow(std::string_view source)
{
    if (!source.starts_with('?')) return {std::string(source), false};
    source.remove_prefix(1);
    source.remove_prefix(std::min(source.size(), source.find_first_not_of(' ')));
    return {std::string(source), true};
}

std::optional<std::string> CompareRows(std::span<const ExpectedRow> expected, std::span<const std::string> found)
{
    device::Alignment alignment = device::AlignSequences(expected, found, TextRules());
    if (!alignment.firstDifference) return std::nullopt;
    return SideBySide(alignment.rows, *alignment.firstDifference);
}

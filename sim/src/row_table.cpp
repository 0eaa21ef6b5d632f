#include "row_table.h"

#include <algorithm>
#include <vector>

namespace {

struct PairedRow {
    std::string expected;  // empty where the table has no row here
    std::string found;     // empty where nothing was recorded here
};

std::string Padded(const std::string& text, size_t width) { return text + std::string(width - text.size(), ' '); }

std::string SideBySide(const std::vector<PairedRow>& rows, size_t firstDifference)
{
    size_t width = std::string_view("expected").size();
    for (const PairedRow& row : rows) width = std::max(width, row.expected.size());
    std::string out = "differ from row " + std::to_string(firstDifference + 1) + " on:\n";
    out += "       " + Padded("expected", width) + " | found\n";
    for (size_t i = 0; i < rows.size(); ++i) {
        std::string number = std::to_string(i + 1);
        out += (i == firstDifference ? "> " : "  ") + std::string(4 - std::min<size_t>(4, number.size()), ' ') +
               number + " " + Padded(rows[i].expected, width) + " | " + rows[i].found + "\n";
    }
    return out;
}

std::string Shown(const ExpectedRow& row) { return (row.optional ? "? " : "") + row.text; }

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
    std::vector<PairedRow> rows;
    std::optional<size_t> firstDifference;
    size_t e = 0;
    size_t f = 0;
    while (e < expected.size() || f < found.size()) {
        bool bothLeft = e < expected.size() && f < found.size();
        if (!firstDifference && bothLeft && expected[e].text == found[f]) {
            rows.push_back({Shown(expected[e++]), found[f++]});
        } else if (!firstDifference && e < expected.size() && expected[e].optional) {
            rows.push_back({Shown(expected[e++]), ""});
        } else {
            if (!firstDifference) firstDifference = rows.size();
            rows.push_back({e < expected.size() ? Shown(expected[e++]) : "", f < found.size() ? found[f++] : ""});
        }
    }
    if (!firstDifference) return std::nullopt;
    return SideBySide(rows, *firstDifference);
}

#include "sequence_comparison.h"

#include <algorithm>
#include <sstream>

std::string SideBySide(const std::string& name, const std::vector<AlignedRow>& rows, size_t firstDifference)
{
    size_t width = std::string("expected").size();
    for (const AlignedRow& row : rows) width = std::max(width, row.expected.size());

    std::ostringstream out;
    out << "sequence \"" << name << "\" differs from row " << firstDifference << " on:\n";
    out << "      " << std::string("expected").append(width - 8, ' ') << " | actual\n";
    for (size_t i = 0; i < rows.size(); ++i) {
        out << (i == firstDifference ? "> " : "  ");
        std::string number = std::to_string(i);
        out << std::string(3 - std::min<size_t>(3, number.size()), ' ') << number << ' ';
        out << rows[i].expected << std::string(width - rows[i].expected.size(), ' ') << " | " << rows[i].actual << '\n';
    }
    return out.str();
}

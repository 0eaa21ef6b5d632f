#include "callback_listing.h"

#include <algorithm>
#include <vector>

#include <device/sip.h>

#include "callback_flags.h"
#include "dropped_note.h"

std::string ListCallbacks(size_t newest)
{
    const std::vector<device::CallbackRecord>& records = device::CallbackLog();
    size_t first = records.size() - std::min(newest, records.size());
    std::vector<std::string> lines;
    for (size_t i = first; i < records.size(); ++i) lines.push_back(device::DescribeCallback(records[i]));
    size_t width = 0;
    for (const std::string& line : lines) width = std::max(width, line.size());
    std::string text = DroppedNote(device::CallbackLogDropped(), "calls");
    if (first > 0) text += "(" + std::to_string(first) + " older calls left out)\n";
    if (lines.empty()) text += "no calls";
    for (size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (records[first + i].call != device::CallbackRecord::Call::SendString)
            text += std::string(width - lines[i].size() + 2, ' ') + "# " + FlagNames(records[first + i]);
        text += "\n";
    }
    return text;
}

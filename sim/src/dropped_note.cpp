#include "dropped_note.h"

#include <device/bounded_log.h>

std::string DroppedNote(size_t dropped, const std::string& entries)
{
    if (dropped == 0) return "";
    return "(" + std::to_string(dropped) + " older " + entries + " dropped: the log keeps the newest " +
           std::to_string(device::kRecorderLimit) + ")\n";
}

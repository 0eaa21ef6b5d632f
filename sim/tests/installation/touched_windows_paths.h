// The entries of \Windows a flow named in its file calls, taken from the
// device's file call log: each once, whatever its spelling, with the kind
// of entry the flow used it as.
#pragma once

#include <map>
#include <string>

#include <device/file_calls.h>

#include "windows_file_fault.h"

struct NoCase {
    bool operator()(const std::u16string& a, const std::u16string& b) const;
};

using TouchedPaths = std::map<std::u16string, EntryKind, NoCase>;

// Every path below \Windows the calls named (a search's pattern gives its
// folder), \Windows itself left out: it holds the ROM and is never made or
// removed.
TouchedPaths TouchedWindowsPaths(const std::vector<device::FileCall>& calls);

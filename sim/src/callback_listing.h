// The calls input methods made on the input panel as "events print" lists
// them: one a line, the flags' names aligned beside them.
#pragma once

#include <cstddef>
#include <limits>
#include <string>

// The newest NEWEST calls (all by default), after a note of those the device
// dropped and those left out here; "no calls" when there are none.
std::string ListCallbacks(size_t newest = std::numeric_limits<size_t>::max());

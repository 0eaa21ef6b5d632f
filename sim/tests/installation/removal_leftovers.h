// What a removal of the package leaves on purpose, nothing lost by it: the
// input methods' own settings under the product key, the input panel's
// spelling of its input method, and the system's "TarvexLCID", which holds
// the locale put back.
#pragma once

#include <string>

// LINE is a change "device diff-since" describes.
bool LegitimatelyLeft(const std::string& line);

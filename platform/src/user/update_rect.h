// Geometry of a window's update rectangle. It is kept as the bounding
// rectangle of everything invalidated, so it may cover more than was asked;
// validating takes away only what leaves a rectangle behind.
#pragma once

#include <windef.h>

namespace platform::user {

bool IsEmptyRect(const RECT& rect);

// The smallest rectangle holding both; an empty one adds nothing.
RECT BoundingRect(const RECT& a, const RECT& b);

// What lies in both; {} when nothing does.
RECT CommonRect(const RECT& a, const RECT& b);

// UPDATE less VALIDATED, as a rectangle still covering all that remains:
// empty when VALIDATED covers it, trimmed when VALIDATED covers a whole
// side's band, else UPDATE unchanged.
RECT RemainingRect(const RECT& update, const RECT& validated);

}  // namespace platform::user

// The part of the screen that applications get: below the navigation bar and
// above the menu bar.
#pragma once

#include <windef.h>

namespace platform::user {

RECT WorkArea();

}  // namespace platform::user

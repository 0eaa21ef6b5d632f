// A child window draws into its top-level window's surface, so whatever it
// leaves stays there until the parent paints it over.
#pragma once

#include "user/window.h"

namespace platform::user {

// Invalidates, with erasing, the part of a shown child's parent that the
// child covers now. Called before the child hides, goes or moves away.
void ExposeParentUnder(const Window& child);

}  // namespace platform::user

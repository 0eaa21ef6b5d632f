#include "user/exposure.h"

#include "user/user_state.h"
#include "user/window_tree.h"

namespace platform::user {

void ExposeParentUnder(const Window& child)
{
    if (!child.parent || !IsShownWithAncestors(child)) return;
    InvalidateRect(child.parent, &child.rect, TRUE);
}

}  // namespace platform::user

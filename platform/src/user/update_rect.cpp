#include "user/update_rect.h"

#include <algorithm>

namespace platform::user {

bool IsEmptyRect(const RECT& rect) { return rect.left >= rect.right || rect.top >= rect.bottom; }

RECT BoundingRect(const RECT& a, const RECT& b)
{
    if (IsEmptyRect(a)) return IsEmptyRect(b) ? RECT{} : b;
    if (IsEmptyRect(b)) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

RECT CommonRect(const RECT& a, const RECT& b)
{
    RECT common{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
    return IsEmptyRect(common) ? RECT{} : common;
}

RECT RemainingRect(const RECT& update, const RECT& validated)
{
    RECT common = CommonRect(update, validated);
    if (IsEmptyRect(common)) return update;
    bool fullWidth = common.left == update.left && common.right == update.right;
    bool fullHeight = common.top == update.top && common.bottom == update.bottom;
    if (fullWidth && fullHeight) return {};
    RECT remaining = update;
    if (fullWidth && common.top == update.top) remaining.top = common.bottom;
    else if (fullWidth && common.bottom == update.bottom) remaining.bottom = common.top;
    else if (fullHeight && common.left == update.left) remaining.left = common.right;
    else if (fullHeight && common.right == update.right) remaining.right = common.left;
    return remaining;
}

}  // namespace platform::user

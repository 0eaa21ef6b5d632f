#include "gdi/clip_region.h"

#include "user/update_rect.h"

namespace platform::gdi {

using user::CommonRect;
using user::IsEmptyRect;

namespace {

// Up to four bands of RECT around HOLE: above, below, then left and right
// of it in its own rows.
void AddPiecesOutside(const RECT& rect, const RECT& hole, std::vector<RECT>& pieces)
{
    RECT common = CommonRect(rect, hole);
    if (IsEmptyRect(common)) {
        pieces.push_back(rect);
        return;
    }
    const RECT candidates[] = {
        {rect.left, rect.top, rect.right, common.top},
        {rect.left, common.bottom, rect.right, rect.bottom},
        {rect.left, common.top, common.left, common.bottom},
        {common.right, common.top, rect.right, common.bottom},
    };
    for (const RECT& piece : candidates)
        if (!IsEmptyRect(piece)) pieces.push_back(piece);
}

}  // namespace

ClipRegion::ClipRegion(const RECT& rect)
{
    if (!IsEmptyRect(rect)) rects_.push_back(rect);
}

void ClipRegion::Intersect(const RECT& rect)
{
    std::vector<RECT> kept;
    for (const RECT& own : rects_)
        if (RECT common = CommonRect(own, rect); !IsEmptyRect(common)) kept.push_back(common);
    rects_.swap(kept);
}

void ClipRegion::Subtract(const RECT& rect)
{
    std::vector<RECT> kept;
    for (const RECT& own : rects_) AddPiecesOutside(own, rect, kept);
    rects_.swap(kept);
}

bool ClipRegion::Holds(int x, int y) const
{
    for (const RECT& rect : rects_)
        if (x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom) return true;
    return false;
}

}  // namespace platform::gdi

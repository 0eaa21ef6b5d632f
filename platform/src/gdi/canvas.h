// What a device context draws on for the length of one call: a surface, where
// the context's origin lies on it, and where drawing may reach.
#pragma once

#include <windef.h>

#include "gdi/bitmap.h"
#include "gdi/clip_region.h"

namespace platform::gdi {

struct Canvas {
    Bitmap* surface = nullptr;  // null: the context has nothing to draw on
    POINT origin{};             // the surface position of the context's (0, 0)
    ClipRegion clip;            // surface coordinates, never beyond the surface
};

// Calls VISIT(surfaceY, surfaceLeft, surfaceRight) for each run of a row of
// the context rectangle LOGICAL that the clip admits, right end exclusive.
template <typename Visit>
void ForEachSpan(const Canvas& canvas, const RECT& logical, Visit visit)
{
    RECT placed{logical.left + canvas.origin.x, logical.top + canvas.origin.y, logical.right + canvas.origin.x,
                logical.bottom + canvas.origin.y};
    for (const RECT& clip : canvas.clip.Rects()) {
        LONG left = placed.left > clip.left ? placed.left : clip.left;
        LONG right = placed.right < clip.right ? placed.right : clip.right;
        LONG top = placed.top > clip.top ? placed.top : clip.top;
        LONG bottom = placed.bottom < clip.bottom ? placed.bottom : clip.bottom;
        for (LONG y = top; left < right && y < bottom; ++y) visit(y, left, right);
    }
}

// CANVAS kept within the context rectangle LOGICAL as well.
Canvas ClippedTo(Canvas canvas, const RECT& logical);

// Paints the context rectangle LOGICAL in COLOUR, as the surface holds it.
void FillSolid(const Canvas& canvas, const RECT& logical, COLORREF colour);

}  // namespace platform::gdi

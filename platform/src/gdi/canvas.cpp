#include "gdi/canvas.h"

#include <algorithm>

#include "gdi/mono_colour.h"

namespace platform::gdi {

Canvas ClippedTo(Canvas canvas, const RECT& logical)
{
    canvas.clip.Intersect({logical.left + canvas.origin.x, logical.top + canvas.origin.y,
                           logical.right + canvas.origin.x, logical.bottom + canvas.origin.y});
    return canvas;
}

void FillSolid(const Canvas& canvas, const RECT& logical, COLORREF colour)
{
    if (!canvas.surface) return;
    COLORREF stored = OnSurface(*canvas.surface, colour);
    ForEachSpan(canvas, logical, [&](LONG y, LONG left, LONG right) {
        COLORREF* row = canvas.surface->Row(y);
        std::fill(row + left, row + right, stored);
    });
}

}  // namespace platform::gdi

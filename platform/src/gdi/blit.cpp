#include "gdi/blit.h"

#include <algorithm>
#include <functional>

#include "gdi/mono_colour.h"

namespace platform::gdi {

namespace {

constexpr DWORD kColourBits = 0x00FFFFFF;

using Conversion = std::function<COLORREF(COLORREF)>;

Conversion SourceConversion(const Bitmap& dest, const ContextColours& destColours, const BlitSource& source)
{
    bool monoSource = source.canvas.surface->IsMonochrome();
    if (monoSource && dest.IsMonochrome()) return [](COLORREF pixel) { return IsOneBit(pixel) ? kWhite : kBlack; };
    if (monoSource) {
        COLORREF zero = destColours.text & kColourBits, one = destColours.background & kColourBits;
        return [zero, one](COLORREF pixel) { return IsOneBit(pixel) ? one : zero; };
    }
    if (dest.IsMonochrome()) {
        COLORREF background = source.colours.background & kColourBits;
        return [background](COLORREF pixel) { return pixel == background ? kWhite : kBlack; };
    }
    return [](COLORREF pixel) { return pixel; };
}

bool IsPlainCopy(const Bitmap& dest, const BlitSource& source, RasterOperation operation)
{
    return operation.UsesSource() && !operation.UsesPattern() && !operation.UsesDestination() &&
           operation.Apply(0, kColourBits, 0) == kColourBits && !dest.IsMonochrome() &&
           !source.canvas.surface->IsMonochrome();
}

// Runs of row Y from LEFT to RIGHT (destination surface) whose source pixels,
// SHIFT away, lie in the source's canvas.
template <typename Visit>
void ForEachSourceRun(const BlitSource& source, POINT shift, LONG y, LONG left, LONG right, Visit visit)
{
    for (const RECT& clip : source.canvas.clip.Rects()) {
        LONG sourceY = y + shift.y;
        if (sourceY < clip.top || sourceY >= clip.bottom) continue;
        LONG from = std::max(left, clip.left - shift.x), to = std::min(right, clip.right - shift.x);
        if (from < to) visit(from, to, source.canvas.surface->Row(sourceY));
    }
}

void BlitWithSource(const Canvas& dest, const ContextColours& destColours, const RECT& rect, const BlitSource& source,
                    COLORREF pattern, RasterOperation operation)
{
    POINT shift{source.canvas.origin.x + source.at.x - rect.left - dest.origin.x,
                source.canvas.origin.y + source.at.y - rect.top - dest.origin.y};
    Conversion convert = SourceConversion(*dest.surface, destColours, source);
    bool plainCopy = IsPlainCopy(*dest.surface, source, operation);
    ForEachSpan(dest, rect, [&](LONG y, LONG left, LONG right) {
        COLORREF* row = dest.surface->Row(y);
        ForEachSourceRun(source, shift, y, left, right, [&](LONG from, LONG to, const COLORREF* sourceRow) {
            if (plainCopy) {
                std::copy(sourceRow + from + shift.x, sourceRow + to + shift.x, row + from);
                return;
            }
            for (LONG x = from; x < to; ++x)
                row[x] = operation.Apply(pattern, convert(sourceRow[x + shift.x]), row[x]);
        });
    });
}

}  // namespace

void Blit(const Canvas& dest, const ContextColours& destColours, const RECT& rect, const BlitSource* source,
          COLORREF pattern, RasterOperation operation)
{
    if (!dest.surface) return;
    pattern = OnSurface(*dest.surface, pattern);
    if (source && source->canvas.surface == dest.surface) {
        // Copying within one surface reads it as it was before the call.
        Bitmap before = *dest.surface;
        BlitSource snapshot = *source;
        snapshot.canvas.surface = &before;
        BlitWithSource(dest, destColours, rect, snapshot, pattern, operation);
        return;
    }
    if (source && source->canvas.surface) {
        BlitWithSource(dest, destColours, rect, *source, pattern, operation);
        return;
    }
    if (source) return;
    ForEachSpan(dest, rect, [&](LONG y, LONG left, LONG right) {
        COLORREF* row = dest.surface->Row(y);
        for (LONG x = left; x < right; ++x) row[x] = operation.Apply(pattern, 0, row[x]);
    });
}

}  // namespace platform::gdi

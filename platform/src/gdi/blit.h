// Raster operations from one canvas onto another, pixel by pixel, with the
// platform's conversions between monochrome and colour.
#pragma once

#include "gdi/canvas.h"
#include "gdi/device_context.h"
#include "gdi/raster_operation.h"

namespace platform::gdi {

// A source context: its canvas and the colours that conversions read.
struct BlitSource {
    Canvas canvas;
    ContextColours colours;
    POINT at{};  // the context position copied onto the destination's top-left corner
};

// Combines the destination rectangle RECT of DEST (context coordinates) with
// PATTERN and, when OPERATION reads one, SOURCE. Monochrome to colour: 0 bits
// take DEST's text colour, 1 bits its background colour. Colour to
// monochrome: pixels of SOURCE's background colour become 1 bits, all others
// 0 bits. Source pixels outside the source's canvas leave the destination as
// it was.
void Blit(const Canvas& dest, const ContextColours& destColours, const RECT& rect, const BlitSource* source,
          COLORREF pattern, RasterOperation operation);

}  // namespace platform::gdi

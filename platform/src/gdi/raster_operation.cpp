#include "gdi/raster_operation.h"

namespace platform::gdi {

namespace {

constexpr DWORD kColourBits = 0x00FFFFFF;

// True when the result changes with the input whose weight in the table
// index is WEIGHT (4 pattern, 2 source, 1 destination).
bool DependsOn(BYTE table, int weight)
{
    for (int index = 0; index < 8; ++index)
        if (!(index & weight) && ((table >> index) & 1) != ((table >> (index | weight)) & 1)) return true;
    return false;
}

}  // namespace

bool RasterOperation::UsesSource() const { return DependsOn(table_, 2); }
bool RasterOperation::UsesPattern() const { return DependsOn(table_, 4); }
bool RasterOperation::UsesDestination() const { return DependsOn(table_, 1); }

// The result is the union of the table's true rows, each row the bits where
// every input has the row's value.
COLORREF RasterOperation::Apply(COLORREF pattern, COLORREF source, COLORREF destination) const
{
    DWORD result = 0;
    for (int index = 0; index < 8; ++index) {
        if (!((table_ >> index) & 1)) continue;
        DWORD p = (index & 4) ? pattern : ~pattern;
        DWORD s = (index & 2) ? source : ~source;
        DWORD d = (index & 1) ? destination : ~destination;
        result |= p & s & d;
    }
    return result & kColourBits;
}

}  // namespace platform::gdi

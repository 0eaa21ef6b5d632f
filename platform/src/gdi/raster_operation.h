// Ternary raster operations: a result bit for every combination of pattern
// (brush), source and destination bits, applied to each colour bit alike.
#pragma once

#include <wingdi.h>

namespace platform::gdi {

class RasterOperation {
public:
    explicit RasterOperation(DWORD code) : table_(static_cast<BYTE>(code >> 16)) {}

    bool UsesSource() const;
    bool UsesPattern() const;
    bool UsesDestination() const;

    COLORREF Apply(COLORREF pattern, COLORREF source, COLORREF destination) const;

private:
    BYTE table_;  // bit (pattern * 4 + source * 2 + destination) is the result
};

}  // namespace platform::gdi

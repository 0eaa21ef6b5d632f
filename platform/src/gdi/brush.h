// A brush: the pattern raster operations and fills paint with. Only solid
// and null brushes exist here.
#pragma once

#include <wingdi.h>

#include "gdi/gdi_object.h"

namespace platform::gdi {

class Brush final : public GdiObject {
public:
    explicit Brush(const LOGBRUSH& description) : description_(description) {}

    bool IsNull() const { return description_.lbStyle == BS_NULL; }
    COLORREF Colour() const { return description_.lbColor; }

    int Describe(int bufferSize, void* buffer) const override
    {
        return CopyDescription(&description_, sizeof description_, bufferSize, buffer);
    }

private:
    LOGBRUSH description_;
};

}  // namespace platform::gdi

// A pen. Nothing draws lines with it; it exists so that the stock pens can be
// selected and described.
#pragma once

#include <wingdi.h>

#include "gdi/gdi_object.h"

namespace platform::gdi {

class Pen final : public GdiObject {
public:
    explicit Pen(const LOGPEN& description) : description_(description) {}

    int Describe(int bufferSize, void* buffer) const override
    {
        return CopyDescription(&description_, sizeof description_, bufferSize, buffer);
    }

private:
    LOGPEN description_;
};

}  // namespace platform::gdi

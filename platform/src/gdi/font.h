// A logical font, as CreateFontIndirectW was given it; the face it is drawn
// with is opened at its first use.
#pragma once

#include <memory>

#include <wingdi.h>

#include "gdi/gdi_object.h"
#include "gdi/type_face.h"

namespace platform::gdi {

class Font final : public GdiObject {
public:
    explicit Font(const LOGFONTW& description) : description_(description) {}

    const LOGFONTW& Description() const { return description_; }

    // Null when the face's file cannot be read (reported as a device fault).
    TypeFace* Face() const;

    int Describe(int bufferSize, void* buffer) const override
    {
        return CopyDescription(&description_, sizeof description_, bufferSize, buffer);
    }

private:
    LOGFONTW description_;
    mutable std::unique_ptr<TypeFace> face_;
    mutable bool opened_ = false;
};

}  // namespace platform::gdi

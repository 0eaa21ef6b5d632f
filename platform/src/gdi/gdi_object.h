// What every drawing object (bitmap, brush, pen, font) has in common.
#pragma once

namespace platform::gdi {

class GdiObject {
public:
    virtual ~GdiObject() = default;

    // GetObjectW: writes the object's platform description into BUFFER and
    // returns the bytes written; with no buffer, the bytes it needs; 0 when
    // BUFFER_SIZE is too small.
    virtual int Describe(int bufferSize, void* buffer) const = 0;
};

}  // namespace platform::gdi

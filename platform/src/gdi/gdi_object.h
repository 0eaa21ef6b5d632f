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

    // How many device contexts hold the object selected: the platform
    // refuses to delete it meanwhile.
    int Selections() const { return selections_; }
    void AddSelection() { ++selections_; }
    void DropSelection() { --selections_; }

private:
    int selections_ = 0;
};

// GetObjectW's answer for an object described by RECORD: the bytes written,
// the bytes needed when there is no buffer, 0 when the buffer is too small.
int CopyDescription(const void* record, int recordSize, int bufferSize, void* buffer);

}  // namespace platform::gdi

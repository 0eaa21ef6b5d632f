#include "gdi/gdi_object.h"

#include <cstring>

namespace platform::gdi {

int CopyDescription(const void* record, int recordSize, int bufferSize, void* buffer)
{
    if (!buffer) return recordSize;
    if (bufferSize < recordSize) return 0;
    std::memcpy(buffer, record, recordSize);
    return recordSize;
}

}  // namespace platform::gdi

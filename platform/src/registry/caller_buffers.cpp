#include "registry/caller_buffers.h"

#include <algorithm>

#include <winerror.h>

namespace platform::registry {

LONG CopyValueOut(const StoredValue& value, LPDWORD type, LPBYTE data, LPDWORD size)
{
    if (type) *type = value.type;
    if (!size) return ERROR_SUCCESS;
    DWORD needed = static_cast<DWORD>(value.data.size());
    if (data && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data) std::copy(value.data.begin(), value.data.end(), data);
    *size = needed;
    return ERROR_SUCCESS;
}

LONG CopyNameOut(const std::u16string& name, LPWSTR buffer, LPDWORD length)
{
    if (*length <= name.size()) return ERROR_MORE_DATA;
    std::copy(name.begin(), name.end(), buffer);
    buffer[name.size()] = 0;
    *length = static_cast<DWORD>(name.size());
    return ERROR_SUCCESS;
}

}  // namespace platform::registry

// The window manager's entry points never let a host exception out to their
// caller; the only ones its own code can raise are allocation failures.
#pragma once

#include <winbase.h>

namespace platform::user {

template <typename Result, typename Body>
Result Guarded(Result failure, Body body) noexcept
{
    try {
        return body();
    } catch (...) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return failure;
    }
}

}  // namespace platform::user

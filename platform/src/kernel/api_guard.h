// Platform functions run on the host's standard library, which may throw
// (std::bad_alloc above all); the product calls them as C functions that
// never do. Guarded runs a function's body and turns an escaping exception
// into the platform's failure.
#pragma once

#include <winbase.h>

namespace platform::kernel {

template <class Result, class Body>
Result Guarded(Result failure, Body body)
{
    try {
        return body();
    } catch (...) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return failure;
    }
}

}  // namespace platform::kernel

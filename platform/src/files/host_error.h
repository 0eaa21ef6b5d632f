// Host failures told in the platform's error codes.
#pragma once

#include <optional>
#include <system_error>

#include <windef.h>

namespace platform::files {

DWORD PlatformError(int hostErrno);

// Sets the last error for a failed host call and answers false.
bool FailFromHost(int hostErrno);
bool FailFromHost(const std::error_code& error);

// Sets the last error and answers false: the shape of most refusals.
bool Fail(DWORD error);

// The same for functions that answer an optional: sets the last error and
// answers nothing.
std::nullopt_t Refuse(DWORD error);
std::nullopt_t RefuseFromHost(int hostErrno);

}  // namespace platform::files

// What the device remembers of its programs: starts, start signals and a
// restart asked for. It goes when the device closes or restarts.
#pragma once

namespace platform::process {

void ForgetPrograms();

}  // namespace platform::process

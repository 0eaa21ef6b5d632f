// What the device remembers of its programs: starts, start signals, a
// restart asked for and the help viewer's pages. It goes when the device
// closes or restarts.
#pragma once

namespace platform::process {

void ForgetPrograms();

}  // namespace platform::process

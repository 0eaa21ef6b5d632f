// A restart asked for with KernelIoControl, waiting for the driver to carry
// it out.
#pragma once

namespace platform::process {

void ClearRestartRequest();

}  // namespace platform::process

// The launch numbers programs have signalled with SignalStarted.
#pragma once

namespace platform::process {

void ClearStartedSignals();

}  // namespace platform::process

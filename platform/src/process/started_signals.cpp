#include "process/started_signals.h"

#include <device/processes.h>
#include <windows.h>

#include "process/remote_calls.h"

namespace {

std::vector<DWORD> signals;

}  // namespace

namespace platform::process {

void ClearStartedSignals() { signals.clear(); }

}  // namespace platform::process

namespace device {

const std::vector<DWORD>& StartedSignals() { return signals; }

}  // namespace device

void WINAPI SignalStarted(DWORD dw)
{
    if (platform::process::OnRemoteDevice()) return platform::process::RemoteSignalStarted(dw);
    signals.push_back(dw);
}

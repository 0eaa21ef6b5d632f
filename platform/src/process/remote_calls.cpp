#include "process/remote_calls.h"

#include <winbase.h>

#include "process/device_link.h"

namespace platform::process {

namespace {

std::optional<WireMessage> Ask(WireWriter request) { return DeviceLink::Current()->Ask(request.Take()); }

// The device's BOOL and last error, carried over to this process.
BOOL ResultOf(WireReader& answer)
{
    uint32_t result = FALSE;
    uint32_t error = ERROR_GEN_FAILURE;
    if (!answer.Word(result) || !answer.Word(error)) result = FALSE;
    if (!result) SetLastError(error);
    return result ? TRUE : FALSE;
}

BOOL DeviceGone()
{
    SetLastError(ERROR_GEN_FAILURE);
    return FALSE;
}

}  // namespace

bool OnRemoteDevice() { return DeviceLink::Current() != nullptr; }

DWORD RemoteTickCount()
{
    std::optional<WireMessage> answer = Ask(WireWriter(Request::TickCount));
    uint32_t ticks = 0;
    if (answer) WireReader(*answer).Word(ticks);
    return ticks;
}

void RemoteSleep(DWORD milliseconds) { Ask(WireWriter(Request::Sleep).Word(milliseconds)); }

BOOL RemoteGetCurrentIm(CLSID& current)
{
    std::optional<WireMessage> answer = Ask(WireWriter(Request::GetCurrentIm));
    if (!answer) return DeviceGone();
    WireReader reader(*answer);
    BOOL result = ResultOf(reader);
    CLSID got = {};
    if (result && !reader.Bytes(&got, sizeof got)) return DeviceGone();
    if (result) current = got;
    return result;
}

BOOL RemoteSetCurrentIm(const CLSID& wanted)
{
    std::optional<WireMessage> answer = Ask(WireWriter(Request::SetCurrentIm).Bytes(&wanted, sizeof wanted));
    if (!answer) return DeviceGone();
    WireReader reader(*answer);
    return ResultOf(reader);
}

void RemoteSignalStarted(DWORD launchNumber) { Ask(WireWriter(Request::SignalStarted).Word(launchNumber)); }

BOOL RemoteKernelIoControl(DWORD controlCode)
{
    std::optional<WireMessage> answer = Ask(WireWriter(Request::KernelIoControl).Word(controlCode));
    if (!answer) return DeviceGone();
    WireReader reader(*answer);
    return ResultOf(reader);
}

}  // namespace platform::process

#include "process/restart_request.h"

#include <device/boot.h>
#include <pkfuncs.h>
#include <winbase.h>

#include "process/remote_calls.h"

namespace {

bool restartAsked = false;

}  // namespace

namespace platform::process {

void ClearRestartRequest() { restartAsked = false; }

}  // namespace platform::process

namespace device {

bool RestartPending() { return restartAsked; }

}  // namespace device

// On the device the call does not come back; here it does, and the driver
// restarts the device when it chooses.
BOOL WINAPI KernelIoControl(DWORD dwIoControlCode, LPVOID, DWORD, LPVOID, DWORD, LPDWORD)
{
    if (platform::process::OnRemoteDevice()) return platform::process::RemoteKernelIoControl(dwIoControlCode);
    if (dwIoControlCode != IOCTL_HAL_REBOOT) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    restartAsked = true;
    return TRUE;
}

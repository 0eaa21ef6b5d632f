// The platform calls that a program makes on the device it runs on when that
// device lives in another process: its clock, its input panel, its boot
// sequence and its restart. Each is asked of the device and waits for the
// answer; a device that has gone answers as a failed call.
#pragma once

#include <guiddef.h>
#include <windef.h>

namespace platform::process {

bool OnRemoteDevice();

DWORD RemoteTickCount();
void RemoteSleep(DWORD milliseconds);
BOOL RemoteGetCurrentIm(CLSID& current);
BOOL RemoteSetCurrentIm(const CLSID& wanted);
void RemoteSignalStarted(DWORD launchNumber);
BOOL RemoteKernelIoControl(DWORD controlCode);

}  // namespace platform::process

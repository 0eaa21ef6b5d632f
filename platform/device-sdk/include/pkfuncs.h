// Kernel services for OEM and system code: the hardware-abstraction calls.
#pragma once

#include <windows.h>

// CTL_CODE(FILE_DEVICE_HAL, 15, METHOD_BUFFERED, FILE_ANY_ACCESS)
#define IOCTL_HAL_REBOOT 0x0101003C

extern "C" BOOL WINAPI KernelIoControl(DWORD dwIoControlCode, LPVOID lpInBuf, DWORD nInBufSize, LPVOID lpOutBuf,
                                       DWORD nOutBufSize, LPDWORD lpBytesReturned);

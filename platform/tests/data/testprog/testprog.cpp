// A program for the process and boot tests. What it does depends on the
// name it was placed under on the device:
//   silent.exe   ends with exit code 3 and never signals
//   hang.exe     never ends and never asks anything
//   crash.exe    dies of SIGABRT
//   clock.exe    sleeps 70 ms, signals the device's time, then its launch number
//   restart.exe  asks for a restart and signals its launch number
//   anything else  signals its launch number
#include <pkfuncs.h>
#include <unistd.h>
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

std::u16string OwnName()
{
    WCHAR path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::u16string whole = path;
    return whole.substr(whole.rfind(u'\\') + 1);
}

void SignalLaunchNumber(LPWSTR commandLine)
{
    if (*commandLine) SignalStarted(static_cast<DWORD>(_wtol(commandLine)));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPWSTR lpCmdLine, int)
{
    std::u16string name = OwnName();
    if (name == u"silent.exe") return 3;
    if (name == u"hang.exe")
        for (;;) pause();
    if (name == u"crash.exe") std::abort();
    if (name == u"clock.exe") {
        Sleep(70);
        SignalStarted(GetTickCount());
    }
    if (name == u"restart.exe") KernelIoControl(IOCTL_HAL_REBOOT, nullptr, 0, nullptr, 0, nullptr);
    SignalLaunchNumber(lpCmdLine);
    return 0;
}

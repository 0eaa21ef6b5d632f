#include "process/stand_in_programs.h"

#include <crtwide.h>
#include <pkfuncs.h>
#include <winbase.h>

#include "setup/removal_resume.h"
#include "shell/help_viewer.h"

namespace platform::process {

namespace {

// A system program is up as soon as it runs.
DWORD SignalAtOnce(const std::u16string&, const std::u16string& commandLine)
{
    if (!commandLine.empty()) SignalStarted(static_cast<DWORD>(_wtol(commandLine.c_str())));
    return 0;
}

DWORD RunHelpViewer(const std::u16string&, const std::u16string& commandLine)
{
    return platform::shell::RunHelpViewer(commandLine);
}

// Started by the boot sequence (a launch number), it reports that it is up,
// so that a restart asked for during removal does not repeat at every boot,
// and resumes the removal waiting for that restart in its folder; started
// any other way, it restarts the device.
DWORD RestartDevice(const std::u16string& devicePath, const std::u16string& commandLine)
{
    long launchNumber = _wtol(commandLine.c_str());
    if (launchNumber > 0) {
        SignalStarted(static_cast<DWORD>(launchNumber));
        platform::setup::ResumeRemovalsFrom(devicePath.substr(0, devicePath.rfind(u'\\')));
        return 0;
    }
    return KernelIoControl(IOCTL_HAL_REBOOT, nullptr, 0, nullptr, 0, nullptr) ? 0 : 1;
}

const StandInProgram kStandIns[] = {
    {u"device.exe", true, &SignalAtOnce},
    {u"gwes.exe", true, &SignalAtOnce},
    {u"shell32.exe", true, &SignalAtOnce},
    {u"peghelp.exe", true, &RunHelpViewer, &platform::shell::HelpViewerInstalled},
    {u"reboot.exe", false, &RestartDevice},
};

const char16_t kRomFolder[] = u"\\Windows\\";

bool IsInRomFolder(const std::u16string& devicePath, const char16_t* name)
{
    std::u16string romPath = std::u16string(kRomFolder) + name;
    return _wcsicmp(devicePath.c_str(), romPath.c_str()) == 0;
}

std::u16string FileName(const std::u16string& devicePath)
{
    size_t slash = devicePath.rfind(u'\\');
    return slash == std::u16string::npos ? devicePath : devicePath.substr(slash + 1);
}

}  // namespace

const StandInProgram* FindStandIn(const std::u16string& devicePath, bool fileExists)
{
    std::u16string name = FileName(devicePath);
    for (const StandInProgram& standIn : kStandIns) {
        if (_wcsicmp(name.c_str(), standIn.name) != 0) continue;
        if (standIn.installed && !standIn.installed()) continue;
        if (standIn.inRom ? IsInRomFolder(devicePath, standIn.name) : fileExists) return &standIn;
    }
    return nullptr;
}

}  // namespace platform::process

#include "process/program_launcher.h"

#include <device/bounded_log.h>

#include <device/device.h>
#include <device/processes.h>
#include <winbase.h>

#include <filesystem>
#include <fstream>

#include "files/host_error.h"
#include "library/device_file.h"
#include "process/host_program.h"
#include "process/stand_in_programs.h"

namespace fs = std::filesystem;

namespace {

device::BoundedLog<device::ProgramLaunch> launches;

using platform::process::ProgramEnd;

std::string Ending(const ProgramEnd& end)
{
    switch (end.how) {
    case ProgramEnd::How::Ended: return "exit code " + std::to_string(end.code);
    case ProgramEnd::How::Died: return "died of signal " + std::to_string(end.code);
    case ProgramEnd::How::Hung:
        return "hung: ended by the device after " + std::to_string(platform::process::SilenceLimit().count()) +
               " ms of silence";
    case ProgramEnd::How::Broken: return "ended by the device: it asked what the device does not know";
    case ProgramEnd::How::NotStarted: break;
    }
    return "";
}

// Only a program built for the host runs: a device file is never handed
// to the host's shell or loader as a script.
bool IsHostExecutable(const std::string& hostFile)
{
    char magic[4] = {};
    std::ifstream file(hostFile, std::ios::binary);
    return file.read(magic, sizeof magic) && magic[0] == 0x7F && magic[1] == 'E' && magic[2] == 'L' && magic[3] == 'F';
}

platform::process::Launched RunFile(const std::string& hostFile, const std::u16string& devicePath,
                                    const std::u16string& commandLine, std::string& ending)
{
    if (!IsHostExecutable(hostFile)) return {ERROR_BAD_EXE_FORMAT, 0};
    // The device's files carry no execute permission of their own.
    std::error_code error;
    fs::permissions(hostFile, fs::perms::owner_exec, fs::perm_options::add, error);
    ProgramEnd end = platform::process::RunHostProgram(hostFile, {device::ImageFolder(), devicePath, commandLine});
    if (end.how == ProgramEnd::How::NotStarted) return {platform::files::PlatformError(end.code), 0};
    ending = Ending(end);
    bool selfEnded = end.how == ProgramEnd::How::Ended;
    return {ERROR_SUCCESS, selfEnded ? static_cast<DWORD>(end.code) : platform::process::kEndedByDevice};
}

platform::process::Launched Run(const std::u16string& devicePath, const std::u16string& commandLine,
                                std::string& ending)
{
    std::optional<std::string> hostFile = platform::library::HostFileOf(devicePath);
    if (const platform::process::StandInProgram* standIn = platform::process::FindStandIn(devicePath, hostFile.has_value())) {
        DWORD exitCode = standIn->run(devicePath, commandLine);
        ending = "exit code " + std::to_string(exitCode);
        return {ERROR_SUCCESS, exitCode};
    }
    if (!hostFile) return {ERROR_FILE_NOT_FOUND, 0};
    return RunFile(*hostFile, devicePath, commandLine, ending);
}

}  // namespace

namespace platform::process {

std::u16string ProgramDevicePath(std::u16string name)
{
    size_t lastSlash = name.rfind(u'\\');
    size_t leafStart = lastSlash == std::u16string::npos ? 0 : lastSlash + 1;
    if (name.find(u'.', leafStart) == std::u16string::npos) name += u".exe";
    return lastSlash == std::u16string::npos ? u"\\Windows\\" + name : name;
}

Launched LaunchProgram(const std::u16string& name, const std::u16string& commandLine)
{
    std::u16string devicePath = ProgramDevicePath(name);
    std::string ending;
    Launched launched = Run(devicePath, commandLine, ending);
    launches.Add({devicePath, commandLine, launched.error, ending});
    return launched;
}

void ClearProgramLaunches() { launches.Clear(); }

}  // namespace platform::process

namespace device {

const std::vector<ProgramLaunch>& ProgramLaunches() { return launches.Entries(); }

size_t ProgramLaunchesDropped() { return launches.Dropped(); }

void SetProgramSilenceLimit(std::chrono::milliseconds limit) { platform::process::SetSilenceLimit(limit); }

}  // namespace device

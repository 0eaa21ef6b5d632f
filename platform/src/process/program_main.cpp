#include <device/device.h>
#include <device/processes.h>
#include <winuser.h>

#include <cstdio>

#include "device/join_image.h"
#include "library/program_module.h"
#include "process/device_link.h"

namespace {

using platform::process::DeviceLink;
using platform::process::Request;
using platform::process::WireReader;
using platform::process::WireWriter;

struct Start {
    std::string imageFolder;
    std::u16string programPath;
    std::u16string commandLine;
};

std::optional<Start> AskForStart()
{
    std::optional<platform::process::WireMessage> answer = DeviceLink::Current()->Ask(WireWriter(Request::Hello).Take());
    Start start;
    if (!answer) return std::nullopt;
    WireReader fields(*answer);
    if (!fields.Text(start.imageFolder) || !fields.WideText(start.programPath) || !fields.WideText(start.commandLine))
        return std::nullopt;
    return start;
}

int Fail(const char* why)
{
    std::fprintf(stderr, "%s\n", why);
    DeviceLink::Disconnect();
    return 1;
}

}  // namespace

namespace device {

// The program's instance is the null module handle, which the module
// functions read as the program itself.
int RunDeviceProgram(ProgramEntry entry)
{
    if (!DeviceLink::Connect())
        return Fail("this program runs on a simulated Pocket PC: the device starts it (pocketsim device boot)");
    std::optional<Start> start = AskForStart();
    if (!start) return Fail("the device that started this program did not say what to run");
    if (!platform::device_setup::JoinImage(start->imageFolder)) return Fail("could not open the device image");
    platform::library::SetProgramPath(start->programPath);
    int exitCode = entry(nullptr, nullptr, start->commandLine.data(), SW_SHOW);
    Close();
    DeviceLink::Disconnect();
    return exitCode;
}

}  // namespace device

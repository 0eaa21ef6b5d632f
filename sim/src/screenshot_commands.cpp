// screenshot [sip] FILE
#include <device/paint.h>
#include <device/screen.h>
#include <device/sip.h>

#include "command_families.h"
#include "host_file.h"

namespace {

// The screen as the user sees it once the device has fallen idle.
CommandOutcome Screenshot(const CommandCall& call)
{
    bool panelOnly = call.args.size() == 2;
    if (panelOnly && call.args[0].text != "sip")
        return CommandOutcome::Failed("write \"sip\" or nothing before the file, not \"" + call.args[0].text + "\"");
    if (panelOnly && !device::IsInputPanelShown())
        return CommandOutcome::Failed("the input panel is not shown: there is nothing of it to take");
    device::DeliverPaints();
    device::Image image = panelOnly ? device::CaptureScreenRect(device::InputPanelRect()) : device::CaptureScreen();
    const std::string& file = call.args.back().text;
    std::string error;
    if (!device::SavePng(image, file, error)) return CommandOutcome::Failed(error);
    call.context.transcript.Output("wrote " + FullHostPath(file) + " (" + std::to_string(image.width) + " x " +
                                   std::to_string(image.height) + ")");
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"screenshot", "", "[sip] FILE", "writes the screen, or only the input panel, as a PNG file", Needs::Device,
     &Screenshot},
};

}  // namespace

void AddScreenshotCommands(CommandTable& table) { table.Add(kCommands); }

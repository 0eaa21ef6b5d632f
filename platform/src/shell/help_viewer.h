// The platform's help viewer, a stand-in program of the device.
#pragma once

#include <string>

#include <windef.h>

namespace platform::shell {

// Opens the viewer's window on the page COMMAND_LINE names, or shows that
// page in the window already open; the exit code.
DWORD RunHelpViewer(const std::u16string& commandLine);

// False once the driver has removed the viewer from the device.
bool HelpViewerInstalled();

// Forgets the starts and puts a removed viewer back: the device closes or
// restarts, and the window has gone.
void ForgetHelpViewer();

}  // namespace platform::shell

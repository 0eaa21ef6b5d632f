// The platform's help viewer, "peghelp", as the driver sees it. Started with
// a command line such as "file:\windows\plFIN.htm#keyboard", it opens its
// window of class "PegHelp" on that page (or shows the page in the window it
// has open); the window goes when it is sent WM_DESTROY or destroyed.
#pragma once

#include <string>
#include <vector>

namespace device {

// The command line of every start, in order, until the device closes or restarts.
const std::vector<std::u16string>& HelpViewerStarts();
size_t HelpViewerStartsDropped();  // the oldest, past kRecorderLimit (<device/bounded_log.h>)
// The last start's command line; empty when the viewer was never started.
std::u16string LastHelpCommand();
// Whether the viewer's window is open.
bool HelpViewerRunning();

// Makes the device one without the viewer: starting it fails with
// ERROR_FILE_NOT_FOUND until the device closes or restarts.
void RemoveHelpViewer();

}  // namespace device

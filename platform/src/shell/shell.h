// The shell of the device: the navigation bar, the menu bar and the
// application in the foreground, there from the moment the device starts.
#pragma once

namespace platform::shell {

// Opens the bars and the notes application on a device that has just started.
void StartShell();
// The device is going: the shell forgets its windows, which go with it.
void StopShell();

}  // namespace platform::shell

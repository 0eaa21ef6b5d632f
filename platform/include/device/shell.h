// The shell the device starts with: the navigation bar, the menu bar and the
// notes application over the work area between them.
#pragma once

namespace device {

// Makes the device one without the shell, its windows closed, until the
// device closes or restarts: a bare window manager for tests of its own.
void RemoveShell();

}  // namespace device

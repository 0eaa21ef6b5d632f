// The window classes every device has from the start: the controls that
// dialog templates name. Their names match without regard to case.
#pragma once

namespace platform::controls {

// Registers each class afresh; the window manager calls it whenever it starts empty.
void RegisterSystemClasses();

}  // namespace platform::controls

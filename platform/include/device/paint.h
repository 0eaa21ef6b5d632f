// Painting as the device's message loop does it when it falls idle.
#pragma once

namespace device {

// Sends WM_PAINT to every shown window whose update rectangle is not empty,
// each at most once, parents before children and lower windows before those
// above them. Pen events and clock advances end with it; a driver calls it
// after anything else that may have invalidated a window (showing one, ...).
void DeliverPaints();

}  // namespace device

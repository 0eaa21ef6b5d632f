#include "panel_point.h"

#include <device/sip.h>

// The panel's client area starts at its window's top-left corner: the SIP
// window has no frame.
Parsed<POINT> ScreenPointOnPanel(int x, int y)
{
    if (!device::IsInputPanelShown())
        return Parsed<POINT>::Failure("the input panel is not shown: \"sip show\" first");
    RECT panel = device::InputPanelRect();
    return POINT{panel.left + x, panel.top + y};
}

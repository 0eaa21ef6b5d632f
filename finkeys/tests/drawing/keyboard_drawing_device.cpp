#include "keyboard_drawing_device.h"

#include <device/paint.h>
#include <device/sip.h>

device::Image KeyboardDrawingDevice::KeyboardImage()
{
    device::DeliverPaints();
    RECT panel = device::InputPanelRect();
    return device::CaptureScreenRect({panel.left, panel.top, panel.left + 240, panel.top + 80});
}

COLORREF KeyboardDrawingDevice::KeyboardPixel(int x, int y)
{
    device::DeliverPaints();
    POINT point = ScreenPoint(x, y);
    return device::ScreenPixel(point.x, point.y);
}

void KeyboardDrawingDevice::HoldKey(int key)
{
    Stroke centre = Tap(key);
    PenDown(centre.x, centre.y);
}

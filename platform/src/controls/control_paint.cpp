#include "controls/control_paint.h"

#include "controls/control_drawing.h"

namespace platform::controls {

ControlPaint::ControlPaint(HWND control, HFONT font) : control_(control), enabled_(IsWindowEnabled(control) != FALSE)
{
    BeginPaint(control, &paint_);
    GetClientRect(control, &client_);
    previousFont_ = SelectObject(paint_.hdc, DrawingFont(font));
    SetBkMode(paint_.hdc, TRANSPARENT);
}

ControlPaint::~ControlPaint()
{
    SelectObject(paint_.hdc, previousFont_);
    EndPaint(control_, &paint_);
}

}  // namespace platform::controls

#include "controls/button_layout.h"

namespace platform::controls {

ButtonKind KindOf(DWORD style)
{
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return ButtonKind::CheckBox;
    default:
        return ButtonKind::Push;
    }
}

bool IsDefaultPushButton(DWORD style) { return (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }

CheckBoxLayout LayOutCheckBox(const RECT& client, DWORD style)
{
    int top = client.top + (client.bottom - client.top - kCheckBoxSize) / 2;
    bool boxOnRight = (style & BS_LEFTTEXT) != 0;
    int boxLeft = boxOnRight ? client.right - kCheckBoxSize : client.left;
    RECT box{boxLeft, top, boxLeft + kCheckBoxSize, top + kCheckBoxSize};
    RECT text = boxOnRight ? RECT{client.left, client.top, box.left - kCheckBoxGap, client.bottom}
                           : RECT{box.right + kCheckBoxGap, client.top, client.right, client.bottom};
    return {box, text};
}

UINT ButtonTextFormat(DWORD style)
{
    UINT horizontal = KindOf(style) == ButtonKind::Push ? DT_CENTER : DT_LEFT;
    switch (style & BS_CENTER) {
    case BS_LEFT:
        horizontal = DT_LEFT;
        break;
    case BS_RIGHT:
        horizontal = DT_RIGHT;
        break;
    case BS_CENTER:
        horizontal = DT_CENTER;
        break;
    }
    UINT vertical = DT_VCENTER;
    switch (style & BS_VCENTER) {
    case BS_TOP:
        vertical = DT_TOP;
        break;
    case BS_BOTTOM:
        vertical = DT_BOTTOM;
        break;
    }
    return horizontal | vertical | DT_SINGLELINE;
}

}  // namespace platform::controls

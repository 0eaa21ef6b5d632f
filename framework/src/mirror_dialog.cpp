#include "mirror_dialog.h"

#include <commctrl.h>

namespace {

// Statics and edits share their alignment bits (SS_CENTER = ES_CENTER,
// SS_RIGHT = ES_RIGHT); centred text stays centred.
LONG MirrorTextAlignment(LONG style) { return (style & SS_CENTER) ? style : style ^ SS_RIGHT; }

// A button without an alignment of its own becomes right-aligned; its check
// box goes to the other side of its text.
LONG MirrorButton(LONG style)
{
    LONG alignment = style & BS_CENTER;
    if (alignment == BS_LEFT || alignment == BS_RIGHT)
        style ^= BS_CENTER;
    else if (alignment == 0)
        style |= BS_RIGHT;
    return style ^ BS_LEFTTEXT;
}

LONG MirrorUpDown(LONG style)
{
    const LONG sides = UDS_ALIGNRIGHT | UDS_ALIGNLEFT;
    return (style & sides) ? style ^ sides : style;
}

struct ClassMirror {
    LPCWSTR className;           // compared without regard to case
    LONG (*mirror)(LONG style);  // null: the style stays
};

const ClassMirror kClassMirrors[] = {
    {TEXT("static"), MirrorTextAlignment},
    {TEXT("TTSTATIC"), MirrorTextAlignment},
    {TEXT("Edit"), MirrorTextAlignment},
    {TEXT("CAPEDIT"), MirrorTextAlignment},
    {TEXT("button"), MirrorButton},
    {TEXT("TTBUTTON"), MirrorButton},
    {TEXT("msctls_trackbar32"), nullptr},
    {TEXT("msctls_updown32"), MirrorUpDown},
};

const int kClassNameLength = 100;

void MirrorStyle(HWND control)
{
    WCHAR className[kClassNameLength] = {0};
    GetClassNameW(control, className, kClassNameLength);
    for (const ClassMirror& entry : kClassMirrors) {
        if (_wcsicmp(className, entry.className) != 0) continue;
        if (entry.mirror) SetWindowLongW(control, GWL_STYLE, entry.mirror(GetWindowLongW(control, GWL_STYLE)));
        return;
    }
}

void MirrorPlace(HWND dialog, HWND control, LONG dialogWidth)
{
    RECT rect;
    GetWindowRect(control, &rect);
    POINT topRight = {rect.right, rect.top};
    ScreenToClient(dialog, &topRight);
    MoveWindow(control, dialogWidth - topRight.x, topRight.y, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

}  // namespace

void MirrorDialog(HWND dialog)
{
    RECT client;
    GetClientRect(dialog, &client);
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        MirrorPlace(dialog, control, client.right);
        MirrorStyle(control);
    }
}

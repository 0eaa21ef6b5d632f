#include <cstdio>
#include <map>

#include <device/message_log.h>
#include <winuser.h>

namespace {

#define NAMED(message) {message, #message}

// The messages the platform's headers declare; a newly declared one belongs here too.
const std::map<UINT, const char*> kNames = {
    NAMED(WM_NULL), NAMED(WM_CREATE), NAMED(WM_DESTROY), NAMED(WM_MOVE), NAMED(WM_SIZE), NAMED(WM_ACTIVATE),
    NAMED(WM_SETFOCUS), NAMED(WM_KILLFOCUS), NAMED(WM_ENABLE), NAMED(WM_SETREDRAW), NAMED(WM_SETTEXT),
    NAMED(WM_GETTEXT), NAMED(WM_GETTEXTLENGTH), NAMED(WM_PAINT), NAMED(WM_CLOSE), NAMED(WM_QUIT), NAMED(WM_ERASEBKGND),
    NAMED(WM_SHOWWINDOW), NAMED(WM_SETFONT), NAMED(WM_GETFONT), NAMED(WM_WINDOWPOSCHANGING), NAMED(WM_WINDOWPOSCHANGED),
    NAMED(WM_NOTIFY), NAMED(WM_KEYDOWN), NAMED(WM_KEYUP), NAMED(WM_CHAR), NAMED(WM_INITDIALOG), NAMED(WM_COMMAND),
    NAMED(WM_TIMER), NAMED(WM_HSCROLL), NAMED(WM_VSCROLL), NAMED(WM_CTLCOLORMSGBOX), NAMED(WM_CTLCOLOREDIT),
    NAMED(WM_CTLCOLORLISTBOX), NAMED(WM_CTLCOLORBTN), NAMED(WM_CTLCOLORDLG), NAMED(WM_CTLCOLORSCROLLBAR),
    NAMED(WM_CTLCOLORSTATIC), NAMED(WM_MOUSEMOVE), NAMED(WM_LBUTTONDOWN), NAMED(WM_LBUTTONUP), NAMED(WM_LBUTTONDBLCLK),
    NAMED(WM_CAPTURECHANGED), NAMED(WM_USER),
};

#undef NAMED

}  // namespace

namespace device {

std::string MessageName(UINT message)
{
    auto known = kNames.find(message);
    if (known != kNames.end()) return known->second;
    char number[16];
    std::snprintf(number, sizeof number, "0x%04X", message);
    return number;
}

}  // namespace device

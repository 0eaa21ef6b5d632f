// The user's hand on the controls: every action goes through the pen or the
// keyboard as a person's would, after making sure the pen would reach the
// control where it means to touch it.
#include <device/controls.h>
#include <device/pen.h>
#include <device/text.h>

#include <commctrl.h>

#include "controls/combo_list_window.h"
#include "controls/combobox_control.h"
#include "controls/control_messages.h"
#include "controls/control_readings.h"
#include "controls/edit_control.h"
#include "controls/listbox_control.h"
#include "controls/trackbar_control.h"
#include "user/hit_test.h"
#include "user/user_state.h"

namespace {

using namespace platform::controls;

std::string failure;

bool Fail(std::string reason)
{
    failure = std::move(reason);
    return false;
}

std::optional<POINT> Unreachable(std::string reason)
{
    failure = std::move(reason);
    return std::nullopt;
}

std::string Named(HWND window)
{
    WCHAR name[64];
    int length = GetClassNameW(window, name, 64);
    return "control " + std::to_string(GetDlgCtrlID(window)) + " (" +
           device::Utf8(std::u16string_view(name, static_cast<size_t>(length))) + ")";
}

// The window a pen touching the screen at POINT reaches: the capture, else
// the deepest shown, enabled window there.
HWND ReachedAt(POINT point)
{
    if (HWND capture = GetCapture()) return capture;
    std::shared_ptr<platform::user::Window> window = platform::user::WindowAt(point);
    return window ? window->handle : nullptr;
}

// The screen point of CLIENT in WINDOW, when a pen there would reach WINDOW.
std::optional<POINT> Reach(HWND window, POINT client)
{
    if (!IsWindowVisible(window)) return Unreachable(Named(window) + " is hidden");
    if (!IsWindowEnabled(window)) return Unreachable(Named(window) + " is disabled");
    POINT screen = client;
    ClientToScreen(window, &screen);
    HWND reached = ReachedAt(screen);
    if (reached != window) {
        std::string other = reached ? Named(reached) : std::string("nothing");
        return Unreachable("the pen at (" + std::to_string(screen.x) + "," + std::to_string(screen.y) +
                           ") reaches " + other + ", not " + Named(window));
    }
    return screen;
}

bool TapAt(HWND window, POINT client)
{
    std::optional<POINT> screen = Reach(window, client);
    if (!screen) return false;
    device::Tap(screen->x, screen->y);
    return true;
}

POINT Centre(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    return {client.right / 2, client.bottom / 2};
}

bool IsA(HWND window, LPCWSTR className, const char* what)
{
    if (!IsWindow(window)) return Fail("there is no such window");
    if (!HasClass(window, className)) return Fail(Named(window) + " is not " + what);
    return true;
}

bool HasRow(HWND control, int index)
{
    int count = ReadControl(control).selection.value_or(Selection{-1, 0}).count;
    if (index >= 0 && index < count) return true;
    return Fail(Named(control) + " has " + std::to_string(count) + " rows: there is no row " + std::to_string(index));
}

// Taps the scroll arrows of LIST until row INDEX of OWNER is in view (one
// row a tap), then the row itself.
bool TapRow(HWND owner, HWND list, int index, std::optional<ListTap> (*tapToward)(HWND, int))
{
    std::string row = "row " + std::to_string(index) + " of " + Named(owner);
    for (int tries = 0; tries <= ReadControl(owner).selection->count; ++tries) {
        std::optional<ListTap> tap = tapToward(list, index);
        if (!tap) return Fail(row + " cannot be brought into view");
        if (!TapAt(list, tap->point)) return false;
        if (tap->onRow) return true;
    }
    return Fail(row + " did not come into view");
}

// The combo box drops its list with a tap, unless it shows already.
bool ChooseInCombo(HWND combo, int index)
{
    if (!DroppedList(combo) && !TapAt(combo, Centre(combo))) return false;
    HWND list = DroppedList(combo);
    if (!list) return Fail(Named(combo) + " did not drop its list down");
    return TapRow(combo, list, index, ComboListTapToward);
}

}  // namespace

namespace device {

bool ClickControl(HWND control)
{
    failure.clear();
    return IsA(control, u"button", "a button") && TapAt(control, Centre(control));
}

// Characters go to the focus, as typing does; the edit control must keep it.
bool TypeIntoControl(HWND edit, std::u16string_view text)
{
    failure.clear();
    if (!IsA(edit, u"edit", "an edit control")) return false;
    if (GetFocus() != edit) {
        std::optional<POINT> end = EditEndPoint(edit);
        if (!end || !TapAt(edit, *end)) return false;
        if (GetFocus() != edit) return Fail(Named(edit) + " did not take the focus");
    }
    for (size_t typed = 0; typed < text.size(); ++typed) {
        if (GetFocus() != edit)
            return Fail(Named(edit) + " lost the focus after " + std::to_string(typed) + " characters");
        SendMessageW(edit, WM_CHAR, text[typed], 1);
    }
    return true;
}

bool ChooseListItem(HWND listOrCombo, int index)
{
    failure.clear();
    if (!IsWindow(listOrCombo)) return Fail("there is no such window");
    bool list = HasClass(listOrCombo, u"listbox");
    if (!list && !HasClass(listOrCombo, u"combobox"))
        return Fail(Named(listOrCombo) + " is not a list box or a combo box");
    if (!HasRow(listOrCombo, index)) return false;
    return list ? TapRow(listOrCombo, listOrCombo, index, ListBoxTapToward) : ChooseInCombo(listOrCombo, index);
}

bool MoveTrackbar(HWND trackbar, int position)
{
    failure.clear();
    if (!IsA(trackbar, TRACKBAR_CLASSW, "a trackbar")) return false;
    Position range = *ReadControl(trackbar).position;
    if (position < range.minimum || position > range.maximum)
        return Fail(Named(trackbar) + " goes from " + std::to_string(range.minimum) + " to " +
                    std::to_string(range.maximum) + ": position " + std::to_string(position) + " is not on it");
    std::optional<POINT> thumb = Reach(trackbar, *TrackbarPoint(trackbar, range.position));
    if (!thumb) return false;
    POINT target = *TrackbarPoint(trackbar, position);
    ClientToScreen(trackbar, &target);
    PenDown(thumb->x, thumb->y);
    PenMove(target.x, target.y);
    PenUp(target.x, target.y);
    int reached = ReadControl(trackbar).position->position;
    if (reached != position)
        return Fail("the thumb of " + Named(trackbar) + " stopped at " + std::to_string(reached) + ", not at " +
                    std::to_string(position));
    return true;
}

std::string ControlActionFailure() { return failure; }

}  // namespace device

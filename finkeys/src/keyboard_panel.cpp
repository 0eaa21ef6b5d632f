#include "keyboard_panel.h"

#include <climits>
#include <cstdlib>

#include "finnish_keyboard_module.h"
#include "host_keys.h"
#include "key_label.h"
#include "key_geometry.h"
#include "panel_layout.h"

namespace {

constexpr POINT kNoPoint = {-1, -1};
// How far the pen may slide sideways or down off its key and still press it.
constexpr int kSlideTolerance = 15;
// How far the pen must travel for a swipe, or to type a key's shifted form.
constexpr int kSwipeDistance = 20;

constexpr BYTE kShiftKey = VK_SHIFT;
constexpr BYTE kCtrlKey = VK_CONTROL;
constexpr BYTE kAltKey = VK_MENU;

HWND Window() { return TheKeyboardModule().Window(); }

KeyboardSettings& Options() { return TheKeyboardModule().KeyboardOptions(); }

bool Holds(const RECT& rect, POINT point)
{
    return rect.left <= point.x && point.x < rect.right && rect.top <= point.y && point.y < rect.bottom;
}

// Delay 0 waits two seconds before the first repeat, 9 a tenth of that.
UINT FirstRepeatDelay() { return 2000 / static_cast<UINT>(Options().repeatDelay.Value() + 1); }
UINT NextRepeatDelay() { return 700 / static_cast<UINT>(Options().repeatRate.Value() + 1); }

void InvalidateWindow() { InvalidateRect(Window(), nullptr, FALSE); }

bool IsArrow(DWORD code) { return code >= VK_LEFT && code <= VK_DOWN; }

}  // namespace

KeyboardPanel::KeyboardPanel()
    : keyFont(nullptr),
      downPoint(kNoPoint),
      curPoint(kNoPoint),
      refPoint(kNoPoint),
      pendingDead(0),
      deadBase(nullptr),
      deadComposed(nullptr),
      caps(false),
      shift(false),
      alt(false),
      ctrl(false),
      shiftLock(false),
      altLock(false),
      ctrlLock(false),
      swallowNextUp(false),
      repeatFired(false),
      lastKey(kNoKey),
      lastDef(kUnusedKey)
{
}

void KeyboardPanel::Init() { CreateKeyFont(); }

KeyboardPanel::~KeyboardPanel()
{
    if (keyFont) DeleteObject(keyFont);
}


void KeyboardPanel::OnPenDown(int x, int y)
{
    SetCapture(Window());
    downPoint = curPoint = refPoint = {x, y};
    InvalidateWindow();
    UpdateWindow(Window());
    if (Options().repeat.Value()) SetTimer(Window(), kFirstRepeatTimer, FirstRepeatDelay(), nullptr);
}

void KeyboardPanel::OnPenUp(int x, int y)
{
    if (swallowNextUp) {
        swallowNextUp = false;
        return;
    }
    // A pen that went down elsewhere and is lifted here pressed nothing: it
    // must not read as a swipe from (-1, -1).
    if (downPoint.x == kNoPoint.x && downPoint.y == kNoPoint.y) return;
    ReleaseCapture();
    int key = PressedKey();
    curPoint = kNoPoint;
    if (key < 0) {
        int dx = std::abs(downPoint.x - x);
        int dy = std::abs(downPoint.y - y);
        if (dx > dy && dx > kSwipeDistance) {
            if (x > downPoint.x) SwipeRight();
            else SwipeLeft();
        } else if (dy > dx && y - downPoint.y > kSwipeDistance) {
            SwipeDown();
        }
    } else {
        if (!repeatFired) StrokeKey(key, downPoint.y - y > kSwipeDistance);
        FinishStroke();
        repeatFired = false;
    }
    ResetPress();
}

void KeyboardPanel::ResetPress()
{
    StopRepeat();
    downPoint = kNoPoint;
    UpdateWindow(Window());
}

void KeyboardPanel::StopRepeat()
{
    KillTimer(Window(), kFirstRepeatTimer);
    KillTimer(Window(), kNextRepeatTimer);
}

// The keyboard goes away under a held pen: its pen-up would never come, or
// come to another window, so the press ends here without a stroke.
void KeyboardPanel::AbandonPress()
{
    StopRepeat();
    if (GetCapture() == Window()) ReleaseCapture();
    downPoint = curPoint = kNoPoint;
    repeatFired = false;
    swallowNextUp = false;
}

// The second tap on a latched modifier locks it; any other double tap is a
// pen-down of its own.
void KeyboardPanel::OnDoubleTap(int x, int y)
{
    swallowNextUp = true;
    int key = KeyAt(x, y);
    bool sameAsFirstTap = SameKey(key, KeyAt(refPoint.x, refPoint.y));
    if (sameAsFirstTap && shift && IsShiftKey(key)) {
        shiftLock = true;
    } else if (sameAsFirstTap && ctrl && IsCtrlKey(key)) {
        ctrlLock = true;
    } else if (sameAsFirstTap && alt && IsAltKey(key)) {
        altLock = true;
    } else {
        refPoint = {x, y};
        swallowNextUp = false;
        OnPenDown(x, y);
    }
}

void KeyboardPanel::OnPenMove(int x, int y)
{
    curPoint = {x, y};
    InvalidateWindow();
    UpdateWindow(Window());
}

void KeyboardPanel::OnTimer(UINT timerId)
{
    if (timerId != kFirstRepeatTimer && timerId != kNextRepeatTimer) return;
    int key = PressedKey();
    if (key >= 0) {
        StrokeKey(key, false);
        repeatFired = true;
    }
    if (timerId == kFirstRepeatTimer) {
        if (key >= 0) SetTimer(Window(), kNextRepeatTimer, NextRepeatDelay(), nullptr);
        KillTimer(Window(), kFirstRepeatTimer);
    } else if (key < 0) {
        KillTimer(Window(), kNextRepeatTimer);
    }
}

int KeyboardPanel::Width() { return kPanelWidth; }

int KeyboardPanel::Height() { return kPanelHeight; }

void KeyboardPanel::OnSelect() {}

void KeyboardPanel::OnDeselect()
{
    AbandonPress();
    ClearDead();
    ReleaseLatched(true);
}

void KeyboardPanel::OnShowing()
{
    if (shift) SendVirtualKeyEvent(kShiftKey, true);
    if (ctrl) SendVirtualKeyEvent(kCtrlKey, true);
    if (alt) SendVirtualKeyEvent(kAltKey, true);
}

// A held key stops repeating: nothing is typed with no keyboard shown.
// Locked modifiers stay latched but are let go at the host while hidden, so
// that showing can press them again.
void KeyboardPanel::OnHiding()
{
    AbandonPress();
    ReleaseLatched(false);
    if (shift) SendVirtualKeyEvent(kShiftKey, false);
    if (ctrl) SendVirtualKeyEvent(kCtrlKey, false);
    if (alt) SendVirtualKeyEvent(kAltKey, false);
}

bool KeyboardPanel::SameKey(int a, int b) { return a == b; }

int KeyboardPanel::KeyAt(int x, int y)
{
    for (int key = 0; key < KeyCount(); ++key) {
        RECT rect;
        KeyRect(&rect, key);
        if (Holds(rect, {x, y})) return key;
    }
    return kNoKey;
}

void KeyboardPanel::SwipeRight() { SendKeyPress(VK_SPACE, 0, 1, VK_SPACE); }

void KeyboardPanel::SwipeLeft() { SendKeyPress(VK_BACK, 0, 1, VK_BACK); }

void KeyboardPanel::SwipeDown() { SendKeyPress(VK_RETURN, 0, 1, VK_RETURN); }

bool KeyboardPanel::ComposeLabel(int key, bool withShift, bool withAlt, bool withCaps, WCHAR* text)
{
    CopyLabel(GetKeyDef(key, withShift, withAlt, withCaps)->label, text, kLabelSize);
    if (!pendingDead || !deadBase || !deadComposed) return false;
    for (int i = 0; deadBase[i]; ++i) {
        if (deadBase[i] == text[0]) {
            text[0] = deadComposed[i];
            return true;
        }
    }
    return false;
}

// The zone around the key where the press began reaches without limit
// upwards (the swipe that types a shifted key) and a little way sideways and
// down.
int KeyboardPanel::PressedKey()
{
    int down = KeyAt(downPoint.x, downPoint.y);
    int current = KeyAt(curPoint.x, curPoint.y);
    if (SameKey(down, current)) return down;
    if (down < 0) return kNoKey;
    RECT zone;
    KeyRect(&zone, down);
    zone.left -= kSlideTolerance;
    zone.right += kSlideTolerance;
    zone.bottom += kSlideTolerance;
    zone.top = INT_MIN;
    return Holds(zone, curPoint) ? down : kNoKey;
}

void KeyboardPanel::StrokeKey(int key, bool swipedUp)
{
    bool strokeShift = swipedUp || shift;
    bool strokeCaps = !swipedUp && caps;
    lastKey = key;
    lastDef = *GetKeyDef(key, strokeShift, alt, strokeCaps);
    switch (lastDef.kind) {
    case KeyChar: {
        if (ctrl) {
            SendCtrlCombination(key);
            return;
        }
        WCHAR text[kLabelSize];
        if (!ComposeLabel(key, strokeShift, alt, strokeCaps, text) && pendingDead) {
            SendChar(pendingDead, false, false, false, false);
            ClearDead();
        }
        SendText(text, strokeShift, false, strokeCaps, ctrl);
        return;
    }
    case KeyCommand:
        if (!IsCapsKey(key) && !IsShiftKey(key) && !IsAltKey(key) && !IsCtrlKey(key)) SendCommand(lastDef.code);
        return;
    case KeyDead: {
        if (ctrl) {
            SendCtrlCombination(key);
            return;
        }
        WCHAR accent = lastDef.label ? lastDef.label[0] : 0;
        if (accent == pendingDead) {
            ClearDead();
        } else {
            pendingDead = accent;
            deadBase = lastDef.deadBase;
            deadComposed = lastDef.deadComposed;
        }
        return;
    }
    default:
        return;
    }
}

// Ctrl combinations go out as virtual keys without Shift; the host still
// holds the latched Ctrl.
void KeyboardPanel::SendCtrlCombination(int key)
{
    BYTE virtualKey = KeyVirtualCode(key);
    if (shift) SendVirtualKeyEvent(kShiftKey, false);
    SendVirtualKeyEvent(virtualKey, true);
    SendVirtualKeyEvent(virtualKey, false);
    if (shift) SendVirtualKeyEvent(kShiftKey, true);
}

// A space after a dead key types the accent alone. Delete ignores the
// modifiers; arrows carry them and no character.
void KeyboardPanel::SendCommand(DWORD code)
{
    if (code == VK_SPACE && pendingDead) {
        SendChar(pendingDead, false, false, false, false);
        return;
    }
    UINT modifiers = ModifierFlags(shift, alt, caps, ctrl);
    if (IsArrow(code)) {
        SendKeyPress(code, modifiers, 0, 0);
    } else if (code == VK_DELETE) {
        SendKeyPress(code, 0, 0, 0);
    } else {
        SendKeyPress(code, modifiers, 1, static_cast<WCHAR>(code));
    }
}

void KeyboardPanel::FinishStroke()
{
    switch (lastDef.kind) {
    case KeyChar:
        ClearDead();
        ReleaseLatched(false);
        break;
    case KeyCommand:
        FinishCommand();
        break;
    case KeyDead:
        ReleaseLatched(false);
        break;
    case KeyPanelSwitch:
        TheKeyboardModule().NextPanel();
        break;
    default:
        break;
    }
    InvalidateWindow();
}

// Modifier keys toggle when the stroke completes; any other command releases
// the latched modifiers.
void KeyboardPanel::FinishCommand()
{
    if (IsCapsKey(lastKey)) {
        caps = !caps;
        SendVirtualKeyEvent(static_cast<BYTE>(lastDef.code), true);
        SendVirtualKeyEvent(static_cast<BYTE>(lastDef.code), false);
    } else if (IsShiftKey(lastKey)) {
        ToggleModifier(shift, shiftLock, kShiftKey);
    } else if (IsAltKey(lastKey)) {
        ToggleModifier(alt, altLock, kAltKey);
    } else if (IsCtrlKey(lastKey)) {
        ToggleModifier(ctrl, ctrlLock, kCtrlKey);
    } else {
        if (lastDef.code == VK_SPACE) ClearDead();
        ReleaseLatched(false);
    }
}

void KeyboardPanel::ToggleModifier(bool& flag, bool& lock, BYTE virtualKey)
{
    flag = !flag;
    SendVirtualKeyEvent(virtualKey, flag);
    if (!flag) lock = false;
}

void KeyboardPanel::ReleaseLatched(bool all)
{
    if (all) shiftLock = ctrlLock = altLock = false;
    if (shift && !shiftLock) {
        shift = false;
        SendVirtualKeyEvent(kShiftKey, false);
    }
    if (ctrl && !ctrlLock) {
        ctrl = false;
        SendVirtualKeyEvent(kCtrlKey, false);
    }
    if (alt && !altLock) {
        alt = false;
        SendVirtualKeyEvent(kAltKey, false);
    }
}

void KeyboardPanel::ClearDead()
{
    pendingDead = 0;
    deadBase = nullptr;
    deadComposed = nullptr;
}

void KeyboardPanel::SendChar(WCHAR ch, bool withShift, bool withAlt, bool withCaps, bool withCtrl)
{
    if (!ch) return;
    UINT modifiers = ModifierFlags(withShift, withAlt, withCaps, withCtrl);
    SendKeyEvent(0, kKeyDownFlags | modifiers, 1, ch);
    Sleep(0);
    SendKeyEvent(0, kKeyUpFlags | modifiers, 1, ch);
    Sleep(0);
}

void KeyboardPanel::SendText(LPCWSTR text, bool withShift, bool withAlt, bool withCaps, bool withCtrl)
{
    while (*text) {
        if (text[0] == u'\r' && text[1] == u'\n') {
            SendKeyPress(VK_RETURN, 0, 1, VK_RETURN);
            text += 2;
        } else if (text[0] == u'\n') {
            SendKeyPress(VK_RETURN, 0, 1, VK_RETURN);
            ++text;
        } else if (text[0] == u'\t') {
            SendKeyPress(VK_TAB, 0, 1, VK_TAB);
            ++text;
        } else {
            SendChar(*text++, withShift, withAlt, withCaps, withCtrl);
        }
    }
}

// The input panel as the driver sees it: which input method is current, the
// panel shown or hidden, and every call an input method made on the panel's
// IIMCallback. The panel starts on the first use of any of this (or of
// SHSipInfo) with the stored current input method.
#pragma once

#include <string>
#include <vector>

#include <aygshell.h>
#include <unknwn.h>

struct IIMCallback;

namespace device {

// The platform's own input methods, registered on every fresh device.
extern const CLSID kPlatformKeyboardClsid;
extern const CLSID kLetterRecogniserClsid;

// Makes CLSID the current input method, as SHSipInfo(SPI_SETCURRENTIM) does;
// false when it cannot be created (the previous one stays).
bool SelectInputMethod(const CLSID& clsid);
CLSID CurrentInputMethod();

// Showing and GetInfo (for the panel's place), then the SIP window shown;
// Hiding, then hidden, then GetInfo (for its state). Nothing when the panel
// already is so.
void ShowInputPanel();
void HideInputPanel();
bool IsInputPanelShown();
// The SIP window's place on the screen.
RECT InputPanelRect();
// Whether the input method last reported itself on (SIPF_ON).
bool IsInputPanelOn();
HWND InputPanelWindow();
// Asks the current input method for its options page, owned by the SIP
// window; the input method's answer.
HRESULT OpenInputMethodOptions();
// The callback the panel hands its input methods, for a driver that stands
// in for one: calls on it are delivered and recorded as theirs are.
IIMCallback* InputPanelCallback();

// What the input panel did, at the device's time: the input method it
// started with, every change of the current one, every class it could not
// create, and the panel shown and hidden.
struct SipEvent {
    enum class Kind { Started, Selected, Refused, Shown, Hidden };
    DWORD time;
    Kind kind;
    CLSID clsid;  // the input method concerned; for Shown and Hidden the current one
};

const std::vector<SipEvent>& SipEventLog();
size_t SipEventLogDropped();  // the oldest, past kRecorderLimit (<device/bounded_log.h>)
void ClearSipEventLog();

// Every SHSipPreference call, at the device's time: the window it named, the
// state it asked for, and its answer (FALSE for a window that is not there).
struct SipPreferenceCall {
    DWORD time;
    HWND window;
    SIPSTATE state;
    BOOL answer;
};

const std::vector<SipPreferenceCall>& SipPreferenceLog();
size_t SipPreferenceLogDropped();  // the oldest, past kRecorderLimit (<device/bounded_log.h>)
void ClearSipPreferenceLog();

struct CallbackRecord {
    enum class Call { SetImInfo, SendVirtualKey, SendCharEvents, SendString };
    Call call;
    UINT virtualKey = 0;             // SendVirtualKey, SendCharEvents
    DWORD flags = 0;                 // fdwFlags, dwFlags or uKeyFlags
    RECT rect = {};                  // SetImInfo: rcSipRect
    UINT count = 0;                  // uChars or dwChars as passed
    std::vector<UINT> shifts{};      // SendCharEvents: puShift[0..count)
    std::vector<UINT> characters{};  // SendCharEvents: puChars; SendString: the text
};

// One line per call, for exact comparison in tests and scenarios:
//   SetImInfo({0, 214, 240, 294}, 0x3)
//   SendVirtualKey(0x10, 0x0)
//   SendCharEvents(0x00, 0x80, 1, "a")
//   SendCharEvents(0x41, 0x80, 1, "a", shift [0x20000080])   when a shift word
//                                                           differs from the flags
//   SendString("text", 4)
// Inside quotes \" \\ \b \t \n \r stand for themselves and \x{hex} for any
// other control character, lone surrogate or value beyond 16 bits.
std::string DescribeCallback(const CallbackRecord& record);

const std::vector<CallbackRecord>& CallbackLog();
size_t CallbackLogDropped();  // the oldest, past kRecorderLimit (<device/bounded_log.h>)
std::vector<std::string> CallbackLogLines();
void ClearCallbackLog();

}  // namespace device

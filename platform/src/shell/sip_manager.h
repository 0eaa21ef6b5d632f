// The shell's input-panel manager: it owns the SIP window and the current
// input method, loads input methods by class and drives them through
// IInputMethod as the panel is shown and hidden.
#pragma once

#include <sipapi.h>

#include "shell/sip_callback.h"

namespace platform::shell {

class SipManager {
public:
    // The manager of this device, started on first use with the stored
    // current input method (the platform keyboard when that cannot be created).
    static SipManager& Running();
    // Releases the input method and the SIP window; the next use starts afresh.
    static void Stop();

    SipManager();
    SipManager(const SipManager&) = delete;
    SipManager& operator=(const SipManager&) = delete;

    // False when CLSID cannot be created; the current input method stays.
    bool Select(const CLSID& clsid);
    const CLSID& Current() const { return current; }

    void Show();
    void Hide();
    bool IsShown() const { return shown; }
    HRESULT OpenOptions();

    HWND Window() const { return window; }
    RECT PanelRect() const { return panelRect; }
    // Whether the input method last reported SIPF_ON.
    bool IsOn() const { return on; }
    IIMCallback* Callback() { return &callback; }

private:
    void Start();
    void ShutDown();
    bool Load(const CLSID& clsid);
    void Activate(IInputMethod* created);
    void Unload();
    void QueryInfo();
    void ApplyImInfo(const IMINFO& info);
    void Place(const RECT& wanted);

    SipCallback callback;
    HWND window = nullptr;                // the SIP window, top-level, hidden until shown
    IInputMethod* inputMethod = nullptr;  // owned: the reference CoCreateInstance gave
    CLSID current = {};
    bool shown = false;
    bool on = false;
    RECT panelRect = {};
};

}  // namespace platform::shell

// The shell's input-panel manager: it owns the SIP window and the input
// methods it created, loads input methods by class and drives the current one
// through IInputMethod as the panel is shown and hidden. An input method the
// user switches away from is deselected, not released: switching back selects
// the same object again, with whatever it remembered.
#pragma once

#include <sipapi.h>

#include <string>
#include <vector>

#include "shell/sip_callback.h"

namespace platform::shell {

class SipManager {
public:
    // The manager of this device, started on first use with the stored
    // current input method (the platform keyboard when that cannot be created).
    static SipManager& Running();
    // Releases the input methods and the SIP window; the next use starts afresh.
    static void Stop();
    // Whether the panel is shown, without starting a manager to ask.
    static bool PanelShown();

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
    struct KeptInputMethod {
        CLSID clsid;
        IInputMethod* method;  // owned: the reference CoCreateInstance gave
        bool fromRegistry;     // not one of the platform's classes: it goes when its class is unregistered
    };

    static void KeyDeleted(const std::u16string& path);

    void Start();
    void ShutDown();
    bool Load(const CLSID& clsid);
    IInputMethod* Kept(const CLSID& clsid) const;
    void Activate(IInputMethod* chosen);
    void Deactivate();
    void ReleaseUnregistered(const std::u16string& deletedKey);
    void QueryInfo();
    void ApplyImInfo(const IMINFO& info);
    void Place(const RECT& wanted);

    SipCallback callback;
    HWND window = nullptr;                // the SIP window, top-level, hidden until shown
    std::vector<KeptInputMethod> kept;    // in creation order
    IInputMethod* inputMethod = nullptr;  // the current one, among the kept; null when none is
    CLSID current = {};
    bool shown = false;
    bool on = false;
    RECT panelRect = {};
};

}  // namespace platform::shell

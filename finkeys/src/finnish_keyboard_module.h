// The Finnish keyboard input method: its identity, its two panels (Finnish
// first, then English) and its settings.
#pragma once

#include <keyboard_settings.h>
#include <sip_module.h>

class FinnishKeyboardModule final : public SipModule {
public:
    FinnishKeyboardModule();
    ~FinnishKeyboardModule() override;

    LPCWSTR Name() override;
    LPCWSTR Description() override;
    int PanelCount() override;
    SipPanel* Panel(int index) override;
    KeyboardSettings* Settings() override;
    void LocalizeDialog(HWND dialog, int dialogId, LCID language) override;

    KeyboardSettings& KeyboardOptions() { return settings; }

private:
    KeyboardSettings settings;
};

// The library's one module object.
FinnishKeyboardModule& TheKeyboardModule();

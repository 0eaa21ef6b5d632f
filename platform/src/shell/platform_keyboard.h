// The platform's own keyboard input method, the one a fresh device starts
// with: a panel of 240 x 80 at the bottom of the input area. It draws
// nothing; it is there to be made current, shown, hidden and deselected.
#pragma once

#include <sipapi.h>

#include "com/counted_object.h"

namespace platform::shell {

extern const CLSID kPlatformKeyboardClsid;
// Where its panel sits on the screen.
extern const RECT kPlatformKeyboardPanel;

HRESULT CreatePlatformKeyboard(IUnknown* outer, REFIID riid, void** ppv);

class PlatformKeyboard final : public com::CountedObject<IInputMethod, IID_IInputMethod> {
public:
    STDMETHOD(Select)(HWND hwndSip) override;
    STDMETHOD(Deselect)() override;
    STDMETHOD(Showing)() override;
    STDMETHOD(Hiding)() override;
    STDMETHOD(GetInfo)(IMINFO* pimi) override;
    STDMETHOD(ReceiveSipInfo)(SIPINFO* psi) override;
    STDMETHOD(RegisterCallback)(IIMCallback* lpIMCallback) override;
    STDMETHOD(GetImData)(DWORD dwSize, LPVOID pvImData) override;
    STDMETHOD(SetImData)(DWORD dwSize, LPVOID pvImData) override;
    STDMETHOD(UserOptionsDlg)(HWND hwndParent) override;

private:
    IMINFO Info() const;

    HWND window = nullptr;              // the panel, a child of the SIP window while selected
    bool shown = false;                 // between Showing and Hiding
    IIMCallback* callback = nullptr;    // borrowed from the input panel
};

}  // namespace platform::shell

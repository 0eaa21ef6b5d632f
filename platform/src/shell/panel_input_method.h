// What the platform's own input methods share: a panel window in a fixed
// place at the bottom of the input panel, created by Select and destroyed by
// Deselect, shown and hidden with the panel, and the callback the host gives.
#pragma once

#include <sipapi.h>

#include "com/counted_object.h"

namespace platform::shell {

class PanelInputMethod : public com::CountedObject<IInputMethod, IID_IInputMethod> {
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

protected:
    // WINDOW_CLASS names the panel window, PROCEDURE draws it; PLACE is where
    // the panel sits on the screen.
    PanelInputMethod(const WCHAR* windowClass, WNDPROC procedure, const RECT& place);
    ~PanelInputMethod() override;

    // What the input method reports of itself: docked, on while shown, its place.
    virtual IMINFO Info() const;

    HWND Window() const { return window; }
    bool IsShown() const { return shown; }
    IIMCallback* Callback() const { return callback; }

private:
    const WCHAR* windowClass;
    WNDPROC procedure;
    RECT place;
    HWND window = nullptr;            // a child of the SIP window while selected
    bool shown = false;               // between Showing and Hiding
    IIMCallback* callback = nullptr;  // borrowed from the host
};

}  // namespace platform::shell

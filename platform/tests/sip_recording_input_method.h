// An input method for tests: it writes every call the input panel makes on
// it, by name ("A.Select"), into a shared list, and reports a panel of its
// own height. Registered as a built-in class, so no library is needed.
#pragma once

#include <sipapi.h>

#include <string>
#include <vector>

#include "com/counted_object.h"

class RecordingInputMethod final : public platform::com::CountedObject<IInputMethod, IID_IInputMethod> {
public:
    RecordingInputMethod(std::string name, int panelHeight);
    ~RecordingInputMethod() override;

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

    // Every call so far, of every recording input method, in order.
    static std::vector<std::string>& Calls();
    // The window handed to the last Select and to the last UserOptionsDlg.
    static HWND selectedIn;
    static HWND optionsOwner;
    static IIMCallback* lastCallback;
    // Whether the SIP window was on the screen when Showing or Hiding came.
    static bool panelVisibleAtShowing;
    static bool panelVisibleAtHiding;

private:
    void Record(const char* call);
    RECT Panel() const;

    std::string name;
    int panelHeight;
    bool shown = false;
};

// Creators for the classes A (80 pixels high) and B (120 pixels high).
HRESULT CreateRecordingA(IUnknown* outer, REFIID riid, void** ppv);
HRESULT CreateRecordingB(IUnknown* outer, REFIID riid, void** ppv);

// The input-method COM object: a thin dispatcher onto the module object.
#pragma once

#include <sipapi.h>

class SipInputMethod : public IInputMethodEx {
public:
    SipInputMethod();
    virtual ~SipInputMethod();

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP Select(HWND hwndSip) override;
    STDMETHODIMP Deselect() override;
    STDMETHODIMP Showing() override;
    STDMETHODIMP Hiding() override;
    STDMETHODIMP GetInfo(IMINFO* pimi) override;
    STDMETHODIMP ReceiveSipInfo(SIPINFO* psi) override;
    STDMETHODIMP RegisterCallback(IIMCallback* lpIMCallback) override;
    STDMETHODIMP GetImData(DWORD dwSize, LPVOID pvImData) override;
    STDMETHODIMP SetImData(DWORD dwSize, LPVOID pvImData) override;
    STDMETHODIMP UserOptionsDlg(HWND hwndParent) override;
    STDMETHODIMP SetIMMActiveContext(HWND hwnd, BOOL bOpen, DWORD dwConversion, DWORD dwSentence,
                                     DWORD hkl) override;
    STDMETHODIMP RegisterCallbackEx(IIMCallbackEx* lpIMCallback) override;

private:
    ULONG references;
};

#include "sip_input_method.h"

#include "sip_module.h"

namespace {

SipModule& Module() { return *SipModule::Instance(); }

}  // namespace

SipInputMethod::SipInputMethod() : references(0) { ++Module().objectCount; }

SipInputMethod::~SipInputMethod() { --Module().objectCount; }

STDMETHODIMP SipInputMethod::QueryInterface(REFIID riid, void** ppv)
{
    *ppv = nullptr;
    if (!IsEqualIID(riid, IID_IInputMethodEx) && !IsEqualIID(riid, IID_IInputMethod) &&
        !IsEqualIID(riid, IID_IUnknown))
        return E_NOINTERFACE;
    *ppv = static_cast<IInputMethodEx*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) SipInputMethod::AddRef() { return ++references; }

STDMETHODIMP_(ULONG) SipInputMethod::Release()
{
    ULONG remaining = --references;
    if (remaining == 0) delete this;
    return remaining;
}

STDMETHODIMP SipInputMethod::Select(HWND hwndSip)
{
    Module().Select(hwndSip);
    return S_OK;
}

STDMETHODIMP SipInputMethod::Deselect()
{
    Module().Deselect();
    return S_OK;
}

STDMETHODIMP SipInputMethod::Showing()
{
    Module().Showing();
    return S_OK;
}

STDMETHODIMP SipInputMethod::Hiding()
{
    Module().Hiding();
    return S_OK;
}

STDMETHODIMP SipInputMethod::GetInfo(IMINFO* pimi)
{
    Module().GetInfo(pimi);
    return S_OK;
}

STDMETHODIMP SipInputMethod::ReceiveSipInfo(SIPINFO*) { return S_OK; }

STDMETHODIMP SipInputMethod::RegisterCallback(IIMCallback* lpIMCallback)
{
    Module().RegisterCallback(lpIMCallback);
    return S_OK;
}

STDMETHODIMP SipInputMethod::GetImData(DWORD, LPVOID) { return S_OK; }

STDMETHODIMP SipInputMethod::SetImData(DWORD, LPVOID) { return S_OK; }

STDMETHODIMP SipInputMethod::UserOptionsDlg(HWND hwndParent)
{
    Module().UserOptionsDlg(hwndParent);
    return S_OK;
}

STDMETHODIMP SipInputMethod::SetIMMActiveContext(HWND, BOOL, DWORD, DWORD, DWORD) { return S_OK; }

STDMETHODIMP SipInputMethod::RegisterCallbackEx(IIMCallbackEx* lpIMCallback)
{
    Module().RegisterCallback(lpIMCallback);
    return S_OK;
}

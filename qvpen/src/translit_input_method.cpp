#include "translit_input_method.h"

#include <objbase.h>

#include "library_state.h"
#include "options_dialog.h"
#include "qvpen_registration.h"

namespace {

const CLSID kLetterRecogniser = {0x42429690, 0xAE04, 0x11D0, {0xA4, 0xF8, 0x00, 0xAA, 0x00, 0xA7, 0x49, 0xB9}};

}  // namespace

TranslitInputMethod::TranslitInputMethod()
    : references(0),
      recogniser(nullptr),
      callback(SharedTranslitSettings(), LibraryInstance()),
      images(LibraryInstance()),
      recogniserResult(S_OK)
{
    CountObjectCreated();
    recogniserResult = CoCreateInstance(kLetterRecogniser, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                                        reinterpret_cast<void**>(&recogniser));
    if (SUCCEEDED(recogniserResult) && !recogniser) recogniserResult = E_NOINTERFACE;
}

TranslitInputMethod::~TranslitInputMethod()
{
    if (recogniser) {
        recogniser->Release();
        recogniser = nullptr;
    }
    CountObjectDestroyed();
}

STDMETHODIMP TranslitInputMethod::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (!IsEqualIID(riid, IID_IInputMethod) && !IsEqualIID(riid, IID_IUnknown)) return E_NOINTERFACE;
    *ppv = static_cast<IInputMethod*>(this);
    AddRef();
    return S_OK;
}

// The recogniser's count rises and falls with this object's, so its last
// reference is the one the destructor lets go.
STDMETHODIMP_(ULONG) TranslitInputMethod::AddRef()
{
    if (recogniser) recogniser->AddRef();
    return ++references;
}

STDMETHODIMP_(ULONG) TranslitInputMethod::Release()
{
    if (recogniser) recogniser->Release();
    ULONG remaining = --references;
    if (remaining == 0) delete this;
    return remaining;
}

// Picking the input method writes its class entries again.
STDMETHODIMP TranslitInputMethod::Select(HWND hwndSip)
{
    HRESULT result = recogniser->Select(hwndSip);
    RegisterQvpen();
    return result;
}

STDMETHODIMP TranslitInputMethod::Deselect() { return recogniser->Deselect(); }

STDMETHODIMP TranslitInputMethod::Showing()
{
    SharedTranslitSettings().Reload();
    return recogniser->Showing();
}

STDMETHODIMP TranslitInputMethod::Hiding() { return recogniser->Hiding(); }

STDMETHODIMP TranslitInputMethod::GetInfo(IMINFO* pimi)
{
    HRESULT result = recogniser->GetInfo(pimi);
    if (pimi) images.WriteInto(pimi);
    return result;
}

STDMETHODIMP TranslitInputMethod::ReceiveSipInfo(SIPINFO* psi) { return recogniser->ReceiveSipInfo(psi); }

STDMETHODIMP TranslitInputMethod::RegisterCallback(IIMCallback* lpIMCallback)
{
    callback.SetRealCallback(lpIMCallback);
    return recogniser->RegisterCallback(&callback);
}

STDMETHODIMP TranslitInputMethod::GetImData(DWORD dwSize, LPVOID pvImData)
{
    return recogniser->GetImData(dwSize, pvImData);
}

STDMETHODIMP TranslitInputMethod::SetImData(DWORD dwSize, LPVOID pvImData)
{
    return recogniser->SetImData(dwSize, pvImData);
}

// qvpen's own page, never the recogniser's; whatever it ends with is a success.
STDMETHODIMP TranslitInputMethod::UserOptionsDlg(HWND hwndParent)
{
    SharedTranslitSettings().Reload();
    ShowOptionsDialog(hwndParent, this);
    return S_OK;
}

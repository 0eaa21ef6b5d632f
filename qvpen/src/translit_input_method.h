// qvpen's input method: it hosts the platform's letter recogniser, which does
// all drawing and recognition, and stands between it and the input panel: the
// recogniser reports to the transliterating callback, the panel button shows
// qvpen's images, the tables are re-read whenever the panel is shown, and the
// options command is qvpen's own.
#pragma once

#include "button_images.h"
#include "translit_callback.h"

class TranslitInputMethod final : public IInputMethod {
public:
    TranslitInputMethod();
    ~TranslitInputMethod();
    TranslitInputMethod(const TranslitInputMethod&) = delete;
    TranslitInputMethod& operator=(const TranslitInputMethod&) = delete;

    // S_OK when the recogniser was created, else why it was not. An object
    // without its recogniser can do nothing and is never handed out.
    HRESULT RecogniserResult() const { return recogniserResult; }

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

private:
    ULONG references;
    IInputMethod* recogniser;  // owns the reference its creation gave
    TranslitCallback callback;
    ButtonImages images;
    HRESULT recogniserResult;
};

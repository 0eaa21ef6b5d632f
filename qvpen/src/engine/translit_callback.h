// The callback qvpen hands the hosted letter recogniser in place of the
// input panel's: every call goes on to the panel's callback (the real
// callback), and each recognised character is rewritten on the way through
// the selected rule table. It lives inside the input method and has no
// reference count of its own.
#pragma once

#include <sipapi.h>

#include "button_images.h"
#include "translit_context.h"
#include "translit_settings.h"

class TranslitCallback : public IIMCallback {
public:
    TranslitCallback(TranslitSettings& settings, HINSTANCE library);
    virtual ~TranslitCallback() = default;
    TranslitCallback(const TranslitCallback&) = delete;
    TranslitCallback& operator=(const TranslitCallback&) = delete;

    // Borrowed: no reference is taken.
    void SetRealCallback(IIMCallback* callback) { real = callback; }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP SetImInfo(IMINFO* pimi) override;
    STDMETHODIMP SendVirtualKey(BYTE bVK, DWORD dwFlags) override;
    STDMETHODIMP SendCharEvents(UINT uVK, UINT uKeyFlags, UINT uChars, UINT* puShift, UINT* puChars) override;
    STDMETHODIMP SendString(BSTR ptszStr, DWORD dwChars) override;

private:
    // Sends RULE's result in place of the recognised character.
    void Substitute(const TranslitRule& rule);
    void SendBackspace();

    IIMCallback* real = nullptr;
    TranslitContext context;
    ButtonImages images;
    TranslitSettings& settings;
};

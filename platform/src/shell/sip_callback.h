// The input panel's IIMCallback: every call is recorded; keys and characters
// go to the focused application; the panel follows the input method's
// reported size and state.
#pragma once

#include <functional>

#include <sipapi.h>

namespace platform::shell {

class SipCallback : public IIMCallback {
public:
    using ImInfoHandler = std::function<void(const IMINFO&)>;

    explicit SipCallback(ImInfoHandler onImInfo);

    STDMETHOD(QueryInterface)(REFIID riid, void** ppvObject) override;
    // The panel owns this object for as long as it runs; the counts are
    // kept for the callers' sake but never free it.
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;

    STDMETHOD(SetImInfo)(IMINFO* pimi) override;
    STDMETHOD(SendVirtualKey)(BYTE bVK, DWORD dwFlags) override;
    STDMETHOD(SendCharEvents)(UINT uVK, UINT uKeyFlags, UINT uChars, UINT* puShift, UINT* puChars) override;
    STDMETHOD(SendString)(BSTR ptszStr, DWORD dwChars) override;

private:
    ImInfoHandler onImInfo;
    ULONG references = 1;
};

}  // namespace platform::shell

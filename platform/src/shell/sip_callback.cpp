#include "shell/sip_callback.h"

#include <utility>

#include "apps/text_editor.h"
#include "shell/callback_log.h"

using device::CallbackRecord;

namespace platform::shell {

SipCallback::SipCallback(ImInfoHandler onImInfo) : onImInfo(std::move(onImInfo)) {}

STDMETHODIMP SipCallback::QueryInterface(REFIID riid, void** ppvObject)
{
    if (!ppvObject) return E_POINTER;
    *ppvObject = nullptr;
    if (riid != IID_IIMCallback && riid != IID_IUnknown) return E_NOINTERFACE;
    *ppvObject = static_cast<IIMCallback*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) SipCallback::AddRef() { return ++references; }

STDMETHODIMP_(ULONG) SipCallback::Release() { return references > 1 ? --references : 1; }

// Calls whose pointers cannot be read are refused and not recorded.
STDMETHODIMP SipCallback::SetImInfo(IMINFO* pimi)
{
    if (!pimi) return E_INVALIDARG;
    CallbackRecord record{CallbackRecord::Call::SetImInfo};
    record.flags = pimi->fdwFlags;
    record.rect = pimi->rcSipRect;
    RecordCallback(record);
    onImInfo(*pimi);
    return S_OK;
}

STDMETHODIMP SipCallback::SendVirtualKey(BYTE bVK, DWORD dwFlags)
{
    CallbackRecord record{CallbackRecord::Call::SendVirtualKey};
    record.virtualKey = bVK;
    record.flags = dwFlags;
    RecordCallback(record);
    if (!(dwFlags & KEYEVENTF_KEYUP)) apps::FocusedEditor().KeyDown(bVK);
    return S_OK;
}

STDMETHODIMP SipCallback::SendCharEvents(UINT uVK, UINT uKeyFlags, UINT uChars, UINT* puShift, UINT* puChars)
{
    if (uChars > 0 && (!puShift || !puChars)) return E_INVALIDARG;
    CallbackRecord record{CallbackRecord::Call::SendCharEvents};
    record.virtualKey = uVK;
    record.flags = uKeyFlags;
    record.count = uChars;
    record.shifts.assign(puShift, puShift + uChars);
    record.characters.assign(puChars, puChars + uChars);
    RecordCallback(record);
    if (!(uKeyFlags & KeyStateDownFlag)) return S_OK;
    if (uChars == 0) apps::FocusedEditor().KeyDown(uVK);
    for (UINT character : record.characters) apps::FocusedEditor().Character(character);
    return S_OK;
}

STDMETHODIMP SipCallback::SendString(BSTR ptszStr, DWORD dwChars)
{
    if (dwChars > 0 && !ptszStr) return E_INVALIDARG;
    CallbackRecord record{CallbackRecord::Call::SendString};
    record.count = dwChars;
    record.characters.assign(ptszStr, ptszStr + dwChars);
    RecordCallback(record);
    apps::FocusedEditor().Text(std::u16string_view(ptszStr, dwChars));
    return S_OK;
}

}  // namespace platform::shell

#include "translit_callback.h"

#include "rule_candidate.h"

namespace {

const UINT kKeyUpFlags = KeyShiftNoCharacterFlag | KeyStatePrevDownFlag;

// Until the input method registers the panel's callback nothing can reach an
// application: calls are refused and leave the context as it was.
const HRESULT kNoRealCallback = E_UNEXPECTED;

HRESULT SendOneCharacter(IIMCallback* callback, UINT virtualKey, UINT flags, UINT character)
{
    UINT shift = flags;
    return callback->SendCharEvents(virtualKey, flags, 1, &shift, &character);
}

}  // namespace

TranslitCallback::TranslitCallback(TranslitSettings& settings, HINSTANCE library)
    : images(library), settings(settings)
{
}

STDMETHODIMP TranslitCallback::QueryInterface(REFIID riid, void** ppv)
{
    if (IsEqualIID(riid, IID_IIMCallback)) {
        *ppv = static_cast<IIMCallback*>(this);
        AddRef();
        return S_OK;
    }
    if (!real) {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    return real->QueryInterface(riid, ppv);
}

// The object lives as long as its input method: without a real callback
// there is no count to report but that one.
STDMETHODIMP_(ULONG) TranslitCallback::AddRef() { return real ? real->AddRef() : 1; }

STDMETHODIMP_(ULONG) TranslitCallback::Release() { return real ? real->Release() : 1; }

STDMETHODIMP TranslitCallback::SetImInfo(IMINFO* pimi)
{
    if (pimi) images.WriteInto(pimi);
    return real ? real->SetImInfo(pimi) : kNoRealCallback;
}

STDMETHODIMP TranslitCallback::SendVirtualKey(BYTE bVK, DWORD dwFlags)
{
    if (!real) return kNoRealCallback;
    if (dwFlags & KEYEVENTF_KEYUP) {
        if (bVK == VK_BACK)
            context.BackspaceReleased();
        else
            context.OtherKeyReleased();
    }
    return real->SendVirtualKey(bVK, dwFlags);
}

STDMETHODIMP TranslitCallback::SendCharEvents(UINT uVK, UINT uKeyFlags, UINT uChars, UINT* puShift, UINT* puChars)
{
    if (!real) return kNoRealCallback;
    // Characters that cannot be read are the real callback's to refuse.
    bool unreadable = uChars > 0 && !puChars;
    if (!(uKeyFlags & KeyStateDownFlag) || unreadable)
        return real->SendCharEvents(uVK, uKeyFlags, uChars, puShift, puChars);

    context.CharacterDown(uChars, puChars);
    TranslitRule rule = {};
    RegStringSetting* table = settings.Table(settings.SelectedNumber());
    if (table && FindCandidate(table->Text(), context, rule)) {
        Substitute(rule);
        return S_OK;
    }
    context.PassedThrough();
    return real->SendCharEvents(uVK, uKeyFlags, uChars, puShift, puChars);
}

STDMETHODIMP TranslitCallback::SendString(BSTR ptszStr, DWORD dwChars)
{
    if (!real) return kNoRealCallback;
    context.StringSent();
    return real->SendString(ptszStr, dwChars);
}

// The result goes as a key-down only; the recogniser's own key-up for the
// character it reported follows and is passed on.
void TranslitCallback::Substitute(const TranslitRule& rule)
{
    if (rule.IsTwoCharacter() && context.MustErase()) SendBackspace();
    SendOneCharacter(real, 0, KeyStateDownFlag, static_cast<WCHAR>(rule.result));
    context.Substituted(rule);
}

void TranslitCallback::SendBackspace()
{
    SendOneCharacter(real, VK_BACK, KeyStateDownFlag, VK_BACK);
    SendOneCharacter(real, VK_BACK, kKeyUpFlags, VK_BACK);
}

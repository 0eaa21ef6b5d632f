#include "host_keys.h"

#include <sip_module.h>

namespace {

IIMCallback* Host()
{
    SipModule* module = SipModule::Instance();
    return module ? module->Callback() : nullptr;
}

}  // namespace

UINT ModifierFlags(bool shift, bool alt, bool caps, bool ctrl)
{
    return (shift ? KeyShiftAnyShiftFlag : 0) | (alt ? KeyShiftAnyAltFlag : 0) | (caps ? KeyShiftCapitalFlag : 0) |
           (ctrl ? KeyShiftAnyCtrlFlag : 0);
}

void SendKeyEvent(UINT virtualKey, UINT flags, UINT charCount, WCHAR ch)
{
    IIMCallback* host = Host();
    if (!host) return;
    UINT shiftWord = flags;
    UINT character = ch;
    host->SendCharEvents(virtualKey, flags, charCount, &shiftWord, &character);
}

void SendKeyPress(UINT virtualKey, UINT modifierFlags, UINT charCount, WCHAR ch)
{
    SendKeyEvent(virtualKey, kKeyDownFlags | modifierFlags, charCount, ch);
    SendKeyEvent(virtualKey, kKeyUpFlags | modifierFlags, charCount, ch);
}

void SendVirtualKeyEvent(BYTE virtualKey, bool down)
{
    IIMCallback* host = Host();
    if (host) host->SendVirtualKey(virtualKey, down ? 0 : KEYEVENTF_KEYUP);
}

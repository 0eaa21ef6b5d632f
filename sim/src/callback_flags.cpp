#include "callback_flags.h"

#include <cstdio>
#include <span>

#include <sipapi.h>
#include <windows.h>

namespace {

struct FlagName {
    DWORD bit;
    const char* name;
};

const FlagName kImInfoFlags[] = {
    {SIPF_ON, "SIPF_ON"},
    {SIPF_DOCKED, "SIPF_DOCKED"},
    {SIPF_LOCKED, "SIPF_LOCKED"},
};

const FlagName kVirtualKeyFlags[] = {
    {KEYEVENTF_KEYUP, "KEYEVENTF_KEYUP"},
};

const FlagName kKeyFlags[] = {
    {KeyStatePrevDownFlag, "KeyStatePrevDownFlag"},
    {KeyStateDownFlag, "KeyStateDownFlag"},
    {KeyShiftNoCharacterFlag, "KeyShiftNoCharacterFlag"},
    {KeyShiftDeadFlag, "KeyShiftDeadFlag"},
    {KeyShiftCapitalFlag, "KeyShiftCapitalFlag"},
    {KeyShiftAnyAltFlag, "KeyShiftAnyAltFlag"},
    {KeyShiftAnyShiftFlag, "KeyShiftAnyShiftFlag"},
    {KeyShiftAnyCtrlFlag, "KeyShiftAnyCtrlFlag"},
};

std::span<const FlagName> NamesFor(device::CallbackRecord::Call call)
{
    switch (call) {
    case device::CallbackRecord::Call::SetImInfo: return kImInfoFlags;
    case device::CallbackRecord::Call::SendVirtualKey: return kVirtualKeyFlags;
    case device::CallbackRecord::Call::SendCharEvents: return kKeyFlags;
    case device::CallbackRecord::Call::SendString: break;
    }
    return {};
}

}  // namespace

std::string FlagNames(const device::CallbackRecord& record)
{
    std::string text;
    DWORD left = record.flags;
    for (const FlagName& flag : NamesFor(record.call)) {
        if (!(left & flag.bit)) continue;
        text += (text.empty() ? "" : " | ") + std::string(flag.name);
        left &= ~flag.bit;
    }
    if (left) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%lX", static_cast<unsigned long>(left));
        text += (text.empty() ? "" : " | ") + std::string(hex);
    }
    return text.empty() ? "none" : text;
}

#include "shell/default_input_method.h"

#include <objbase.h>
#include <winreg.h>

#include <device/sip.h>

#include "shell/platform_keyboard.h"

namespace {

const WCHAR kSipKey[] = u"ControlPanel\\Sip";
const WCHAR kDefaultImValue[] = u"DefaultIm";
const int kClsidTextSize = 39;

}  // namespace

namespace platform::shell {

CLSID ReadDefaultInputMethod()
{
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSipKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return device::kPlatformKeyboardClsid;
    WCHAR text[kClsidTextSize + 1] = {};
    DWORD type = REG_NONE;
    DWORD size = kClsidTextSize * sizeof(WCHAR);
    LONG result = RegQueryValueExW(key, kDefaultImValue, nullptr, &type, reinterpret_cast<LPBYTE>(text), &size);
    RegCloseKey(key);
    CLSID stored;
    if (result != ERROR_SUCCESS || type != REG_SZ || FAILED(CLSIDFromString(text, &stored)))
        return device::kPlatformKeyboardClsid;
    return stored;
}

void WriteDefaultInputMethod(const CLSID& clsid)
{
    WCHAR text[kClsidTextSize];
    StringFromGUID2(clsid, text, kClsidTextSize);
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSipKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExW(key, kDefaultImValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
    RegCloseKey(key);
}

}  // namespace platform::shell

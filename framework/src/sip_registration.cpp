// Registration of the library as a SIP input method under HKCR\CLSID.
#include <aygshell.h>
#include <objbase.h>

#include "clsid_text.h"
#include "sip_module.h"

namespace {

const REGSAM kReadWrite = KEY_READ | KEY_WRITE;

const CLSID kPlatformKeyboard = {0x42429667, 0xAE04, 0x11D0, {0xA4, 0xF8, 0x00, 0xAA, 0x00, 0xA7, 0x49, 0xB9}};

void SetDefaultText(HKEY key, LPCWSTR name, LPCWSTR text)
{
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>((wcslen(text) + 1) * sizeof(WCHAR)));
}

// Creates SUBKEY under PARENT with its default value; a key that cannot be
// created is skipped.
void WriteSubkey(HKEY parent, LPCWSTR subkey, LPCWSTR defaultText)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(parent, subkey, 0, nullptr, 0, kReadWrite, nullptr, &key, &disposition) != ERROR_SUCCESS)
        return;
    SetDefaultText(key, nullptr, defaultText);
    RegCloseKey(key);
}

void WriteClassKey(HKEY classKey, SipModule& module)
{
    SetDefaultText(classKey, nullptr, module.Name());
    SetDefaultText(classKey, TEXT("Desc"), module.Description());
    WriteSubkey(classKey, TEXT("IsSIPInputMethod"), TEXT("1"));

    WCHAR path[MAX_PATH + 2] = {};
    GetModuleFileNameW(module.ModuleInstance(), path, MAX_PATH);
    WriteSubkey(classKey, TEXT("InProcServer32"), path);
    wcscat(path, TEXT(",0"));
    WriteSubkey(classKey, TEXT("DefaultIcon"), path);
}

}  // namespace

STDAPI DllRegisterServer()
{
    SipModule& module = *SipModule::Instance();
    ClsidText clsidText;
    FormatClsid(*module.Clsid(), clsidText);

    HKEY clsidRoot = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, TEXT("CLSID"), 0, kReadWrite, &clsidRoot) != ERROR_SUCCESS) return S_OK;
    HKEY classKey = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(clsidRoot, clsidText, 0, nullptr, 0, kReadWrite, nullptr, &classKey, &disposition) ==
        ERROR_SUCCESS) {
        WriteClassKey(classKey, module);
        RegCloseKey(classKey);
    }
    RegCloseKey(clsidRoot);
    return S_OK;
}

STDAPI DllUnregisterServer()
{
    SipModule& module = *SipModule::Instance();
    CLSID current = {};
    SHSipInfo(SPI_GETCURRENTIM, 0, &current, 0);
    if (IsEqualCLSID(current, *module.Clsid())) {
        CLSID keyboard = kPlatformKeyboard;
        SHSipInfo(SPI_SETCURRENTIM, 0, &keyboard, 0);
    }

    ClsidText clsidText;
    FormatClsid(*module.Clsid(), clsidText);
    HKEY clsidRoot = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, TEXT("CLSID"), 0, kReadWrite, &clsidRoot) == ERROR_SUCCESS) {
        RegDeleteKeyW(clsidRoot, clsidText);
        RegCloseKey(clsidRoot);
    }
    return S_OK;
}

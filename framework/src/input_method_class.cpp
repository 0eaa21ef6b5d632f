#include "input_method_class.h"

#include <aygshell.h>
#include <objbase.h>

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

void WriteClassKey(HKEY classKey, LPCWSTR name, LPCWSTR description, HINSTANCE library)
{
    SetDefaultText(classKey, nullptr, name);
    SetDefaultText(classKey, TEXT("Desc"), description);
    WriteSubkey(classKey, TEXT("IsSIPInputMethod"), TEXT("1"));

    WCHAR path[MAX_PATH + 2] = {};
    GetModuleFileNameW(library, path, MAX_PATH);
    WriteSubkey(classKey, TEXT("InProcServer32"), path);
    wcscat(path, TEXT(",0"));
    WriteSubkey(classKey, TEXT("DefaultIcon"), path);
}

}  // namespace

void RegisterInputMethodClass(LPCWSTR clsidText, LPCWSTR name, LPCWSTR description, HINSTANCE library)
{
    HKEY clsidRoot = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, TEXT("CLSID"), 0, kReadWrite, &clsidRoot) != ERROR_SUCCESS) return;
    HKEY classKey = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(clsidRoot, clsidText, 0, nullptr, 0, kReadWrite, nullptr, &classKey, &disposition) ==
        ERROR_SUCCESS) {
        WriteClassKey(classKey, name, description, library);
        RegCloseKey(classKey);
    }
    RegCloseKey(clsidRoot);
}

void UnregisterInputMethodClass(REFCLSID clsid, LPCWSTR clsidText)
{
    CLSID current = {};
    SHSipInfo(SPI_GETCURRENTIM, 0, &current, 0);
    if (IsEqualCLSID(current, clsid)) {
        CLSID keyboard = kPlatformKeyboard;
        SHSipInfo(SPI_SETCURRENTIM, 0, &keyboard, 0);
    }

    HKEY clsidRoot = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, TEXT("CLSID"), 0, kReadWrite, &clsidRoot) == ERROR_SUCCESS) {
        RegDeleteKeyW(clsidRoot, clsidText);
        RegCloseKey(clsidRoot);
    }
}

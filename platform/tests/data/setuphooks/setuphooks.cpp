#include "setuphooks.h"

#include <pkfuncs.h>
#include <windows.h>

#include <string>

namespace {

HKEY OpenHooksKey()
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    RegCreateKeyExW(HKEY_CURRENT_USER, kHooksKey, 0, nullptr, 0, 0, nullptr, &key, &disposition);
    return key;
}

DWORD ReadDword(const WCHAR* name)
{
    HKEY key = OpenHooksKey();
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
        value = 0;
    RegCloseKey(key);
    return value;
}

void WriteDword(const WCHAR* name, DWORD value)
{
    HKEY key = OpenHooksKey();
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

// The parent is described by its title and whether it shows.
std::u16string Describe(HWND parent)
{
    WCHAR title[64] = {};
    GetWindowTextW(parent, title, 64);
    return std::u16string(u"[") + title + (IsWindowVisible(parent) ? u"]" : u" hidden]");
}

std::u16string Number(DWORD number)
{
    std::u16string text;
    do text.insert(text.begin(), static_cast<char16_t>(u'0' + number % 10));
    while (number /= 10);
    return text;
}

void Record(const std::u16string& call)
{
    HKEY key = OpenHooksKey();
    std::u16string calls(4096, u'\0');
    DWORD size = static_cast<DWORD>(calls.size() * sizeof(char16_t)), type = 0;
    if (RegQueryValueExW(key, u"Calls", nullptr, &type, reinterpret_cast<BYTE*>(calls.data()), &size) != ERROR_SUCCESS)
        size = 0;
    calls.resize(size / sizeof(char16_t));
    calls = calls.substr(0, calls.find(u'\0')) + call + u"\n";
    RegSetValueExW(key, u"Calls", 0, REG_SZ, reinterpret_cast<const BYTE*>(calls.c_str()),
                   static_cast<DWORD>((calls.size() + 1) * sizeof(char16_t)));
    RegCloseKey(key);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }

extern "C" {

int Install_Init(HWND parent, BOOL firstCall, BOOL previouslyInstalled, LPCWSTR installDirectory)
{
    Record(u"Install_Init " + Describe(parent) + u" " + Number(firstCall) + u" " + Number(previouslyInstalled) +
           u" " + installDirectory);
    return static_cast<int>(ReadDword(u"Install_Init"));
}

int Install_Exit(HWND parent, LPCWSTR installDirectory, WORD directories, WORD files, WORD keys, WORD values,
                 WORD shortcuts)
{
    Record(u"Install_Exit " + Describe(parent) + u" " + installDirectory + u" " + Number(directories) + u" " +
           Number(files) + u" " + Number(keys) + u" " + Number(values) + u" " + Number(shortcuts));
    return static_cast<int>(ReadDword(u"Install_Exit"));
}

int Uninstall_Init(HWND parent, LPCWSTR installDirectory)
{
    Record(u"Uninstall_Init " + Describe(parent) + u" " + installDirectory);
    DWORD answer = ReadDword(u"Uninstall_Init");
    if (answer != kRestartFirst) return static_cast<int>(answer);
    if (ReadDword(u"Restarted")) return 0;
    WriteDword(u"Restarted", 1);
    KernelIoControl(IOCTL_HAL_REBOOT, nullptr, 0, nullptr, 0, nullptr);
    return 1;
}

int Uninstall_Exit(HWND parent)
{
    Record(u"Uninstall_Exit " + Describe(parent));
    return 0;
}

HRESULT DllRegisterServer()
{
    WriteDword(u"Registered", 1);
    return S_OK;
}

HRESULT DllUnregisterServer()
{
    WriteDword(u"Registered", 0);
    return S_OK;
}

}  // extern "C"

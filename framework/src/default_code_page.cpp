#include "default_code_page.h"

namespace {

const WCHAR kInternationalKey[] = TEXT("SOFTWARE\\Microsoft\\Internet Explorer\\International");
const WCHAR kDefaultCodePage[] = TEXT("Default_CodePage");
const DWORD kWesternCodePage = 1252;

struct LanguageCodePage {
    LCID language;
    DWORD codePage;
};

const LanguageCodePage kHelpCodePages[] = {
    {1049, 1251},
    {3098, 1251},
    {1026, 1251},
    {1032, 1253},
};

LONG OpenInternationalKey(HKEY& key)
{
    DWORD disposition = 0;
    return RegCreateKeyExW(HKEY_LOCAL_MACHINE, kInternationalKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key,
                           &disposition);
}

// Every change is committed when it succeeded and told to every window in
// any case, so that none keeps a code page the registry no longer holds.
template <class Change>
void ChangeAndBroadcast(Change change)
{
    HKEY key = nullptr;
    LONG result = OpenInternationalKey(key);
    if (result == ERROR_SUCCESS) {
        result = change(key);
        RegCloseKey(key);
    }
    if (result == ERROR_SUCCESS) RegFlushKey(HKEY_LOCAL_MACHINE);
    SendMessageW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, INI_INTL);
}

}  // namespace

DWORD HelpCodePage(LCID language)
{
    for (const LanguageCodePage& entry : kHelpCodePages)
        if (entry.language == language) return entry.codePage;
    return kWesternCodePage;
}

LONG ReadDefaultCodePage(DWORD& codePage)
{
    HKEY key = nullptr;
    LONG result = OpenInternationalKey(key);
    if (result != ERROR_SUCCESS) return result;
    DWORD type = REG_NONE;
    DWORD size = sizeof codePage;
    result = RegQueryValueExW(key, kDefaultCodePage, nullptr, &type, reinterpret_cast<LPBYTE>(&codePage), &size);
    RegCloseKey(key);
    if (result == ERROR_SUCCESS && (type != REG_DWORD || size != sizeof codePage)) return ERROR_INVALID_DATA;
    return result;
}

BOOL WriteDefaultCodePage(DWORD codePage)
{
    ChangeAndBroadcast([codePage](HKEY key) {
        return RegSetValueExW(key, kDefaultCodePage, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&codePage),
                              sizeof codePage);
    });
    return TRUE;
}

void DeleteDefaultCodePage()
{
    ChangeAndBroadcast([](HKEY key) { return RegDeleteValueW(key, kDefaultCodePage); });
}

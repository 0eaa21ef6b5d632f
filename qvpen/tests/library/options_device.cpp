#include "options_device.h"

#include <device/controls.h>
#include <device/dialogs.h>
#include <device/sip.h>

const WCHAR kUser2[] = TEXT("QVPenTranslitTableUserDefined2");

namespace {

const WCHAR kProductKey[] = TEXT("SOFTWARE\\Tarvex\\Lexovia");

HKEY ProductKey()
{
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kProductKey, 0, nullptr, 0, 0, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    return key;
}

void StoreDword(LPCWSTR name, DWORD value)
{
    HKEY key = ProductKey();
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

}  // namespace

void OptionsDevice::SetUp()
{
    FreshDevice::SetUp();
    StoreDword(TEXT("InterfaceLang"), InterfaceLanguage());
    ASSERT_NO_FATAL_FAILURE(InstallQvpen());
    ASSERT_TRUE(device::SelectInputMethod(kQvpen));
    device::ShowInputPanel();
}

void OptionsDevice::OpenOptions()
{
    EXPECT_EQ(device::OpenInputMethodOptions(), S_OK);
    EXPECT_EQ(device::PendingUserActions(), 0u) << "the page closed before the user was done";
}

void OptionsDevice::StoreSelection(DWORD number) { StoreDword(TEXT("QVPenTranslitTable"), number); }

void OptionsDevice::StoreTable(LPCWSTR valueName, LPCWSTR text)
{
    HKEY key = ProductKey();
    RegSetValueExW(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>((wcslen(text) + 1) * sizeof(WCHAR)));
    RegCloseKey(key);
}

std::u16string OptionsDevice::StoredTable(LPCWSTR valueName)
{
    HKEY key = ProductKey();
    WCHAR text[2100] = {};
    DWORD size = sizeof text - sizeof(WCHAR);
    LONG result = RegQueryValueExW(key, valueName, nullptr, nullptr, reinterpret_cast<LPBYTE>(text), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? std::u16string(text) : u"<missing>";
}

DWORD OptionsDevice::StoredSelection()
{
    HKEY key = ProductKey();
    DWORD number = 0xFFFF;
    DWORD size = sizeof number;
    RegQueryValueExW(key, TEXT("QVPenTranslitTable"), nullptr, nullptr, reinterpret_cast<LPBYTE>(&number), &size);
    RegCloseKey(key);
    return number;
}

void Then(std::function<void(HWND waiting)> action) { device::QueueUserAction(std::move(action)); }

void Choose(HWND dialog, int list, int row)
{
    EXPECT_TRUE(device::ChooseListItem(GetDlgItem(dialog, list), row)) << device::ControlActionFailure();
}

void Click(HWND dialog, int id)
{
    EXPECT_TRUE(device::ClickControl(GetDlgItem(dialog, id))) << device::ControlActionFailure();
}

void Type(HWND dialog, int edit, std::u16string_view text)
{
    EXPECT_TRUE(device::TypeIntoControl(GetDlgItem(dialog, edit), text)) << device::ControlActionFailure();
}

std::u16string TextOf(HWND dialog, int id)
{
    WCHAR text[256] = {};
    GetWindowTextW(id ? GetDlgItem(dialog, id) : dialog, text, 256);
    return text;
}

std::vector<std::u16string> RulesListed(HWND page)
{
    HWND list = GetDlgItem(page, kRuleList);
    std::vector<std::u16string> rows;
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < count; ++row) {
        WCHAR text[128] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
        rows.push_back(text);
    }
    return rows;
}

int SelectedRule(HWND page) { return static_cast<int>(SendDlgItemMessageW(page, kRuleList, LB_GETCURSEL, 0, 0)); }

bool IsEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

#include <commctrl.h>
#include <device/controls.h>
#include <device/dialogs.h>
#include <device/help_viewer.h>
#include <device/sip.h>
#include <device/text.h>

#include <functional>
#include <optional>

#include "keyboard_device.h"

namespace {

const WCHAR kProductKey[] = TEXT("SOFTWARE\\Tarvex\\Lexovia");
const int kRepeatControls[] = {2000, 2001, 2004, 2006, 2007, 2005, 2008, 2009};

std::optional<DWORD> StoredDword(LPCWSTR name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kProductKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    DWORD value = 0;
    DWORD size = sizeof value;
    LONG result = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? std::optional<DWORD>(value) : std::nullopt;
}

void StoreDword(LPCWSTR name, DWORD value)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kProductKey, 0, nullptr, 0, 0, nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

void DeleteValue(LPCWSTR name)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kProductKey, 0, KEY_WRITE, &key), ERROR_SUCCESS);
    RegDeleteValueW(key, name);
    RegCloseKey(key);
}

std::string TextOf(HWND dialog, int id)
{
    WCHAR text[100] = {};
    GetDlgItemTextW(dialog, id, text, 100);
    return device::Utf8(text);
}

RECT PlaceOf(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    return rect;
}

class OptionsPageTest : public KeyboardDevice {
protected:
    // Opens the page through the input method, as the panel does, and runs
    // ACTION while it waits; ACTION ends it.
    void WhileOpen(std::function<void(HWND)> action)
    {
        device::QueueUserAction(std::move(action));
        EXPECT_EQ(device::OpenInputMethodOptions(), S_OK);
        EXPECT_EQ(device::PendingUserActions(), 0u);
    }
};

TEST_F(OptionsPageTest, RepeatOffOpensWithItsControlsDisabledAndTickingEnablesThemWithoutStoring)
{
    StoreDword(TEXT("KbdRepeat"), 0);
    WhileOpen([](HWND dialog) {
        EXPECT_EQ(SendDlgItemMessageW(dialog, 2002, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        for (int id : kRepeatControls) EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, id))) << id;
        EXPECT_TRUE(device::ClickControl(GetDlgItem(dialog, 2002)));
        for (int id : kRepeatControls) EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, id))) << id;
        EXPECT_EQ(StoredDword(TEXT("KbdRepeat")), 0u) << "nothing is stored before OK";
        EXPECT_TRUE(device::PressDoneButton(dialog));
    });
    EXPECT_EQ(StoredDword(TEXT("KbdRepeat")), 1u);
}

TEST_F(OptionsPageTest, OkStoresAllFourValuesTheTrackbarsClampedAndNeverTheInterfaceLanguage)
{
    StoreDword(TEXT("KbdRepeatDelay"), 9);
    DeleteValue(TEXT("KbdRepeatRate"));
    DeleteValue(TEXT("KbdColored"));
    DeleteValue(TEXT("InterfaceLang"));
    WhileOpen([](HWND dialog) {
        EXPECT_EQ(SendDlgItemMessageW(dialog, 2000, TBM_GETPOS, 0, 0), 8) << "the trackbar ends at 8";
        EXPECT_EQ(SendDlgItemMessageW(dialog, 2001, TBM_GETPOS, 0, 0), 4);
        EXPECT_EQ(SendDlgItemMessageW(dialog, 2010, BM_GETCHECK, 0, 0), BST_CHECKED);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        EXPECT_TRUE(IsWindowVisible(dialog)) << "the page has no cancel command";
        EXPECT_TRUE(device::MoveTrackbar(GetDlgItem(dialog, 2001), 2));
        EXPECT_TRUE(device::PressDoneButton(dialog));
    });
    EXPECT_EQ(StoredDword(TEXT("KbdRepeat")), 1u);
    EXPECT_EQ(StoredDword(TEXT("KbdRepeatDelay")), 8u);
    EXPECT_EQ(StoredDword(TEXT("KbdRepeatRate")), 2u);
    EXPECT_EQ(StoredDword(TEXT("KbdColored")), 1u);
    EXPECT_EQ(StoredDword(TEXT("InterfaceLang")), std::nullopt);
}

TEST_F(OptionsPageTest, ThePageIsFullScreenWithTheShellsOkButtonAndTheInputPanelLowered)
{
    WhileOpen([](HWND dialog) {
        EXPECT_TRUE(device::HasDoneButton(dialog));
        EXPECT_FALSE(device::IsInputPanelShown());
        RECT place = PlaceOf(dialog);
        EXPECT_EQ(place.top, 26);
        EXPECT_EQ(place.right - place.left, 240);
        EXPECT_EQ(TextOf(dialog, 2011), "Options: ");
        device::PressDoneButton(dialog);
    });
}

TEST_F(OptionsPageTest, TextsFollowTheInterfaceLanguage)
{
    struct Case {
        DWORD language;
        const char* repeat;
        const char* longDelay;
        const char* colored;
    };
    const Case cases[] = {
        {1033, "Character repeating", "Long", "Use colored keyboard"},
        {1035, "Merkin toisto", "Pitkä", "Värikäs näppäimistö"},
        {1049, "Character repeat", "Long", "Use colored keyboard"},
    };
    for (const Case& c : cases) {
        StoreDword(TEXT("InterfaceLang"), c.language);
        WhileOpen([&](HWND dialog) {
            SCOPED_TRACE(c.language);
            EXPECT_EQ(TextOf(dialog, 2002), c.repeat);
            EXPECT_EQ(TextOf(dialog, 2006), c.longDelay);
            EXPECT_EQ(TextOf(dialog, 2010), c.colored);
            EXPECT_EQ(TextOf(dialog, 2011), "Options: ") << "the title stays";
            device::PressDoneButton(dialog);
        });
    }
}

TEST_F(OptionsPageTest, HebrewMirrorsThePageButKeepsTheTrackbarsDirection)
{
    StoreDword(TEXT("InterfaceLang"), 1037);
    WhileOpen([](HWND dialog) {
        HWND longLabel = GetDlgItem(dialog, 2006);
        HWND shortLabel = GetDlgItem(dialog, 2007);
        EXPECT_GT(PlaceOf(longLabel).left, PlaceOf(shortLabel).left) << "Long and Short swap sides";
        EXPECT_EQ(GetWindowLongW(longLabel, GWL_STYLE) & SS_RIGHT, SS_RIGHT);
        EXPECT_EQ(GetWindowLongW(shortLabel, GWL_STYLE) & SS_RIGHT, 0);
        EXPECT_EQ(GetWindowLongW(GetDlgItem(dialog, 2002), GWL_STYLE) & BS_LEFTTEXT, BS_LEFTTEXT);
        EXPECT_EQ(GetWindowLongW(GetDlgItem(dialog, 2000), GWL_STYLE) & 0xFFFF, TBS_AUTOTICKS);
        EXPECT_EQ(TextOf(dialog, 2002), "Character repeat") << "Hebrew has no texts of its own";
        device::PressDoneButton(dialog);
    });
}

TEST_F(OptionsPageTest, HelpOpensTheKeyboardTopicInTheViewer)
{
    WhileOpen([](HWND dialog) {
        EXPECT_TRUE(device::AskForHelp(dialog));
        device::PressDoneButton(dialog);
    });
    EXPECT_EQ(device::Utf8(device::LastHelpCommand()), "file:plENU.htm#keyboard");
}

}  // namespace

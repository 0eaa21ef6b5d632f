#include <aygshell.h>
#include <device/com.h>
#include <device/sip.h>
#include <device/text.h>
#include <device/text_editor.h>
#include <objbase.h>
#include <winreg.h>

#include "fresh_device.h"
#include "sequence_comparison.h"
#include "sip_recording_input_method.h"

namespace {

const CLSID kClassA = {0x1A1A1A1A, 0x0001, 0x0001, {1, 1, 1, 1, 1, 1, 1, 1}};
const CLSID kClassB = {0x2B2B2B2B, 0x0002, 0x0002, {2, 2, 2, 2, 2, 2, 2, 2}};
const CLSID kRefusedClass = {0x3C3C3C3C, 0x0003, 0x0003, {3, 3, 3, 3, 3, 3, 3, 3}};

HRESULT RefuseCreation(IUnknown*, REFIID, void**) { return E_OUTOFMEMORY; }

struct CallRules {
    bool Optional(const std::string&) const { return false; }
    bool Matches(const std::string& expected, const std::string& actual) const { return expected == actual; }
    std::string Describe(const std::string& row) const { return row; }
};

std::u16string StoredDefaultIm()
{
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, u"ControlPanel\\Sip", 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return u"";
    WCHAR text[64] = {};
    DWORD size = sizeof text - sizeof(WCHAR);
    RegQueryValueExW(key, u"DefaultIm", nullptr, nullptr, reinterpret_cast<LPBYTE>(text), &size);
    RegCloseKey(key);
    return text;
}

class SipManagerTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        device::AddBuiltinClass(kClassA, CreateRecordingA);
        device::AddBuiltinClass(kClassB, CreateRecordingB);
        device::AddBuiltinClass(kRefusedClass, RefuseCreation);
        RecordingInputMethod::Calls().clear();
    }

    // Compares the calls made since the last step with the table, then starts afresh.
    ::testing::AssertionResult CallsWere(const std::string& step, std::vector<std::string> expected)
    {
        std::vector<std::string> calls;
        calls.swap(RecordingInputMethod::Calls());
        return CompareSequence(step, std::span<const std::string>(expected), std::span<const std::string>(calls),
                               CallRules{});
    }

    static bool IsShownOnScreen() { return IsWindowVisible(device::InputPanelWindow()) != FALSE; }
};

}  // namespace

TEST_F(SipManagerTest, AFreshDeviceStartsWithThePlatformKeyboardDockedAndHidden)
{
    CLSID current = {};
    EXPECT_TRUE(SHSipInfo(SPI_GETCURRENTIM, 0, &current, 0));
    EXPECT_EQ(current, device::kPlatformKeyboardClsid);
    EXPECT_FALSE(device::IsInputPanelShown());
    EXPECT_FALSE(IsShownOnScreen());
    RECT panel = device::InputPanelRect();
    EXPECT_EQ(panel.top, 214);
    EXPECT_EQ(panel.bottom, 294);
    EXPECT_EQ(panel.right - panel.left, 240);

    device::ShowInputPanel();
    EXPECT_TRUE(IsShownOnScreen());
    EXPECT_TRUE(device::IsInputPanelOn());
    device::HideInputPanel();
    EXPECT_FALSE(IsShownOnScreen());
    EXPECT_FALSE(device::IsInputPanelOn());
}

TEST_F(SipManagerTest, SelectingCreatesTheInputMethodThenRegistersSelectsAndAsks)
{
    EXPECT_TRUE(SHSipInfo(SPI_SETCURRENTIM, 0, const_cast<CLSID*>(&kClassA), 0));
    EXPECT_TRUE(CallsWere("select A while hidden",
                          {"A.created", "A.RegisterCallback", "A.Select", "A.GetInfo", "A.ReceiveSipInfo"}));
    EXPECT_EQ(RecordingInputMethod::selectedIn, device::InputPanelWindow());
    EXPECT_NE(RecordingInputMethod::lastCallback, nullptr);
    EXPECT_EQ(device::CurrentInputMethod(), kClassA);
    EXPECT_EQ(StoredDefaultIm(), u"{1A1A1A1A-0001-0001-0101-010101010101}");

    EXPECT_TRUE(device::SelectInputMethod(kClassA));
    EXPECT_TRUE(CallsWere("selecting the current one again", {}));
}

TEST_F(SipManagerTest, ShowingAndHidingTellTheInputMethodFirst)
{
    device::SelectInputMethod(kClassB);
    RecordingInputMethod::Calls().clear();

    device::ShowInputPanel();
    EXPECT_TRUE(CallsWere("show", {"B.Showing", "B.GetInfo"}));
    EXPECT_FALSE(RecordingInputMethod::panelVisibleAtShowing) << "Showing comes before the panel is on the screen";
    EXPECT_TRUE(IsShownOnScreen());
    EXPECT_EQ(device::InputPanelRect().top, 294 - 120) << "the panel takes the height the input method reports";
    device::ShowInputPanel();
    EXPECT_TRUE(CallsWere("show again", {}));

    device::HideInputPanel();
    EXPECT_TRUE(CallsWere("hide", {"B.Hiding", "B.GetInfo"}));
    EXPECT_TRUE(RecordingInputMethod::panelVisibleAtHiding) << "Hiding comes while the panel is still on the screen";
    EXPECT_FALSE(IsShownOnScreen());
    EXPECT_EQ(device::InputPanelRect().top, 294 - 120) << "a hidden panel keeps its place";
    device::HideInputPanel();
    EXPECT_TRUE(CallsWere("hide again", {}));
}

TEST_F(SipManagerTest, SwitchingWhileShownHandsThePanelOver)
{
    device::SelectInputMethod(kClassA);
    device::ShowInputPanel();
    RecordingInputMethod::Calls().clear();

    EXPECT_TRUE(device::SelectInputMethod(kClassB));
    EXPECT_TRUE(CallsWere("switch from A to B while shown",
                          {"B.created", "A.Hiding", "A.Deselect", "B.RegisterCallback", "B.Select", "B.GetInfo",
                           "B.ReceiveSipInfo", "B.Showing", "B.GetInfo"}));
    EXPECT_TRUE(IsShownOnScreen());
    EXPECT_EQ(device::InputPanelRect().top, 294 - 120);
}

TEST_F(SipManagerTest, SwitchingBackSelectsTheKeptObjectAgainUntilTheDeviceCloses)
{
    device::SelectInputMethod(kClassA);
    device::ShowInputPanel();
    device::SelectInputMethod(kClassB);
    RecordingInputMethod::Calls().clear();

    EXPECT_TRUE(device::SelectInputMethod(kClassA));
    EXPECT_TRUE(CallsWere("back to A", {"B.Hiding", "B.Deselect", "A.RegisterCallback", "A.Select", "A.GetInfo",
                                        "A.ReceiveSipInfo", "A.Showing", "A.GetInfo"}));
    EXPECT_EQ(device::InputPanelRect().top, 294 - 80);
    const auto& log = device::SipEventLog();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.back().kind, device::SipEvent::Kind::Selected) << "the way back is logged as any switch is";
    EXPECT_EQ(log.back().clsid, kClassA);

    device::Close();
    EXPECT_TRUE(CallsWere("close", {"A.Hiding", "A.Deselect", "A.destroyed", "B.destroyed"}));
    ASSERT_TRUE(device::CreateFresh());
}

TEST_F(SipManagerTest, AClassThatCannotBeCreatedLeavesTheCurrentOneLoaded)
{
    device::SelectInputMethod(kClassA);
    RecordingInputMethod::Calls().clear();
    const CLSID unregistered = {0x4D4D4D4D, 0x0004, 0x0004, {4, 4, 4, 4, 4, 4, 4, 4}};

    for (const CLSID& clsid : {kRefusedClass, unregistered}) {
        EXPECT_FALSE(SHSipInfo(SPI_SETCURRENTIM, 0, const_cast<CLSID*>(&clsid), 0));
        EXPECT_EQ(device::CurrentInputMethod(), kClassA);
    }
    EXPECT_TRUE(CallsWere("failed switches", {}));
    EXPECT_EQ(StoredDefaultIm(), u"{1A1A1A1A-0001-0001-0101-010101010101}");
    device::ShowInputPanel();
    EXPECT_TRUE(CallsWere("A still drives the panel", {"A.Showing", "A.GetInfo"}));
}

TEST_F(SipManagerTest, TheOptionsPageIsOwnedByTheSipWindow)
{
    device::SelectInputMethod(kClassA);
    RecordingInputMethod::Calls().clear();
    EXPECT_EQ(device::OpenInputMethodOptions(), S_OK);
    EXPECT_TRUE(CallsWere("options", {"A.UserOptionsDlg"}));
    EXPECT_EQ(RecordingInputMethod::optionsOwner, device::InputPanelWindow());
}

TEST_F(SipManagerTest, SetImInfoMovesThePanelAndRecordsItsState)
{
    device::SelectInputMethod(kClassA);
    IMINFO info = {};
    info.cbSize = sizeof info;
    info.fdwFlags = SIPF_DOCKED | SIPF_ON;
    info.rcSipRect = {0, 150, 240, 250};
    RecordingInputMethod::lastCallback->SetImInfo(&info);
    RECT panel = device::InputPanelRect();
    EXPECT_EQ(panel.top, 150);
    EXPECT_EQ(panel.bottom, 294) << "the bottom edge stays where the menu bar starts";
    EXPECT_TRUE(device::IsInputPanelOn());
    RECT onScreen;
    GetWindowRect(device::InputPanelWindow(), &onScreen);
    EXPECT_EQ(onScreen.top, 150);
    EXPECT_EQ(onScreen.bottom, 294);

    info.fdwFlags = SIPF_DOCKED;
    info.rcSipRect = {};
    RecordingInputMethod::lastCallback->SetImInfo(&info);
    EXPECT_EQ(device::InputPanelRect().top, 150) << "an empty rectangle leaves the panel in place";
    EXPECT_FALSE(device::IsInputPanelOn());
}

TEST_F(SipManagerTest, KeysFromTheInputMethodReachTheFocusedApplication)
{
    device::SelectInputMethod(kClassA);
    device::ClearCallbackLog();
    UINT flags = KeyStateDownFlag;
    UINT character = 'k';
    RecordingInputMethod::lastCallback->SendCharEvents(0, flags, 1, &flags, &character);
    EXPECT_EQ(device::EditorText(), u"k");
    EXPECT_EQ(device::CallbackLogLines(), std::vector<std::string>{"SendCharEvents(0x00, 0x80, 1, \"k\")"});
}

TEST_F(SipManagerTest, ThePanelStartsWithTheStoredInputMethodOrElseThePlatformKeyboard)
{
    const struct {
        const char16_t* stored;
        CLSID loaded;
    } cases[] = {
        {u"{2b2b2b2b-0002-0002-0202-020202020202}", kClassB},
        {u"{3C3C3C3C-0003-0003-0303-030303030303}", device::kPlatformKeyboardClsid},  // cannot be created
        {u"not a class", device::kPlatformKeyboardClsid},
    };
    for (const auto& test : cases) {
        ASSERT_TRUE(device::CreateFresh());
        device::AddBuiltinClass(kClassB, CreateRecordingB);
        device::AddBuiltinClass(kRefusedClass, RefuseCreation);
        HKEY key;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"ControlPanel\\Sip", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        std::u16string stored = test.stored;
        RegSetValueExW(key, u"DefaultIm", 0, REG_SZ, reinterpret_cast<const BYTE*>(stored.c_str()),
                       static_cast<DWORD>((stored.size() + 1) * sizeof(WCHAR)));
        RegCloseKey(key);
        EXPECT_EQ(device::CurrentInputMethod(), test.loaded) << device::Utf8(stored);
        EXPECT_EQ(StoredDefaultIm(), stored) << "starting the panel changes no setting";
    }
}

TEST_F(SipManagerTest, ClosingTheDeviceReleasesTheInputMethodProperly)
{
    device::SelectInputMethod(kClassA);
    device::ShowInputPanel();
    RecordingInputMethod::Calls().clear();
    device::Close();
    EXPECT_TRUE(CallsWere("close", {"A.Hiding", "A.Deselect", "A.destroyed"}));
    ASSERT_TRUE(device::CreateFresh());
}

TEST_F(SipManagerTest, BadArgumentsAreRefused)
{
    SetLastError(0);
    EXPECT_FALSE(SHSipInfo(SPI_GETCURRENTIM, 0, nullptr, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(SHSipInfo(SPI_SETCURRENTIM, 0, nullptr, 0));
    CLSID clsid;
    EXPECT_FALSE(SHSipInfo(0x1234, 0, &clsid, 0));
}

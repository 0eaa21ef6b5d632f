// The built keyboard library as the device loads it: registered under its
// class, selected into a 240 x 80 window at the bottom of the input panel,
// and silent while no host callback is registered.
#include <sipapi.h>

#include <device/clock.h>
#include <device/pen.h>
#include <device/sip.h>
#include <device/text_editor.h>

#include "callback_sequence.h"
#include "keyboard_device.h"

namespace {

std::u16string ClassValue(LPCWSTR name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, TEXT("CLSID\\{42112D3E-CDA6-4AAB-931E-CE2104F07C21}"), 0, 0, &key) !=
        ERROR_SUCCESS)
        return u"<no key>";
    WCHAR text[MAX_PATH] = {};
    DWORD size = sizeof(text);
    LONG result = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<LPBYTE>(text), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? std::u16string(text) : u"<no value>";
}

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

using KeyboardLibraryTest = KeyboardDevice;

class UnhostedKeyboardTest : public FreshDevice {};

}  // namespace

TEST_F(KeyboardLibraryTest, RegistersAsTheFinnishKeyboardAndFillsTheBottomOfThePanelArea)
{
    EXPECT_EQ(ClassValue(nullptr), u"Finnish keyboard");
    EXPECT_EQ(ClassValue(TEXT("Desc")), u"Tarvex Lexovia - Finnish keyboard.");
    EXPECT_EQ(device::CurrentInputMethod(), kFinnishKeyboard);

    POINT corner = ScreenPoint(0, 0);
    HWND keyboard = device::PenDown(corner.x, corner.y);
    device::PenUp(corner.x, corner.y);
    ASSERT_NE(keyboard, nullptr);
    RECT placed = {};
    GetWindowRect(keyboard, &placed);
    EXPECT_TRUE((placed == RECT{0, 214, 240, 294}));
    EXPECT_TRUE(device::IsInputPanelOn());
}

// The panel keeps the keyboard's object across the switch; what the keyboard
// remembers is what its deselect and select leave.
TEST_F(KeyboardLibraryTest, AfterSwitchingAwayAndBackAPendingAccentAndALatchedShiftAreGone)
{
    const int kShiftKey = 40, kAcuteKey = 12, kKeyE = 17;
    const Stroke pending[] = {Tap(kShiftKey), Tap(kAcuteKey)};
    Run(pending);
    ASSERT_TRUE(device::SelectInputMethod(device::kPlatformKeyboardClsid));
    ASSERT_TRUE(device::SelectInputMethod(kFinnishKeyboard));
    device::ClearEditor();
    const Stroke typing[] = {Tap(kKeyE), Tap(kKeyE)};
    Run(typing);
    EXPECT_EQ(device::EditorText(), u"ee");
}

TEST_F(UnhostedKeyboardTest, WithoutAHostCallbackKeysSendNothing)
{
    ASSERT_NO_FATAL_FAILURE(InstallKeyboard());
    IInputMethod* method = nullptr;
    ASSERT_EQ(CoCreateInstance(kFinnishKeyboard, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                               reinterpret_cast<void**>(&method)),
              S_OK);
    WNDCLASSW hostClass = {};
    hostClass.lpfnWndProc = DefWindowProcW;
    hostClass.lpszClassName = TEXT("Host");
    RegisterClassW(&hostClass);
    HWND host = CreateWindowExW(WS_EX_TOPMOST, TEXT("Host"), TEXT(""), WS_VISIBLE, 0, 214, 240, 80, nullptr, nullptr,
                                nullptr, nullptr);
    method->Select(host);
    method->Showing();

    // Shift, a, Ctrl, c, and a held Space that repeats.
    const POINT keys[] = {{18, 56}, {39, 40}, {13, 72}, {80, 56}};
    for (POINT key : keys) {
        device::Tap(key.x, 214 + key.y);
    }
    device::PenDown(110, 214 + 72);
    device::AdvanceClock(1000);
    device::PenUp(110, 214 + 72);

    EXPECT_TRUE(CallbackLogMatches("no callback", {}));
    EXPECT_EQ(device::EditorText(), u"");
    method->Hiding();
    method->Deselect();
    EXPECT_EQ(method->Release(), 0u);
    DestroyWindow(host);
}

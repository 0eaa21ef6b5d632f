// The screen as the shell draws it: the navigation bar and the menu bar
// around the notes application, the input panel's button, the shell's OK
// button for dialogs that ask for it, and the notes application's text.
#include <aygshell.h>
#include <windows.h>

#include <device/clock.h>
#include <device/paint.h>
#include <device/pen.h>
#include <device/recogniser.h>
#include <device/screen.h>
#include <device/sip.h>
#include <device/text_editor.h>

#include <vector>

#include "fresh_device.h"
#include "golden_image.h"
#include "shell/shell_bars_layout.h"

namespace {

using ShellScreenTest = FreshDevice;

int commandsSeen = 0;

BOOL CALLBACK CountCommands(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) ++commandsSeen;
    return message == WM_INITDIALOG;
}

// A modeless dialog captioned "Rules", without controls.
HWND OpenRulesDialog()
{
    std::vector<WORD> words = {0, 0x9000, 0, 0, 0, 0, 0, 0, 100, 100, 0, 0};
    for (char16_t c : std::u16string_view(u"Rules")) words.push_back(c);
    words.push_back(0);
    return CreateDialogIndirectParamW(nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), nullptr,
                                      CountCommands, 0);
}

void TapCentreOf(const RECT& rect, int top)
{
    device::Tap((rect.left + rect.right) / 2, top + (rect.top + rect.bottom) / 2);
}

void Write(std::u16string_view text)
{
    ASSERT_TRUE(device::SelectInputMethod(device::kLetterRecogniserClsid));
    device::ShowInputPanel();
    ASSERT_TRUE(device::WriteCharacters(text)) << device::RecogniserFailure();
    device::DeliverPaints();
}

}  // namespace

TEST(ShellClockTest, ShowsHoursAndMinutesFromTheDevicesStart)
{
    const struct {
        uint64_t ticks;
        const char16_t* shown;
    } cases[] = {
        {0, u"10:38"},
        {59'999, u"10:38"},
        {60'000, u"10:39"},
        {(13 * 60 + 21) * 60'000ull, u"23:59"},
        {(13 * 60 + 22) * 60'000ull, u"0:00"},
        {(13 * 60 + 32) * 60'000ull, u"0:10"},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::shell::ClockText(c.ticks), c.shown) << c.ticks;
}

TEST_F(ShellScreenTest, TheBareScreenHasBothBarsAroundTheNotesApplication)
{
    device::DeliverPaints();
    EXPECT_TRUE(MatchesGolden(device::CaptureScreen(), PLATFORM_GOLDEN "/screen_bare.png"));
    RECT workArea;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0));
    EXPECT_EQ(workArea.top, device::kNavigationBarHeight);
    EXPECT_EQ(workArea.bottom, device::kInputPanelBottom);
}

TEST_F(ShellScreenTest, TheInputPanelButtonShowsAndHidesThePanel)
{
    TapCentreOf(platform::shell::kSipButton, device::kInputPanelBottom);
    EXPECT_TRUE(device::IsInputPanelShown());
    EXPECT_EQ(device::InputPanelRect().top, 214) << "the panel stands on the menu bar";
    TapCentreOf(platform::shell::kSipButton, device::kInputPanelBottom);
    EXPECT_FALSE(device::IsInputPanelShown());
    device::Tap(10, device::kInputPanelBottom + 10);
    EXPECT_FALSE(device::IsInputPanelShown()) << "the menu bar away from the button";
}

TEST_F(ShellScreenTest, TheNavigationBarsClockMovesWithTheDevicesClock)
{
    device::DeliverPaints();
    device::Image before = device::CaptureScreenRect({0, 0, device::kScreenWidth, device::kNavigationBarHeight});
    device::AdvanceClock(59'000);
    EXPECT_EQ(device::CaptureScreenRect({0, 0, device::kScreenWidth, device::kNavigationBarHeight}).pixels,
              before.pixels)
        << "10:38 still";
    device::AdvanceClock(1'000);
    EXPECT_NE(device::CaptureScreenRect({0, 0, device::kScreenWidth, device::kNavigationBarHeight}).pixels,
              before.pixels)
        << "10:39";
}

TEST_F(ShellScreenTest, TheShellsOkButtonIsInTheNavigationBarAndATapPressesIt)
{
    commandsSeen = 0;
    HWND dialog = OpenRulesDialog();
    ASSERT_TRUE(dialog);
    SetForegroundWindow(dialog);
    TapCentreOf(platform::shell::kDoneButton, 0);
    EXPECT_EQ(commandsSeen, 0) << "no OK button before SHInitDialog asks for one";
    SHINITDLGINFO info{SHIDIM_FLAGS, dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN};
    ASSERT_TRUE(SHInitDialog(&info));
    device::DeliverPaints();
    EXPECT_TRUE(MatchesGolden(device::CaptureScreenRect({0, 0, device::kScreenWidth, device::kNavigationBarHeight}),
                              PLATFORM_GOLDEN "/navigation_bar_ok.png"));
    TapCentreOf(platform::shell::kDoneButton, 0);
    EXPECT_EQ(commandsSeen, 1);
    DestroyWindow(dialog);
}

TEST_F(ShellScreenTest, NotesShowTypedEnglishWrappedAboveTheRecognisersWritingArea)
{
    Write(u"The quick brown fox jumps over the lazy dog. Pack my box with five dozen liquor jugs.");
    EXPECT_TRUE(MatchesGolden(device::CaptureScreen(), PLATFORM_GOLDEN "/notes_english.png"));
}

TEST_F(ShellScreenTest, NotesShowTypedRussianAboveThePlatformKeyboard)
{
    Write(u"Съешь же ещё этих мягких французских булок, да выпей чаю.");
    ASSERT_TRUE(device::SelectInputMethod(device::kPlatformKeyboardClsid));
    device::DeliverPaints();
    EXPECT_TRUE(MatchesGolden(device::CaptureScreen(), PLATFORM_GOLDEN "/notes_russian.png"));
}

TEST_F(ShellScreenTest, NotesScrollSoThatTheCaretStaysShown)
{
    std::u16string lines;
    for (char16_t line = u'a'; line <= u'z'; ++line) lines += std::u16string(1, line) + u"\n";
    Write(lines + u"last");
    EXPECT_EQ(device::EditorText(), lines + u"last");
    EXPECT_TRUE(MatchesGolden(device::CaptureScreen(), PLATFORM_GOLDEN "/notes_scrolled.png"));
}

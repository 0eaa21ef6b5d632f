#include <aygshell.h>
#include <device/dialogs.h>
#include <device/screen.h>
#include <device/sip.h>
#include <device/text.h>

#include "library_test_fixture.h"
#include "rect_text.h"

namespace {

// What the dialog procedure under test saw and how it answers.
struct ProcedureLog {
    std::vector<UINT> messages;
    WPARAM initFocus = 0;
    LPARAM initParam = 0;
    std::vector<WPARAM> commands;
    const HELPINFO* help = nullptr;
    int helpControl = -1;
};
ProcedureLog* seen = nullptr;

BOOL CALLBACK RecordingProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    seen->messages.push_back(message);
    switch (message) {
    case WM_INITDIALOG:
        seen->initFocus = wParam;
        seen->initParam = lParam;
        return TRUE;
    case WM_COMMAND:
        seen->commands.push_back(wParam);
        if (LOWORD(wParam) == IDOK) EndDialog(dialog, IDOK);
        return TRUE;
    case WM_HELP:
        seen->helpControl = reinterpret_cast<const HELPINFO*>(lParam)->iCtrlId;
        return TRUE;
    case WM_USER:
        SetWindowLongPtrW(dialog, DWL_MSGRESULT, 1234);
        return TRUE;
    default:
        return FALSE;
    }
}

class DialogManagerTest : public LoadedLibraryTest {
protected:
    void SetUp() override
    {
        LoadedLibraryTest::SetUp();
        seen = &log;
    }

    void TearDown() override
    {
        device::SetUserHand({});
        seen = nullptr;
        LoadedLibraryTest::TearDown();
    }

    int RunSample(HWND owner = nullptr, LPARAM param = 0)
    {
        return DialogBoxParamW(library, MAKEINTRESOURCEW(IDD_SAMPLE), owner, RecordingProcedure, param);
    }

    ProcedureLog log;
};

std::string ClassOf(HWND window)
{
    WCHAR name[64];
    GetClassNameW(window, name, 64);
    return device::Utf8(name);
}

std::string TextOf(HWND window)
{
    WCHAR text[64];
    GetWindowTextW(window, text, 64);
    return device::Utf8(text);
}

RECT RectInParent(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    POINT corner{rect.left, rect.top};
    ScreenToClient(GetParent(window), &corner);
    return {corner.x, corner.y, corner.x + rect.right - rect.left, corner.y + rect.bottom - rect.top};
}

TEST_F(DialogManagerTest, MakesTheControlsOfTheTemplateInOrderAtTheirPlacesBeforeInitialising)
{
    struct Expected {
        int id;
        const char* className;
        const char* text;
        RECT units;
    };
    const Expected expected[] = {
        {IDC_NAME_LABEL, "static", "Name:", {5, 5, 40, 8}},
        {IDC_NAME, "edit", "", {50, 5, 100, 12}},
        {IDC_REMEMBER, "button", "Remember", {5, 20, 80, 10}},
        {IDC_LEVEL, "msctls_trackbar32", "Slider1", {5, 35, 145, 10}},
        {IDOK, "button", "OK", {50, 80, 50, 14}},
    };
    device::QueueUserAction([&](HWND dialog) {
        EXPECT_EQ(device::CurrentDialog(), dialog);
        EXPECT_TRUE(IsWindowVisible(dialog));
        HWND child = GetWindow(dialog, GW_CHILD);
        for (const Expected& want : expected) {
            SCOPED_TRACE(want.text);
            ASSERT_TRUE(child);
            EXPECT_EQ(child, GetDlgItem(dialog, want.id));
            EXPECT_EQ(GetDlgCtrlID(child), want.id);
            EXPECT_EQ(ClassOf(child), want.className);
            EXPECT_EQ(TextOf(child), want.text);
            RECT corner{want.units.left, want.units.top, want.units.left, want.units.top};
            RECT size{0, 0, want.units.right, want.units.bottom};
            MapDialogRect(dialog, &corner);
            MapDialogRect(dialog, &size);
            EXPECT_EQ(RectText(RectInParent(child)),
                      RectText({corner.left, corner.top, corner.left + size.right, corner.top + size.bottom}));
            EXPECT_EQ(SendMessageW(child, WM_GETFONT, 0, 0), SendMessageW(dialog, WM_GETFONT, 0, 0));
            child = GetWindow(child, GW_HWNDNEXT);
        }
        EXPECT_FALSE(child);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_NAME)) << "WM_INITDIALOG answered TRUE";
        EndDialog(dialog, 7);
    });
    EXPECT_EQ(RunSample(nullptr, 0x5EED), 7);
    ASSERT_FALSE(log.messages.empty());
    EXPECT_EQ(log.messages[0], static_cast<UINT>(WM_SETFONT)) << "the font comes before WM_INITDIALOG";
    EXPECT_EQ(log.initParam, 0x5EED);
    EXPECT_NE(log.initFocus, 0u);
    EXPECT_EQ(device::PendingUserActions(), 0u);
}

TEST_F(DialogManagerTest, TheTemplateFontIsMadeForTheDialogAndMeasuresItsUnits)
{
    device::QueueUserAction([&](HWND dialog) {
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
        LOGFONTW description{};
        ASSERT_EQ(GetObjectW(font, sizeof description, &description), static_cast<int>(sizeof description));
        EXPECT_EQ(std::u16string(description.lfFaceName), u"MS Sans Serif");
        EXPECT_EQ(description.lfHeight, -11) << "8 points at 96 dots an inch";
        RECT width{0, 0, 4, 8};
        MapDialogRect(dialog, &width);
        EXPECT_GT(width.right, 3);
        EXPECT_GT(width.bottom, 9);
        EndDialog(dialog, IDCANCEL);
    });
    EXPECT_EQ(RunSample(), IDCANCEL);
}

TEST_F(DialogManagerTest, TheOwnerIsDisabledWhileTheDialogWaitsAndTheDialogIsGoneAfterwards)
{
    HWND owner = CreateWindowExW(0, u"static", u"owner", WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr,
                                 nullptr, nullptr);
    HWND shown = nullptr;
    device::QueueUserAction([&](HWND dialog) {
        shown = dialog;
        EXPECT_FALSE(IsWindowEnabled(owner));
        EXPECT_EQ(GetParent(dialog), owner);
        EXPECT_EQ(GetForegroundWindow(), dialog);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(RunSample(owner), IDOK);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindow(shown));
    EXPECT_EQ(GetForegroundWindow(), owner);
    EXPECT_EQ(log.commands, (std::vector<WPARAM>{MAKEWPARAM(IDC_NAME, EN_SETFOCUS), MAKEWPARAM(IDOK, BN_CLICKED)}))
        << "the edit took the focus when WM_INITDIALOG answered TRUE";
}

TEST_F(DialogManagerTest, ADialogNobodyAnswersEndsWithMinusOneAndAFaultNamingIt)
{
    EXPECT_EQ(RunSample(), -1);
    std::vector<std::string> faults = device::TakeFaults();
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0], "dialog 300 was left waiting: the user did nothing more");
    EXPECT_EQ(device::CurrentDialog(), nullptr);
}

TEST_F(DialogManagerTest, NestedDialogsWaitInnermostFirst)
{
    HWND outer = nullptr;
    int innerResult = 0;
    device::QueueUserAction([&](HWND dialog) {
        outer = dialog;
        innerResult = DialogBoxParamW(library, MAKEINTRESOURCEW(IDD_EMPTY), dialog, nullptr, 0);
        EXPECT_TRUE(IsWindowEnabled(outer));
        EndDialog(dialog, 2);
    });
    device::QueueUserAction([&](HWND dialog) {
        EXPECT_NE(dialog, outer);
        EXPECT_EQ(device::CurrentDialog(), dialog);
        EXPECT_EQ(device::DialogName(dialog), "302");
        EXPECT_FALSE(IsWindowEnabled(outer));
        EndDialog(dialog, 3);
    });
    EXPECT_EQ(RunSample(), 2);
    EXPECT_EQ(innerResult, 3);
}

TEST_F(DialogManagerTest, AHandledMessageAnswersWithTheResultTheProcedureLeftAndOthersGetTheDefaults)
{
    HWND dialog = CreateDialogParamW(library, MAKEINTRESOURCEW(IDD_SAMPLE), nullptr, RecordingProcedure, 0);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the template asks for WS_VISIBLE";
    EXPECT_EQ(SendMessageW(dialog, WM_USER, 0, 0), 1234);
    EXPECT_NE(SendMessageW(dialog, WM_GETFONT, 0, 0), 0) << "not handled by the procedure";
    EXPECT_EQ(SendMessageW(dialog, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"Title")), TRUE);
    EXPECT_EQ(TextOf(dialog), "Title");
    EXPECT_TRUE(DestroyWindow(dialog));
    EXPECT_FALSE(device::IsDialog(dialog));
}

TEST_F(DialogManagerTest, AModelessDialogNeedsNoProcedureAndStaysHiddenWithoutWsVisible)
{
    HWND shown = CreateDialogParamW(library, MAKEINTRESOURCEW(IDD_SAMPLE), nullptr, nullptr, 0);
    ASSERT_TRUE(shown);
    EXPECT_TRUE(IsWindowVisible(shown));
    EXPECT_TRUE(GetDlgItem(shown, IDOK));
    SendMessageW(shown, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(IsWindowVisible(shown)) << "nobody ends it";

    HWND hidden = CreateDialogParamW(library, MAKEINTRESOURCEW(IDD_SAMPLE_EXTENDED), nullptr, nullptr, 0);
    ASSERT_TRUE(hidden);
    EXPECT_FALSE(IsWindowVisible(hidden));
    EXPECT_EQ(TextOf(hidden), "Extended");
    EXPECT_EQ(device::DialogName(hidden), "\"Extended\"");
    EXPECT_EQ(device::CurrentDialog(), shown);
    EXPECT_TRUE(EndDialog(shown, 0));
    EXPECT_FALSE(IsWindowVisible(shown));
    EXPECT_TRUE(IsWindow(shown)) << "a modeless dialog is destroyed by its owner";
}

TEST_F(DialogManagerTest, TemplatesThatAreNotThereOrNotSoundFail)
{
    EXPECT_EQ(DialogBoxParamW(library, MAKEINTRESOURCEW(999), nullptr, nullptr, 0), -1);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_FALSE(CreateDialogIndirectParamW(library, nullptr, nullptr, nullptr, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    const BYTE unknownClass[] = {
        0, 0, 0, 0x80, 0, 0, 0, 0,  // WS_POPUP, no extended style
        1, 0, 0, 0, 0, 0, 10, 0, 10, 0,  // one item; x, y, width, height
        0, 0, 0, 0, 0, 0,  // no menu, the dialog class, no title
        0, 0, 0, 0x50, 0, 0, 0, 0,  // the item: WS_CHILD | WS_VISIBLE
        0, 0, 0, 0, 5, 0, 5, 0, 1, 0,  // x, y, width, height, id
        0xFF, 0xFF, 0x99, 0,  // class ordinal 0x99: no such control
        0, 0, 0, 0};  // no text, no creation data
    EXPECT_FALSE(CreateDialogIndirectParamW(nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(unknownClass), nullptr,
                                            nullptr, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
}

TEST_F(DialogManagerTest, FullScreenDialogsGetTheShellsOkButtonAndLowerTheInputPanel)
{
    device::ShowInputPanel();
    device::QueueUserAction([&](HWND dialog) {
        EXPECT_FALSE(device::HasDoneButton(dialog));
        SHINITDLGINFO info{SHIDIM_FLAGS, dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN};
        ASSERT_TRUE(SHInitDialog(&info));
        EXPECT_FALSE(device::IsInputPanelShown());
        RECT place;
        GetWindowRect(dialog, &place);
        EXPECT_EQ(RectText(place), RectText({0, device::kNavigationBarHeight, device::kScreenWidth,
                                             device::kScreenHeight}));
        EXPECT_TRUE(device::AskForHelp(dialog));
        EXPECT_TRUE(device::PressDoneButton(dialog));
    });
    EXPECT_EQ(RunSample(), IDOK);
    EXPECT_EQ(log.commands, (std::vector<WPARAM>{MAKEWPARAM(IDC_NAME, EN_SETFOCUS), MAKEWPARAM(IDOK, BN_CLICKED)}))
        << "the edit took the focus when WM_INITDIALOG answered TRUE";
    EXPECT_EQ(log.helpControl, IDC_NAME) << "the control with the focus";
    SHINITDLGINFO notADialog{SHIDIM_FLAGS, nullptr, SHIDIF_DONEBUTTON};
    EXPECT_FALSE(SHInitDialog(&notADialog));
}

TEST_F(DialogManagerTest, ACustomHandAnswersInsteadOfTheQueue)
{
    int asked = 0;
    device::SetUserHand([&](HWND dialog) {
        if (++asked == 3) EndDialog(dialog, 9);
        return true;
    });
    EXPECT_EQ(RunSample(), 9);
    EXPECT_EQ(asked, 3);
    device::SetUserHand([](HWND) { return false; });
    EXPECT_EQ(RunSample(), -1);
    EXPECT_EQ(device::TakeFaults().size(), 1u);
}

}  // namespace

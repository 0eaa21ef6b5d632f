#include <ce_setup.h>
#include <device/boot.h>
#include <device/clock.h>
#include <device/cursor.h>
#include <device/device_files.h>
#include <device/libraries.h>
#include <device/processes.h>
#include <device/registry_failures.h>
#include <device/text.h>

#include "boot_program.h"
#include "container_format.h"
#include "setup_device.h"
#include "start_menu_localization.h"

namespace {

using Texts = std::vector<std::u16string>;

const std::u16string kInstall = u"\\Program Files\\Lexovia";
const std::u16string kRebootPath = kInstall + u"\\reboot.exe";
const WCHAR kLocalizedMenu[] = u"\\Windows\\Главное меню";

const UINT kRestartQuestionStyle = MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND | MB_TOPMOST;
const UINT kUninstallPromptStyle = MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST;
const std::u16string kRestartQuestion =
    u"You should restart your device for new settings to take effect. Do you want to restart your device now?";
const std::u16string kUninstallPrompt =
    u"You need to restart your device to complete uninstallation. Save all unsaved documents and press OK to "
    u"restart.";

// A message box as a test states it.
struct Box {
    HWND owner;
    std::u16string text;
    std::u16string caption;
    UINT style;
    bool operator==(const Box&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Box& box)
{
    return out << "{" << box.owner << ", \"" << device::Utf8(box.text) << "\", \"" << device::Utf8(box.caption)
               << "\", 0x" << std::hex << box.style << std::dec << "}";
}

std::vector<Box> BoxesShown()
{
    std::vector<Box> boxes;
    for (const device::MessageBoxRecord& record : device::MessageBoxLog())
        boxes.push_back({record.owner, record.text, record.caption, record.style});
    return boxes;
}

bool FileExists(const std::u16string& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The values the locale swap saves and restores; the system's switch
// "TarvexLCID" is left out, as the removal leaves it naming the restored locale.
std::vector<std::optional<DWORD>> SavedSystemLocale()
{
    return {SetupDevice::Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultLCID"),
            SetupDevice::Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultACP"),
            SetupDevice::Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultOCP"),
            SetupDevice::Dword(HKEY_LOCAL_MACHINE, kTestBrowserKey, u"Default_CodePage")};
}

std::string WholeRegistry()
{
    return device::DumpRegistry(HKEY_LOCAL_MACHINE, u"") + device::DumpRegistry(HKEY_CURRENT_USER, u"");
}

}  // namespace

// The installer's window over a device with the package placed: its
// registry entries, the applet, the restart program and, when asked, the
// interface files' container and the system's language files.
class SetupHooksTest : public SetupDevice {
protected:
    void SetUp() override
    {
        SetupDevice::SetUp();
        LoadLibrary();
        installer_ = CreateWindowExW(0, u"static", u"Installer", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr,
                                     nullptr, nullptr);
        ASSERT_NE(installer_, nullptr);
        Place(kInstall + u"\\localizer.cpl", "applet");
        Place(kRebootPath, "restart program");
    }

    static void LoadLibrary()
    {
        ASSERT_TRUE(device::PlaceLibrary(PKGSETUP_LIBRARY, u"\\Windows\\pkgsetup.dll"));
        HMODULE library = LoadLibraryW(u"\\Windows\\pkgsetup.dll");
        ASSERT_NE(library, nullptr) << device::LastLibraryFailure();
        TheModuleState().moduleInstance = library;
    }

    static void Place(const std::u16string& path, const std::string& bytes)
    {
        ASSERT_EQ(device::WriteDeviceFile(path, bytes), static_cast<DWORD>(ERROR_SUCCESS)) << device::Utf8(path);
    }

    static void PlaceInterfaceFiles()
    {
        PlaceLanguageFiles(LANGUAGE_FILES, "0419");
        Place(kInstall + u"\\mui_1.bin", mui_container::EntryBytes("lexovia.exe.0419.mui", "text"));
    }

    static void SetLanguage(DWORD lcid)
    {
        SetDword(HKEY_CURRENT_USER, kTestProductKey, u"AvailableInterfaceLang", lcid);
        SetDword(HKEY_CURRENT_USER, kTestProductKey, u"InterfaceLang", lcid);
    }

    // Install_Exit with nothing failed, answering the restart question with ANSWER.
    codeINSTALL_EXIT Install(int answer, const std::u16string& directory = kInstall)
    {
        device::QueueMessageBoxAnswer(answer);
        return Install_Exit(installer_, directory.c_str(), 0, 0, 0, 0, 0);
    }

    Box RestartQuestion() const { return {installer_, kRestartQuestion, u"Lexovia Installation", kRestartQuestionStyle}; }
    Box UninstallPrompt() const { return {installer_, kUninstallPrompt, u"Lexovia", kUninstallPromptStyle}; }
    static Box NoContainers()
    {
        return {nullptr, kInstall + u"\\mui_?.bin", u"QV Installation", MB_OK};
    }

    HWND installer_ = nullptr;
};

TEST_F(SetupHooksTest, OnlyAPreviousInstallationIsRefused)
{
    EXPECT_EQ(Install_Init(installer_, TRUE, FALSE, kInstall.c_str()), codeINSTALL_INIT_CONTINUE);
    EXPECT_EQ(Install_Init(nullptr, FALSE, FALSE, nullptr), codeINSTALL_INIT_CONTINUE);
    EXPECT_TRUE(BoxesShown().empty());

    AnswerOk(1);
    EXPECT_EQ(Install_Init(installer_, TRUE, TRUE, kInstall.c_str()), codeINSTALL_INIT_CANCEL);
    EXPECT_EQ(BoxesShown(), (std::vector<Box>{{installer_,
                                               u"You have to uninstall the previous version prior to the program "
                                               u"installation",
                                               u"QV Installation", 0x40010}}));
}

TEST_F(SetupHooksTest, AnyFailureCountUndoesTheInstallationWithoutTouchingTheDevice)
{
    const WORD counts[][5] = {{1, 0, 0, 0, 0}, {0, 2, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, 1, 0}, {0, 0, 0, 0, 1}};
    std::string registry = WholeRegistry();
    for (const WORD* c : counts) {
        device::ClearMessageBoxLog();
        AnswerOk(1);
        EXPECT_EQ(Install_Exit(installer_, kInstall.c_str(), c[0], c[1], c[2], c[3], c[4]),
                  codeINSTALL_EXIT_UNINSTALL);
        EXPECT_EQ(SetupErrorsShown(), Texts{u"Inst Failed"});
        EXPECT_TRUE(IsWindowVisible(installer_)) << "the installer's window stays";
        EXPECT_EQ(WholeRegistry(), registry);
        EXPECT_TRUE(FileExists(kInstall + u"\\localizer.cpl"));
    }
}

TEST_F(SetupHooksTest, InstallationLocalisesTheDeviceAndYesStartsTheRestartProgram)
{
    PlaceInterfaceFiles();
    SetDword(HKEY_CURRENT_USER, kTestProductKey, u"QVPenTranslitTableRussian", 7);

    EXPECT_EQ(Install(IDYES), codeINSTALL_EXIT_DONE);

    EXPECT_EQ(BoxesShown(), std::vector<Box>{RestartQuestion()});
    EXPECT_FALSE(IsWindowVisible(installer_)) << "the installer's window is hidden";
    EXPECT_TRUE(FileExists(u"\\Windows\\lexovia.exe.0419.mui"));
    EXPECT_TRUE(FileExists(kLocalizedMenu));
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultLCID"), 1049u);
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"DefaultLCID"), 1033u);
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"MUI", u"SysLang"), 1033u) << "the language before the swap";
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, u"MUI", u"CurLang"), 1049u);
    EXPECT_TRUE(FileExists(u"\\Windows\\localizer.cpl"));
    EXPECT_FALSE(FileExists(kInstall + u"\\localizer.cpl"));
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"QVPenTranslitTableRussian"), std::nullopt);
    EXPECT_EQ(String(HKEY_LOCAL_MACHINE, u"init", u"Launch51"), u"bootsip.exe");
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"NLSSupported"), std::nullopt) << "Russian keeps its fonts";

    ASSERT_EQ(device::ProgramLaunches().size(), 1u);
    EXPECT_EQ(device::ProgramLaunches()[0].program, kRebootPath);
    EXPECT_EQ(device::ProgramLaunches()[0].commandLine, kRebootPath);
    EXPECT_TRUE(device::RestartPending());
}

TEST_F(SetupHooksTest, NoToTheRestartLeavesEverySettingAndStartsNothing)
{
    PlaceInterfaceFiles();
    EXPECT_EQ(Install(IDNO), codeINSTALL_EXIT_DONE);
    EXPECT_EQ(BoxesShown(), std::vector<Box>{RestartQuestion()});
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultLCID"), 1049u);
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"MUI", u"Enable"), 1u);
    EXPECT_EQ(String(HKEY_LOCAL_MACHINE, u"init", u"Launch51"), u"bootsip.exe");
    EXPECT_TRUE(device::ProgramLaunches().empty());
    EXPECT_FALSE(device::RestartPending());
}

TEST_F(SetupHooksTest, TheRestartProgramIsStartedFromTheInstallDirectoryWithOneBackslash)
{
    for (const std::u16string& directory : {kInstall, kInstall + u"\\"}) {
        ASSERT_TRUE(device::CreateFresh());
        TheModuleState() = ModuleState{};
        PlacePackageEntries();
        Place(kRebootPath, "restart program");
        AnswerOk(1);  // no containers
        EXPECT_EQ(Install(IDYES, directory), codeINSTALL_EXIT_DONE) << device::Utf8(directory);
        ASSERT_EQ(device::ProgramLaunches().size(), 1u) << device::Utf8(directory);
        EXPECT_EQ(device::ProgramLaunches()[0].program, kRebootPath) << device::Utf8(directory);
        EXPECT_EQ(device::ProgramLaunches()[0].error, static_cast<DWORD>(ERROR_SUCCESS));
    }
}

TEST_F(SetupHooksTest, WithoutInterfaceFilesTheStartMenuAndMuiStayButTheRestIsDone)
{
    AnswerOk(1);
    EXPECT_EQ(Install(IDNO), codeINSTALL_EXIT_DONE);
    EXPECT_EQ(BoxesShown(), (std::vector<Box>{NoContainers(), RestartQuestion()}));
    EXPECT_FALSE(FileExists(kLocalizedMenu));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, u"MUI"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, u"MUI"));
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultLCID"), 1049u);
    EXPECT_TRUE(FileExists(u"\\Windows\\localizer.cpl"));
    EXPECT_EQ(String(HKEY_LOCAL_MACHINE, u"init", u"Launch51"), u"bootsip.exe");
}

TEST_F(SetupHooksTest, OnlyRightToLeftLanguagesExchangeFontsOnInstallationAndTheFirstRemovalPass)
{
    // The package's files lie under their parked names; installation puts
    // them over the device's ROM files, the first removal pass parks them again.
    const std::u16string parked[] = {u"\\Windows\\qvtahoma.tt_", u"\\Windows\\qvtahomabd.tt_",
                                     u"\\Windows\\qvcour.tt_", u"\\Windows\\wince.nl_"};
    const DWORD languages[] = {1049, 1025, 1037, 1065};
    for (DWORD lcid : languages) {
        ASSERT_TRUE(device::CreateFresh());
        TheModuleState() = ModuleState{};
        PlacePackageEntries();
        SetLanguage(lcid);
        for (const std::u16string& path : parked)
            ASSERT_EQ(device::WriteDeviceFile(path, "WINCENLS 106 package"), static_cast<DWORD>(ERROR_SUCCESS));
        bool exchanged = lcid != 1049;
        AnswerOk(1);
        EXPECT_EQ(Install(IDNO), codeINSTALL_EXIT_DONE);
        EXPECT_EQ(BoxesShown().size(), 2u) << lcid;
        EXPECT_EQ(FileExists(u"\\Windows\\wince.nl_"), !exchanged) << lcid;
        EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"NLSSupported").has_value(), exchanged) << lcid;

        device::ClearMessageBoxLog();
        AnswerOk(1);
        EXPECT_EQ(Uninstall_Init(installer_, kInstall.c_str()), codeUNINSTALL_INIT_CANCEL) << lcid;
        EXPECT_EQ(BoxesShown().size(), 1u) << lcid;
        for (const std::u16string& path : parked) EXPECT_TRUE(FileExists(path)) << lcid;
        std::string table;
        ASSERT_EQ(device::ReadDeviceFile(u"\\Windows\\wince.nls", table), static_cast<DWORD>(ERROR_SUCCESS));
        EXPECT_EQ(table, "WINCENLS 106") << lcid << ": the device's own table shows again";
    }
}

TEST_F(SetupHooksTest, TheFirstRemovalPassRestoresTheDeviceAndRestartsIt)
{
    PlaceInterfaceFiles();
    std::vector<std::optional<DWORD>> system = SavedSystemLocale();
    ASSERT_EQ(Install(IDNO), codeINSTALL_EXIT_DONE);
    device::ClearMessageBoxLog();
    DWORD before = device::Now();

    AnswerOk(1);
    EXPECT_EQ(Uninstall_Init(installer_, kInstall.c_str()), codeUNINSTALL_INIT_CANCEL);

    EXPECT_EQ(BoxesShown(), std::vector<Box>{UninstallPrompt()});
    EXPECT_EQ(SavedSystemLocale(), system);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, u"MUI"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, u"MUI"));
    EXPECT_FALSE(FileExists(u"\\Windows\\localizer.cpl"));
    EXPECT_EQ(String(HKEY_LOCAL_MACHINE, u"init", u"Launch51"), kRebootPath) << "bootsip's number is free again";
    EXPECT_EQ(Binary(HKEY_LOCAL_MACHINE, u"init", u"Depend51"), (std::vector<BYTE>{0x14, 0, 0x1E, 0, 0x32, 0}));
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"FirstPass"), 51u);
    EXPECT_TRUE(device::RestartPending());
    EXPECT_EQ(device::Now() - before, 5000u) << "waits for the restart";
    EXPECT_TRUE(FileExists(kLocalizedMenu)) << "the Start menu goes back in the second pass";
}

TEST_F(SetupHooksTest, CancelOnTheRemovalPromptChangesNothing)
{
    ASSERT_EQ(RegisterBootProgram(), TRUE);
    std::string registry = WholeRegistry();
    device::QueueMessageBoxAnswer(IDCANCEL);
    EXPECT_EQ(Uninstall_Init(installer_, kInstall.c_str()), codeUNINSTALL_INIT_CANCEL);
    EXPECT_EQ(BoxesShown(), std::vector<Box>{UninstallPrompt()});
    EXPECT_EQ(WholeRegistry(), registry);
    EXPECT_FALSE(device::RestartPending());
}

TEST_F(SetupHooksTest, TheSecondPassRemovesTheRestartEntryWithoutAPromptUnderAWaitCursor)
{
    PlaceLanguageFiles(LANGUAGE_FILES, "0419");
    ASSERT_TRUE(LocalizeStartMenu(1049, TRUE, FALSE));
    Place(u"\\Windows\\lexovia.exe.0419.mui", "text");
    SetString(HKEY_LOCAL_MACHINE, u"init", u"Launch51", kRebootPath.c_str());
    SetString(HKEY_LOCAL_MACHINE, u"init", u"Depend51", u"x");
    SetDword(HKEY_CURRENT_USER, kTestProductKey, u"FirstPass", 51);
    DWORD before = device::Now();

    EXPECT_EQ(Uninstall_Init(installer_, kInstall.c_str()), codeUNINSTALL_INIT_CONTINUE);
    EXPECT_TRUE(BoxesShown().empty());
    EXPECT_EQ(String(HKEY_LOCAL_MACHINE, u"init", u"Launch51"), std::nullopt);
    EXPECT_FALSE(SetupDevice::String(HKEY_LOCAL_MACHINE, u"init", u"Depend51").has_value());
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"FirstPass"), std::nullopt);
    EXPECT_FALSE(FileExists(kLocalizedMenu));
    EXPECT_FALSE(FileExists(u"\\Windows\\lexovia.exe.0419.mui"));
    EXPECT_EQ(device::Now() - before, 1500u) << "a second before the entry goes, half a second at the end";
    EXPECT_EQ(device::CurrentCursor(), "IDC_WAIT");

    AnswerOk(1);
    EXPECT_EQ(Uninstall_Exit(installer_), codeUNINSTALL_EXIT_DONE);
    EXPECT_EQ(BoxesShown(), (std::vector<Box>{{installer_, u"Uninstallation completed", u"QV Installation", 0x40}}));
    EXPECT_EQ(device::CurrentCursor(), "");
}

TEST_F(SetupHooksTest, ARemovalThatCannotRegisterTheRestartProgramStopsWithoutARecord)
{
    device::FailRegistryCall("RegEnumValueW", u"HKLM\\init", u"", ERROR_REGISTRY_CORRUPT);
    AnswerOk(2);
    EXPECT_EQ(Uninstall_Init(installer_, kInstall.c_str()), codeUNINSTALL_INIT_CANCEL);
    std::vector<Box> boxes = BoxesShown();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1], (Box{nullptr, u"Cannot add the restart program to the boot launch list. Uninstallation stopped.",
                             u"QV Installation", MB_OK}));
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"FirstPass"), std::nullopt);
    EXPECT_FALSE(device::RestartPending());
}

// Installation, then the removal across its restart, as the installer and
// the boot sequence drive it: the device ends as it began.
TEST_F(SetupHooksTest, AnInstallationAndARemovalLeaveTheDeviceAsItWas)
{
    PlaceInterfaceFiles();
    std::vector<std::optional<DWORD>> system = SavedSystemLocale();
    std::string init = device::DumpRegistry(HKEY_LOCAL_MACHINE, u"init");
    ASSERT_EQ(Install(IDYES), codeINSTALL_EXIT_DONE);
    device::Restart();

    AnswerOk(1);
    ASSERT_EQ(Uninstall_Init(nullptr, kInstall.c_str()), codeUNINSTALL_INIT_CANCEL);
    std::vector<device::BootStep> boot = device::Restart();
    ASSERT_FALSE(boot.empty());
    EXPECT_EQ(device::DescribeBootStep(boot.back()), "Launch51 \\Program Files\\Lexovia\\reboot.exe: signalled (exit code 0)");

    ASSERT_EQ(Uninstall_Init(nullptr, kInstall.c_str()), codeUNINSTALL_INIT_CONTINUE);
    AnswerOk(1);
    ASSERT_EQ(Uninstall_Exit(nullptr), codeUNINSTALL_EXIT_DONE);
    EXPECT_EQ(SavedSystemLocale(), system);
    EXPECT_EQ(String(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Microsoft\\Shell\\Start Items", u"Programs"),
              u"\\Windows\\Start Menu\\Programs");
    EXPECT_EQ(device::DumpRegistry(HKEY_LOCAL_MACHINE, u"init"), init);
    EXPECT_FALSE(FileExists(kLocalizedMenu));
    EXPECT_FALSE(FileExists(u"\\Windows\\lexovia.exe.0419.mui"));
    EXPECT_EQ(device::CurrentCursor(), "");
}

// The installer finds the hooks by their plain names.
TEST(SetupHookExports, AreFoundByName)
{
    ASSERT_TRUE(device::CreateFresh());
    ASSERT_TRUE(device::PlaceLibrary(PKGSETUP_LIBRARY, u"\\Windows\\pkgsetup.dll"));
    HMODULE library = LoadLibraryW(u"\\Windows\\pkgsetup.dll");
    ASSERT_NE(library, nullptr);
    for (LPCWSTR name : {szINSTALL_INIT, szINSTALL_EXIT, szUNINSTALL_INIT, szUNINSTALL_EXIT})
        EXPECT_NE(GetProcAddressW(library, name), nullptr) << device::Utf8(name);
    FreeLibrary(library);
    device::Close();
}

// The help launcher: the command line for the interface language's page,
// and the browser's code page switched around the viewer's start and put
// back as it was.
#include <device/broadcasts.h>
#include <device/device_files.h>
#include <device/help_viewer.h>
#include <device/message_log.h>
#include <device/text.h>

#include <string>
#include <vector>

#include "fresh_device.h"
#include "help_command.h"
#include "launch_help.h"

namespace {

const WCHAR kInternational[] = TEXT("SOFTWARE\\Microsoft\\Internet Explorer\\International");
const WCHAR kDefaultCodePage[] = TEXT("Default_CodePage");

// "1252", "missing", or "type N" for a value that is no REG_DWORD.
std::string StoredCodePage()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kInternational, 0, 0, &key) != ERROR_SUCCESS) return "no key";
    DWORD type = REG_NONE, value = 0, size = sizeof value;
    LONG result = RegQueryValueExW(key, kDefaultCodePage, nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size);
    RegCloseKey(key);
    if (result == ERROR_FILE_NOT_FOUND) return "missing";
    if (type != REG_DWORD) return "type " + std::to_string(type);
    return std::to_string(value);
}

// What a browser window sees at each settings-change broadcast: the code
// page stored then, and how often the viewer had been started.
struct SeenChange {
    std::string codePage;
    size_t viewerStarts;
    bool operator==(const SeenChange&) const = default;
};

std::vector<SeenChange> seen;

LRESULT CALLBACK BrowserProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTINGCHANGE && lParam == INI_INTL)
        seen.push_back({StoredCodePage(), device::HelpViewerStarts().size()});
    return DefWindowProcW(window, message, wParam, lParam);
}

std::string Describe(const std::vector<SeenChange>& changes)
{
    std::string text;
    for (const SeenChange& change : changes)
        text += "[" + change.codePage + " after " + std::to_string(change.viewerStarts) + " starts] ";
    return text;
}

class HelpLauncherTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        seen.clear();
        WNDCLASSW browserClass = {};
        browserClass.lpfnWndProc = BrowserProcedure;
        browserClass.lpszClassName = TEXT("Browser");
        RegisterClassW(&browserClass);
        CreateWindowExW(0, TEXT("Browser"), TEXT(""), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }

    void StoreCodePage(DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kInternational, 0, nullptr, 0, 0, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, kDefaultCodePage, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    void DeleteCodePage()
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kInternational, 0, 0, &key), ERROR_SUCCESS);
        RegDeleteValueW(key, kDefaultCodePage);
        RegCloseKey(key);
    }

    static std::u16string Command(LPCWSTR topic, LCID language)
    {
        WCHAR command[kHelpPathLength];
        BuildHelpCommand(topic, language, command);
        return command;
    }
};

}  // namespace

TEST_F(HelpLauncherTest, TheCommandNamesTheLanguagesPageOrTheEnglishOneByItsBareName)
{
    struct Case {
        LCID language;
        std::u16string page;  // the one help page on the device, if any
        LPCWSTR topic;
        std::u16string command;
        const char* why;
    };
    const Case cases[] = {
        {1035, u"\\Windows\\plFIN.htm", TEXT("keyboard"), u"file:\\windows\\plFIN.htm#keyboard", "Finnish, present"},
        {1037, u"", TEXT("keyboard"), u"file:plENU.htm#keyboard", "no Hebrew page: the English one"},
        {1037, u"\\Windows\\plHEB.htm", TEXT("keyboard"), u"file:\\windows\\plHEB.htm#keyboard", "Hebrew, HEB"},
        {1025, u"\\Windows\\plARA.htm", TEXT("keyboard"), u"file:\\windows\\plARA.htm#keyboard", "Arabic, ARA"},
        {1065, u"\\Windows\\plPER.htm", TEXT("keyboard"), u"file:\\windows\\plPER.htm#keyboard", "Persian is PER"},
        {1065, u"\\Windows\\plFAR.htm", TEXT("keyboard"), u"file:plENU.htm#keyboard", "not the platform's FAR"},
        {1049, u"\\Windows\\plENU.htm", TEXT("QVPenLetterRecognizer"), u"file:plENU.htm#QVPenLetterRecognizer",
         "no Russian page: the English one by its bare name"},
        {1033, u"\\Windows\\plENU.htm", TEXT("keyboard"), u"file:\\windows\\plENU.htm#keyboard", "English"},
        {4321, u"\\Windows\\pl.htm", TEXT("keyboard"), u"file:plENU.htm#keyboard", "a language the device knows not"},
    };
    for (const Case& c : cases) {
        if (!c.page.empty()) {
            ASSERT_EQ(device::WriteDeviceFile(c.page, "<html></html>"), ERROR_SUCCESS);
        }
        EXPECT_EQ(device::Utf8(Command(c.topic, c.language)), device::Utf8(c.command)) << c.why;
        if (!c.page.empty()) DeleteFileW(c.page.c_str());
    }
}

TEST_F(HelpLauncherTest, ATopicTooLongForTheCommandIsCutShort)
{
    std::u16string topic(300, u't');
    std::u16string command = Command(topic.c_str(), 1033);
    EXPECT_EQ(command.size(), static_cast<size_t>(kHelpPathLength - 1));
    EXPECT_EQ(command.substr(0, 15), u"file:plENU.htm#");
}

TEST_F(HelpLauncherTest, TheCodePageSuitsTheLanguageWhileTheViewerStartsAndIsPutBackAfter)
{
    struct Case {
        LCID language;
        DWORD stored;
        std::vector<SeenChange> changes;
    };
    const Case cases[] = {
        {1032, 1252, {{"1253", 0}, {"1252", 1}}},
        {1049, 1253, {{"1251", 0}, {"1253", 1}}},
        {3098, 1252, {{"1251", 0}, {"1252", 1}}},
        {1026, 1252, {{"1251", 0}, {"1252", 1}}},
        {1025, 1251, {{"1252", 0}, {"1251", 1}}},
        {1035, 1253, {{"1252", 0}, {"1253", 1}}},
    };
    for (const Case& c : cases) {
        StoreCodePage(REG_DWORD, &c.stored, sizeof c.stored);
        seen.clear();
        size_t startsBefore = device::HelpViewerStarts().size();
        LaunchHelp(TEXT("keyboard"), c.language);
        for (SeenChange& change : seen) change.viewerStarts -= startsBefore;
        EXPECT_EQ(Describe(seen), Describe(c.changes)) << "language " << c.language;
        EXPECT_EQ(StoredCodePage(), std::to_string(c.stored)) << "language " << c.language;
    }
    EXPECT_EQ(device::LastHelpCommand(), u"file:plENU.htm#keyboard");
}

TEST_F(HelpLauncherTest, AMissingCodePageIsMissingAgainAfterwards)
{
    DeleteCodePage();
    LaunchHelp(TEXT("keyboard"), 1032);
    EXPECT_EQ(Describe(seen), Describe({{"1253", 0}, {"missing", 1}}));
    EXPECT_EQ(StoredCodePage(), "missing");
    ASSERT_EQ(device::BroadcastLog().size(), 2u);
    EXPECT_EQ(device::BroadcastLog()[1].message, static_cast<UINT>(WM_SETTINGCHANGE));
    EXPECT_EQ(device::BroadcastLog()[1].lParam, INI_INTL);
}

TEST_F(HelpLauncherTest, ACodePageThatIsNoNumberIsLeftAlone)
{
    const WCHAR text[] = TEXT("1251");
    StoreCodePage(REG_SZ, text, sizeof text);
    LaunchHelp(TEXT("keyboard"), 1032);
    EXPECT_EQ(Describe(seen), "");
    EXPECT_EQ(StoredCodePage(), "type 1");
    EXPECT_EQ(device::HelpViewerStarts().size(), 1u) << "the help is shown all the same";
}

TEST_F(HelpLauncherTest, AViewerAlreadyOpenIsToldToGoBeforeAnythingChanges)
{
    LaunchHelp(TEXT("keyboard"), 1033);
    HWND first = FindWindowW(TEXT("PegHelp"), nullptr);
    ASSERT_NE(first, nullptr);
    device::ClearMessageLog();

    LaunchHelp(TEXT("keyboard"), 1032);
    std::vector<std::string> traffic;
    for (const device::MessageRecord& record : device::MessageLog()) {
        if (record.window == first && record.message == WM_DESTROY) traffic.push_back("viewer destroyed");
        if (record.message == WM_SETTINGCHANGE && record.className == u"Browser") traffic.push_back("code page");
    }
    EXPECT_EQ(traffic, (std::vector<std::string>{"viewer destroyed", "viewer destroyed", "code page", "code page"}))
        << "WM_DESTROY sent, then the one DestroyWindow sends; then the two broadcasts";
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(device::HelpViewerRunning()) << "the new viewer";
}

TEST_F(HelpLauncherTest, AViewerThatCannotStartLeavesTheCodePageAsItWas)
{
    device::RemoveHelpViewer();
    LaunchHelp(TEXT("keyboard"), 1032);
    EXPECT_EQ(Describe(seen), Describe({{"1253", 0}, {"1252", 0}}));
    EXPECT_EQ(StoredCodePage(), "1252");
    EXPECT_FALSE(device::HelpViewerRunning());
}

#include <commctrl.h>
#include <device/device_files.h>
#include <device/libraries.h>
#include <device/message_log.h>
#include <device/text.h>

#include "container_format.h"
#include "device_files.h"
#include "interface_files.h"
#include "setup_device.h"

namespace {

using Texts = std::vector<std::u16string>;
using Positions = std::vector<DWORD>;
using mui_container::EntryBytes;
using mui_container::EntryHeader;

const std::u16string kInstall = u"\\Program Files\\Lexovia";

std::u16string Utf16(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

}  // namespace

class InterfaceFilesTest : public SetupDevice {
protected:
    void SetUp() override
    {
        SetupDevice::SetUp();
        ASSERT_TRUE(device::PlaceLibrary(PKGSETUP_LIBRARY, u"\\Windows\\pkgsetup.dll"));
        HMODULE library = LoadLibraryW(u"\\Windows\\pkgsetup.dll");
        ASSERT_NE(library, nullptr) << device::LastLibraryFailure();
        TheModuleState().moduleInstance = library;
        ASSERT_EQ(device::CreateDeviceFolders(kInstall), static_cast<DWORD>(ERROR_SUCCESS));
    }

    static void PlaceContainer(const std::string& name, const std::string& bytes)
    {
        ASSERT_TRUE(device_files::Write(kInstall + u"\\" + Utf16(name), bytes));
    }

    static std::string Contents(const std::u16string& path) { return device_files::Read(path).value_or("(none)"); }

    // The bar's range end and every position it was given, in order.
    static std::pair<DWORD, Positions> BarHistory()
    {
        DWORD range = 0;
        Positions positions;
        for (const device::MessageRecord& record : device::MessageLog()) {
            if (_wcsicmp(record.className.c_str(), u"msctls_progress32") != 0) continue;
            if (record.message == PBM_SETRANGE32) range = static_cast<DWORD>(record.lParam);
            if (record.message == PBM_SETPOS) positions.push_back(static_cast<DWORD>(record.wParam));
        }
        return {range, positions};
    }
};

TEST_F(InterfaceFilesTest, EntriesBecomeFilesInWindowsAndTheBarFollowsThem)
{
    struct Case {
        const char* what;
        std::string container;
        std::vector<std::pair<std::u16string, std::string>> files;
        DWORD total;
        Positions positions;  // from the start to the end
    };
    // An entry named a.mui, attributes 0x80, data "wxyz", as stored: only
    // the first byte of each header word and of the data changes.
    std::string aMui(60, '\0');
    for (size_t at = 8; at <= 48; at += 4) aMui[at] = 0x3C;
    aMui[0] = 0x5D, aMui[1] = '.', aMui[2] = 'm', aMui[3] = 'u';
    aMui[4] = 0x55, aMui[52] = static_cast<char>(0xBC), aMui[56] = 0x38;
    aMui += std::string("\x73xyz");
    const Case cases[] = {
        {"an empty entry advances the bar by its header", EntryBytes("empty.mui", ""), {{u"empty.mui", ""}}, 60,
         {0, 60, 60}},
        {"six data bytes: the first word unscrambled, the last two as stored", EntryBytes("six.mui", "abcdef"),
         {{u"six.mui", "abcdef"}}, 66, {0, 66, 66}},
        {"a hand-made entry", aMui, {{u"a.mui", "wxyz"}}, 64, {0, 64, 64}},
        {"a short trailing header ends the container, the bar still reaches the end",
         EntryBytes("one.mui", "1") + std::string(30, 'x'), {{u"one.mui", "1"}}, 91, {0, 61, 91}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(device::CreateFresh());
        SetUp();
        PlaceContainer("mui_1.bin", c.container);
        device::ClearMessageLog();

        EXPECT_TRUE(ExtractInterfaceFiles(kInstall.c_str())) << c.what;
        for (const auto& [name, content] : c.files) EXPECT_EQ(Contents(u"\\Windows\\" + name), content) << c.what;
        EXPECT_EQ(BarHistory(), std::make_pair(c.total, c.positions)) << c.what;
        EXPECT_EQ(Contents(kInstall + u"\\mui_1.bin"), "(none)") << c.what << ": the container is deleted";
        EXPECT_TRUE(device::MessageBoxLog().empty()) << c.what;
    }
}

TEST_F(InterfaceFilesTest, ContainersGoInListingOrderAndTheLaterContentWins)
{
    PlaceContainer("mui_2.bin", EntryBytes("shared.mui", "second") + EntryBytes("two.mui", "2"));
    PlaceContainer("mui_1.bin", EntryBytes("shared.mui", "first") + EntryBytes("one.mui", "1"));
    EXPECT_TRUE(ExtractInterfaceFiles(kInstall.c_str()));
    EXPECT_EQ(Contents(u"\\Windows\\shared.mui"), "second");
    EXPECT_EQ(Contents(u"\\Windows\\one.mui"), "1");
    EXPECT_EQ(Contents(u"\\Windows\\two.mui"), "2");
    EXPECT_EQ(BarHistory().second, (Positions{0, 65, 126, 192, 253, 253}));
}

TEST_F(InterfaceFilesTest, MoreThanTenContainersAreAllUnpacked)
{
    const std::string letters = "0123456789ab";
    for (char letter : letters) PlaceContainer(std::string("mui_") + letter + ".bin", EntryBytes(std::string(1, letter) + ".mui", "x"));
    EXPECT_TRUE(ExtractInterfaceFiles(kInstall.c_str()));
    for (char letter : letters) EXPECT_EQ(Contents(u"\\Windows\\" + Utf16(std::string(1, letter)) + u".mui"), "x") << letter;
    EXPECT_TRUE(device_files::List(kInstall + u"\\*.*").empty());
}

TEST_F(InterfaceFilesTest, ADamagedContainerIsReportedAndTheNextOneStillUnpacked)
{
    struct Case {
        const char* what;
        std::string damaged;
    };
    const Case cases[] = {
        {"data shorter than its length", EntryBytes("good.mui", "1") + EntryHeader("cut.mui", 0x80, 100) + "short"},
        {"a length far past the end", EntryBytes("good.mui", "1") + EntryHeader("cut.mui", 0x80, 0xFFFFFFF0)},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(device::CreateFresh());
        SetUp();
        ASSERT_TRUE(device_files::Write(u"\\Windows\\cut.mui", "kept"));
        PlaceContainer("mui_1.bin", c.damaged);
        PlaceContainer("mui_2.bin", EntryBytes("next.mui", "2"));
        AnswerOk(1);

        EXPECT_TRUE(ExtractInterfaceFiles(kInstall.c_str())) << c.what;
        EXPECT_EQ(SetupErrorsShown(), Texts{kInstall + u"\\mui_1.bin"}) << c.what;
        EXPECT_EQ(Contents(u"\\Windows\\good.mui"), "1") << c.what;
        EXPECT_EQ(Contents(u"\\Windows\\cut.mui"), "kept") << c.what << ": nothing of a cut entry is written";
        EXPECT_EQ(Contents(u"\\Windows\\next.mui"), "2") << c.what;
    }
}

TEST_F(InterfaceFilesTest, AnEntryNameThatIsNotAPlainFileNameIsRefusedAndItsDataSkipped)
{
    struct Case {
        const char* what;
        std::string name;
        std::u16string shown;
    };
    const Case cases[] = {
        {"empty", "", u"\\Windows\\"},
        {"unterminated", std::string(52, 'n'), u"\\Windows\\" + std::u16string(52, u'n')},
        {"up a folder", "..\\evil.mui", u"\\Windows\\..\\evil.mui"},
        {"into a folder", "Start Menu\\evil.lnk", u"\\Windows\\Start Menu\\evil.lnk"},
        {"with a slash", "../evil.mui", u"\\Windows\\../evil.mui"},
        {"with a drive", "C:evil.mui", u"\\Windows\\C:evil.mui"},
        {"the parent itself", "..", u"\\Windows\\.."},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(device::CreateFresh());
        SetUp();
        Texts root = device_files::List(u"\\*.*");
        std::string stored = EntryHeader(c.name, 0x80, 4) + "EVIL";
        PlaceContainer("mui_1.bin", stored + EntryBytes("after.mui", "ok"));
        AnswerOk(1);

        EXPECT_TRUE(ExtractInterfaceFiles(kInstall.c_str())) << c.what;
        EXPECT_EQ(SetupErrorsShown(), Texts{c.shown}) << c.what;
        EXPECT_EQ(Contents(u"\\Windows\\after.mui"), "ok") << c.what << ": the refused data is skipped";
        EXPECT_EQ(device_files::List(u"\\*.*"), root) << c.what;
        for (const char16_t* escaped : {u"\\evil.mui", u"\\Windows\\Start Menu\\evil.lnk", u"\\Windows\\C*.mui"})
            EXPECT_TRUE(device_files::List(escaped).empty()) << c.what << ": " << device::Utf8(escaped);
    }
}

TEST_F(InterfaceFilesTest, AFileThatCannotBeCreatedIsReportedAndTheRestUnpacked)
{
    ASSERT_TRUE(device_files::Write(u"\\Windows\\locked.mui", "old", FILE_ATTRIBUTE_READONLY));
    PlaceContainer("mui_1.bin", EntryBytes("locked.mui", "new") + EntryBytes("free.mui", "new"));
    AnswerOk(1);
    EXPECT_TRUE(ExtractInterfaceFiles(kInstall.c_str()));
    EXPECT_EQ(SetupErrorsShown(), Texts{u"\\Windows\\locked.mui"});
    EXPECT_EQ(Contents(u"\\Windows\\locked.mui"), "old");
    EXPECT_EQ(Contents(u"\\Windows\\free.mui"), "new");
}

TEST_F(InterfaceFilesTest, AnInstallDirectoryWithItsTrailingBackslashStillFindsItsContainers)
{
    PlaceContainer("mui_1.bin", EntryBytes("one.mui", "1"));
    EXPECT_TRUE(ExtractInterfaceFiles((kInstall + u"\\").c_str()));
    EXPECT_EQ(Contents(u"\\Windows\\one.mui"), "1");
    EXPECT_TRUE(SetupErrorsShown().empty());
}

TEST_F(InterfaceFilesTest, AnInstallDirectoryTooLongForAPathIsReportedNotOverrun)
{
    std::u16string longDirectory = u"\\" + std::u16string(300, u'd');
    AnswerOk(1);
    EXPECT_FALSE(ExtractInterfaceFiles(longDirectory.c_str()));
    EXPECT_EQ(SetupErrorsShown(), Texts{longDirectory});
}

TEST_F(InterfaceFilesTest, WithoutContainersOrDialogNothingIsUnpacked)
{
    AnswerOk(1);
    EXPECT_FALSE(ExtractInterfaceFiles(kInstall.c_str()));
    EXPECT_EQ(SetupErrorsShown(), Texts{kInstall + u"\\mui_?.bin"});

    ASSERT_TRUE(device::CreateFresh());
    SetUp();
    PlaceContainer("mui_1.bin", EntryBytes("a.mui", "a"));
    TheModuleState().moduleInstance = nullptr;
    AnswerOk(1);
    EXPECT_FALSE(ExtractInterfaceFiles(kInstall.c_str()));
    EXPECT_EQ(SetupErrorsShown(), Texts{u"Cannot Create hDlg"});
    EXPECT_EQ(Contents(u"\\Windows\\a.mui"), "(none)");
    EXPECT_NE(Contents(kInstall + u"\\mui_1.bin"), "(none)") << "the container stays";
}

TEST_F(InterfaceFilesTest, RemovalDeletesThePackageLanguagesFilesOnly)
{
    for (const char16_t* name : {u"shell32.exe.0419.mui", u"pimres.dll.0419.MUI", u"shell32.exe.040B.mui", u"a.0419.txt"})
        ASSERT_TRUE(device_files::Write(u"\\Windows\\" + std::u16string(name), "x"));
    TheModuleState().packageLanguage = 1049;
    EXPECT_TRUE(DeleteInterfaceFiles());
    Texts left = device_files::List(u"\\Windows\\*.*");
    EXPECT_EQ(std::count(left.begin(), left.end(), u"shell32.exe.040B.mui"), 1);
    EXPECT_EQ(std::count(left.begin(), left.end(), u"a.0419.txt"), 1);
    EXPECT_EQ(std::count(left.begin(), left.end(), u"shell32.exe.0419.mui"), 0);
    EXPECT_EQ(std::count(left.begin(), left.end(), u"pimres.dll.0419.MUI"), 0);
}

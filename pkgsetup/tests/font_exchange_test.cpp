#include <device/registry_failures.h>

#include "device_files.h"
#include "font_exchange.h"
#include "nls_support.h"
#include "setup_device.h"

namespace {

using Texts = std::vector<std::u16string>;

const LPCWSTR kPlatformNames[] = {u"\\Windows\\tahoma.ttf", u"\\Windows\\tahomabd.ttf", u"\\Windows\\cour.ttf",
                                  u"\\Windows\\wince.nls"};
// The fresh device's own, in ROM: what the platform's names show when no file
// of the package lies over them.
const char* const kRomContents[] = {"Tahoma (ROM)", "Tahoma Bold (ROM)", "Courier New (ROM)", "WINCENLS 106"};
const LPCWSTR kParkedNames[] = {u"\\Windows\\qvtahoma.tt_", u"\\Windows\\qvtahomabd.tt_", u"\\Windows\\qvcour.tt_",
                                u"\\Windows\\wince.nl_"};

}  // namespace

class FontExchangeTest : public SetupDevice {
protected:
    // The package's copies under their parked names, the platform's own
    // under the platform's: each file holds its origin and name.
    void PlaceFiles(bool platformFiles, bool parkedFiles)
    {
        for (size_t i = 0; i < 4; ++i) {
            if (platformFiles) {
                ASSERT_TRUE(device_files::Write(kPlatformNames[i], "platform " + std::to_string(i)));
            }
            if (parkedFiles) {
                ASSERT_TRUE(device_files::Write(kParkedNames[i], "package " + std::to_string(i)));
            }
        }
    }

    static std::string Contents(LPCWSTR path) { return device_files::Read(path).value_or("(none)"); }
};

TEST_F(FontExchangeTest, InstallationMovesThePackagesFilesOntoThePlatformsNames)
{
    PlaceFiles(false, true);
    EXPECT_TRUE(ExchangeFontFiles(ExchangeDirection::Install));
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(Contents(kPlatformNames[i]), "package " + std::to_string(i));
        EXPECT_EQ(Contents(kParkedNames[i]), "(none)") << "a move, not a copy";
    }

    EXPECT_TRUE(ExchangeFontFiles(ExchangeDirection::Uninstall));
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(Contents(kParkedNames[i]), "package " + std::to_string(i));
        EXPECT_EQ(Contents(kPlatformNames[i]), kRomContents[i]);
    }
    EXPECT_TRUE(device::MessageBoxLog().empty());
}

TEST_F(FontExchangeTest, EveryFailedMoveIsReportedInItsOrderAndTheRestStillRun)
{
    struct Case {
        const char* what;
        ExchangeDirection direction;
        bool platformFiles, parkedFiles;
        Texts messages;
    };
    const Case cases[] = {
        {"installation without the parked files", ExchangeDirection::Install, true, false,
         {u"\\Windows\\qvtahoma.tt_", u"\\Windows\\qvtahomabd.tt_", u"\\Windows\\qvcour.ttf", u"\\Windows\\wince.nls"}},
        {"removal without the platform's files: the table first", ExchangeDirection::Uninstall, false, false,
         {u"\\Windows\\wince.nls", u"\\Windows\\tahoma.ttf", u"\\Windows\\tahomabd.ttf", u"\\Windows\\cour.ttf"}},
        {"removal onto parked names in use", ExchangeDirection::Uninstall, true, true,
         {u"\\Windows\\wince.nls", u"\\Windows\\tahoma.ttf", u"\\Windows\\tahomabd.ttf", u"\\Windows\\cour.ttf"}},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(device::TakeFaults().empty());
        ASSERT_TRUE(device::CreateFresh());
        PlaceFiles(c.platformFiles, c.parkedFiles);
        AnswerOk(c.messages.size());

        EXPECT_TRUE(ExchangeFontFiles(c.direction)) << c.what;
        EXPECT_EQ(SetupErrorsShown(), c.messages) << c.what;
        for (size_t i = 0; i < 4 && c.platformFiles; ++i)
            EXPECT_EQ(Contents(kPlatformNames[i]), "platform " + std::to_string(i)) << c.what << ": left in place";
    }
}

TEST_F(FontExchangeTest, OnlyAnUnsupportedTableBringsTheFallbackLocale)
{
    struct Case {
        const char* what;
        const char* table;
        DWORD supported;
        DWORD lcid, acp, ocp, codePage;
    };
    const Case cases[] = {
        {"a supported table", "WINCENLS 106\n", 1, 1049, 1251, 866, 1251},
        {"a table of another version", "WINCENLS 107\n", 0, 1033, 1252, 866, 1252},
        {"no table in the file", "garbage", 0, 1033, 1252, 866, 1252},
    };
    for (const Case& c : cases) {
        SetDword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultLCID", 1049);
        SetDword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultACP", 1251);
        SetDword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultOCP", 866);
        SetDword(HKEY_LOCAL_MACHINE, kTestBrowserKey, u"Default_CodePage", 1251);
        ASSERT_TRUE(device_files::Write(u"\\Windows\\wince.nls", c.table));

        EXPECT_TRUE(RecordNlsSupport()) << c.what;
        EXPECT_TRUE(EndedWithFlushAndClose()) << c.what;
        EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"NLSSupported"), c.supported) << c.what;
        EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultLCID"), c.lcid) << c.what;
        EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultACP"), c.acp) << c.what;
        EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultOCP"), c.ocp) << c.what;
        EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, kTestBrowserKey, u"Default_CodePage"), c.codePage) << c.what;
    }
}

TEST_F(FontExchangeTest, AKeyThatCannotBeOpenedEndsTheRecordSilently)
{
    struct Case {
        const char* what;
        std::u16string failingKey;  // opened from its root
        HKEY failingRoot;
        BOOL recorded;
        std::optional<DWORD> supported, lcid, codePage;
    };
    const Case cases[] = {
        {"product key", kTestProductKey, HKEY_CURRENT_USER, FALSE, std::nullopt, 0x409, 1252},
        {"nls", u"nls", HKEY_LOCAL_MACHINE, TRUE, 0, 0x409, 1252},
        {"browser key", kTestBrowserKey, HKEY_LOCAL_MACHINE, TRUE, 0, 1033, 1252},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(device::TakeFaults().empty());
        ASSERT_TRUE(device::CreateFresh());
        ASSERT_TRUE(device_files::Write(u"\\Windows\\wince.nls", "WINCENLS 1\n"));
        SetDword(HKEY_LOCAL_MACHINE, kTestBrowserKey, u"Default_CodePage", 1252);
        device::FailRegistryCall("RegCreateKeyExW", c.failingRoot == HKEY_CURRENT_USER ? u"HKCU" : u"HKLM",
                                 c.failingKey, ERROR_CANTOPEN);

        EXPECT_EQ(RecordNlsSupport(), c.recorded) << c.what;
        EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"NLSSupported"), c.supported) << c.what;
        EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, u"nls", u"DefaultLCID"), c.lcid) << c.what;
        EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, kTestBrowserKey, u"Default_CodePage"), c.codePage) << c.what;
        EXPECT_TRUE(device::MessageBoxLog().empty()) << c.what;
    }
}

#include <string>

#include <device/device_files.h>
#include <windows.h>

#include "device_files.h"
#include "fresh_device.h"
#include "nls/nls_table_header.h"

using NlsTableTest = FreshDevice;

TEST(NlsTableHeader, OnlyAWellFormedSignatureLineGivesAVersion)
{
    struct Case {
        const char* head;
        std::optional<unsigned> version;
    };
    const Case cases[] = {
        {"WINCENLS 106", 106},
        {"WINCENLS 106\nrest of the table", 106},
        {"WINCENLS 7\r\n", 7},
        {"WINCENLS 999999999", 999999999},
        {"WINCENLS 1000000000", std::nullopt},  // too many digits to be a version
        {"WINCENLS ", std::nullopt},
        {"WINCENLS x106", std::nullopt},
        {"WINCENLS 106x", std::nullopt},
        {"wincenls 106", std::nullopt},
        {"WINCENLS106", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::nls::NlsTableVersion(c.head), c.version) << '"' << c.head << '"';
}

TEST_F(NlsTableTest, TheFreshDevicesTableIsSupported)
{
    SetLastError(0);
    EXPECT_TRUE(IsNLSTableSupported());
}

TEST_F(NlsTableTest, ATableThatIsMissingMalformedOrOfAnotherVersionIsNotSupported)
{
    struct Case {
        const char* what;
        std::optional<std::string> content;  // none: no table at all
        DWORD error;
    };
    const Case cases[] = {
        {"another version", "WINCENLS 107\n", ERROR_NOT_SUPPORTED},
        {"not a table", "MZ\x90", ERROR_BAD_FORMAT},
        {"an empty file", "", ERROR_BAD_FORMAT},
        {"no table", std::nullopt, ERROR_FILE_NOT_FOUND},
        {"the supported version again", "WINCENLS 106\n", ERROR_SUCCESS},
    };
    // The fresh device's table is in ROM, where nothing could delete it.
    ASSERT_TRUE(device::RemoveRomFile(u"\\Windows\\wince.nls"));
    for (const Case& c : cases) {
        DeleteFileW(u"\\Windows\\wince.nls");
        if (c.content) {
            ASSERT_TRUE(device_files::Write(u"\\Windows\\wince.nls", *c.content));
        }
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(IsNLSTableSupported(), c.error == ERROR_SUCCESS) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }
}

#include <gtest/gtest.h>

#include <windows.h>

#include "device/factory_data.h"

using platform::device_setup::FactoryData;
using platform::device_setup::ParseFactoryData;

TEST(FactoryDataTest, ReadsKeysValuesFoldersAndFiles)
{
    FactoryData data = ParseFactoryData(
        "# comment\n"
        "[HKEY_LOCAL_MACHINE\\init]\n"
        "\"Launch50\"=\"shell32.exe\"\n"
        "\"Depend50\"=hex:14,00,1e,00\n"
        "@=\"default \\\"quoted\\\" \\\\ text\"\n"
        "[HKEY_CURRENT_USER\\Empty]\n"
        "folder \"\\\\Windows\"\n"
        "file \"\\\\Windows\\\\a.lnk\" \"19#\\\"\\\\Windows\\\\calc.exe\\\"\"\n"
        "rom \"\\\\Windows\\\\wince.nls\" \"WINCENLS 106\"\n");
    ASSERT_EQ(data.error, "");
    ASSERT_EQ(data.keys.size(), 2u);
    EXPECT_EQ(data.keys[0].root, HKEY_LOCAL_MACHINE);
    EXPECT_EQ(data.keys[0].path, u"init");
    ASSERT_EQ(data.keys[0].values.size(), 3u);
    EXPECT_EQ(data.keys[0].values[1].type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(data.keys[0].values[1].data, (std::vector<BYTE>{0x14, 0x00, 0x1e, 0x00}));
    EXPECT_EQ(data.keys[0].values[2].name, u"");
    EXPECT_EQ(data.keys[0].values[2].data.size(), (std::u16string(u"default \"quoted\" \\ text").size() + 1) * 2);
    EXPECT_TRUE(data.keys[1].values.empty());
    ASSERT_EQ(data.files.size(), 3u);
    EXPECT_EQ(data.files[0].kind, platform::device_setup::FactoryFile::Kind::Folder);
    EXPECT_EQ(data.files[1].path, u"\\Windows\\a.lnk");
    EXPECT_EQ(data.files[1].content, "19#\"\\Windows\\calc.exe\"");
    EXPECT_EQ(data.files[2].kind, platform::device_setup::FactoryFile::Kind::Rom);
    EXPECT_EQ(data.files[2].content, "WINCENLS 106");
}

TEST(FactoryDataTest, NamesTheFirstLineItCannotRead)
{
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"\"Orphan\"=dword:1\n", "line 1: \"Orphan\"=dword:1"},
        {"[HKEY_NOWHERE\\x]\n", "line 1: [HKEY_NOWHERE\\x]"},
        {"[HKEY_CURRENT_USER\\x]\n\"A\"=dword:12345678\n\"B\"=dword:xyz\n", "line 3: \"B\"=dword:xyz"},
        {"[HKEY_CURRENT_USER\\x]\n\"A\"=hex:1,2,300\n", "line 2: \"A\"=hex:1,2,300"},
        {"file \"\\\\a.txt\"\n", "line 1: file \"\\\\a.txt\""},
        {"folder \"\\\\unterminated\n", "line 1: folder \"\\\\unterminated"},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseFactoryData(c.text).error, c.error) << c.text;
}

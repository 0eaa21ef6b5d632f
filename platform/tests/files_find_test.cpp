#include <device/text.h>
#include <windows.h>

#include "device_files.h"
#include "fresh_device.h"

using FilesFindTest = FreshDevice;
using Names = std::vector<std::u16string>;

TEST_F(FilesFindTest, PatternsMatchAsOnTheDevice)
{
    // Created out of order and in mixed case: the listing must not care.
    for (const char16_t* name : {u"mui_22.bin", u"readme", u"Calendar.lnk", u"a.b.c", u"mui_1.bin", u"notes.LNK"})
        ASSERT_TRUE(device_files::Write(std::u16string(u"\\Temp\\") + name, "x"));
    ASSERT_TRUE(CreateDirectoryW(u"\\Temp\\Sub", nullptr));
    const Names all{u"a.b.c", u"Calendar.lnk", u"mui_1.bin", u"mui_22.bin", u"notes.LNK", u"readme", u"Sub"};
    struct Case {
        const char16_t* pattern;
        Names found;
    } cases[] = {
        {u"*.*", all},
        {u"*", all},
        {u"*.lnk", {u"Calendar.lnk", u"notes.LNK"}},
        {u"*.LNK", {u"Calendar.lnk", u"notes.LNK"}},
        {u"mui_?.bin", {u"mui_1.bin"}},
        {u"mui_*.bin", {u"mui_1.bin", u"mui_22.bin"}},
        {u"README", {u"readme"}},
        {u"readme.*", {u"readme"}},
        {u"a.b.*", {u"a.b.c"}},
        {u"*.b", {}},
        {u"?", {}},
        {u"sub", {u"Sub"}},
        {u"*e*", {u"Calendar.lnk", u"notes.LNK", u"readme"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(device_files::List(std::u16string(u"\\temp\\") + c.pattern), c.found)
            << "pattern " << device::Utf8(c.pattern);
}

TEST_F(FilesFindTest, FindDataDescribesEachEntryAndTheListingEndsCleanly)
{
    ASSERT_TRUE(device_files::Write(u"\\Temp\\five.txt", "12345", FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(CreateDirectoryW(u"\\Temp\\Folder", nullptr));
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW(u"\\Temp\\*.*", &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_EQ(std::u16string(data.cFileName), u"five.txt");
    EXPECT_EQ(data.dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(data.nFileSizeLow, 5u);
    EXPECT_EQ(data.nFileSizeHigh, 0u);
    ASSERT_TRUE(FindNextFileW(search, &data));
    EXPECT_EQ(std::u16string(data.cFileName), u"Folder");
    EXPECT_EQ(data.dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    for (int again = 0; again < 2; ++again) {
        EXPECT_FALSE(FindNextFileW(search, &data));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    }
    EXPECT_TRUE(FindClose(search));
}

TEST_F(FilesFindTest, FailedSearchesSayWhy)
{
    WIN32_FIND_DATAW data;
    struct Case {
        const WCHAR* pattern;
        WIN32_FIND_DATAW* data;
        DWORD error;
    } cases[] = {
        {u"\\Temp\\*.*", &data, ERROR_FILE_NOT_FOUND}, {u"\\Windows\\*.xyz", &data, ERROR_FILE_NOT_FOUND},
        {u"\\Windows\\", &data, ERROR_FILE_NOT_FOUND}, {u"\\Nowhere\\*.*", &data, ERROR_PATH_NOT_FOUND},
        {u"\\Win*\\*.*", &data, ERROR_INVALID_NAME},   {u"\\Windows\\*.*", nullptr, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindFirstFileW(c.pattern, c.data), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), c.error);
    }
}

TEST_F(FilesFindTest, TheFreshStartMenuListsInOrderAndSurvivesDeletionWhileListing)
{
    EXPECT_EQ(
        device_files::List(u"\\Windows\\Start Menu\\*.*"),
        (Names{u"Calendar.lnk", u"Contacts.lnk", u"Inbox.lnk", u"Notes.lnk", u"Programs", u"Settings", u"Tasks.lnk"}));
    EXPECT_EQ(device_files::Read(u"\\Windows\\Start Menu\\Settings\\Power.lnk"),
              "35#\"\\Windows\\ctlpnl.exe\" cplmain.cpl,3");

    Names deleted;
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW(u"\\Windows\\Start Menu\\*.lnk", &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do {
        deleted.emplace_back(data.cFileName);
        EXPECT_TRUE(DeleteFileW((u"\\Windows\\Start Menu\\" + deleted.back()).c_str()));
    } while (FindNextFileW(search, &data));
    FindClose(search);
    EXPECT_EQ(deleted.size(), 5u);
    EXPECT_EQ(device_files::List(u"\\Windows\\Start Menu\\*"), (Names{u"Programs", u"Settings"}));
}

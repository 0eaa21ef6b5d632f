#include <filesystem>
#include <functional>
#include <set>

#include <windows.h>

#include "device_files.h"
#include "fresh_device.h"

using HandlesTest = FreshDevice;

namespace {

HANDLE OpenCalendar()
{
    return CreateFileW(u"\\Windows\\Start Menu\\Calendar.lnk", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                       nullptr);
}

HANDLE FindStartMenu()
{
    WIN32_FIND_DATAW data;
    return FindFirstFileW(u"\\Windows\\Start Menu\\*.*", &data);
}

HANDLE Closed(HANDLE handle)
{
    CloseHandle(handle);
    return handle;
}

size_t OpenHostDescriptors()
{
    std::error_code error;
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd", error),
                         std::filesystem::directory_iterator());
}

}  // namespace

TEST_F(HandlesTest, MisusedHandlesFailWithInvalidHandleAndLeaveOtherObjectsAlone)
{
    HANDLE file = OpenCalendar();
    HANDLE search = FindStartMenu();
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    WIN32_FIND_DATAW data;
    char buffer[4];
    DWORD count = 0;
    struct Case {
        const char* what;
        std::function<BOOL()> call;
    } cases[] = {
        {"ReadFile on a search", [&] { return ReadFile(search, buffer, 4, &count, nullptr); }},
        {"WriteFile on a search", [&] { return WriteFile(search, buffer, 4, &count, nullptr); }},
        {"GetFileSize on a search", [&] { return BOOL(GetFileSize(search, nullptr) != INVALID_FILE_SIZE); }},
        {"FindNextFileW on a file", [&] { return FindNextFileW(file, &data); }},
        {"FindClose on a file", [&] { return FindClose(file); }},
        {"CloseHandle on a search", [&] { return CloseHandle(search); }},
        {"ReadFile on a null handle", [&] { return ReadFile(nullptr, buffer, 4, &count, nullptr); }},
        {"ReadFile on INVALID_HANDLE_VALUE",
         [&] { return ReadFile(INVALID_HANDLE_VALUE, buffer, 4, &count, nullptr); }},
        {"SetEndOfFile on garbage", [&] { return SetEndOfFile(reinterpret_cast<HANDLE>(0x12345679)); }},
        {"CloseHandle on a host pointer", [&] { return CloseHandle(&data); }},
        {"a closed file", [&] { return ReadFile(Closed(OpenCalendar()), buffer, 4, &count, nullptr); }},
        {"CloseHandle twice", [&] { return CloseHandle(Closed(OpenCalendar())); }},
        {"FindClose twice",
         [&] {
             HANDLE once = FindStartMenu();
             FindClose(once);
             return FindClose(once);
         }},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_FALSE(c.call()) << c.what << " must fail";
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE)) << c.what;
    }
    EXPECT_TRUE(ReadFile(file, buffer, 2, &count, nullptr) && count == 2) << "the file survives the misuse";
    EXPECT_TRUE(FindNextFileW(search, &data)) << "the search survives the misuse";
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_TRUE(FindClose(search));
}

TEST_F(HandlesTest, HandleValuesAreNeverReusedEvenAcrossDevices)
{
    std::set<HANDLE> seen;
    for (int i = 0; i < 50; ++i) {
        HANDLE file = OpenCalendar();
        EXPECT_TRUE(seen.insert(file).second) << "handle reused after " << i << " opens";
        CloseHandle(file);
    }
    HANDLE kept = OpenCalendar();
    ASSERT_TRUE(device::CreateFresh());
    HANDLE fresh = OpenCalendar();
    EXPECT_NE(fresh, kept);
    SetLastError(0);
    EXPECT_FALSE(CloseHandle(kept)) << "a handle of a closed device names nothing";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    CloseHandle(fresh);
}

TEST_F(HandlesTest, ClosingTheDeviceReleasesEveryOpenObject)
{
    size_t before = OpenHostDescriptors();
    for (int i = 0; i < 5; ++i) OpenCalendar();
    FindStartMenu();
    EXPECT_GE(OpenHostDescriptors(), before + 5);
    ASSERT_TRUE(device::CreateFresh());
    EXPECT_EQ(OpenHostDescriptors(), before) << "files left open on the host";
}

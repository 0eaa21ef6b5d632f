#include <string>
#include <vector>

#include <device/boot.h>
#include <device/device.h>
#include <device/file_calls.h>
#include <device/text.h>
#include <windows.h>

#include "device_files.h"
#include "fresh_device.h"

using FilesCallLogTest = FreshDevice;

namespace {

struct ExpectedCall {
    const char* function;
    const char16_t* path;
    const char16_t* target;
    DWORD error;
};

std::string Describe(const device::FileCall& call)
{
    std::string text = call.function + " " + device::Utf8(call.path);
    if (!call.target.empty()) text += " -> " + device::Utf8(call.target);
    return text + " = " + std::to_string(call.error);
}

std::string Describe(const ExpectedCall& call)
{
    return Describe(device::FileCall{call.function, call.path, call.target, call.error});
}

}  // namespace

TEST_F(FilesCallLogTest, EachCallNamingAPathIsRecordedWithHowItEnded)
{
    ASSERT_TRUE(device_files::Write(u"\\Temp\\a.txt", "a"));
    device::ClearFileCalls();

    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(u"\\Temp\\*.txt", &found);
    FindClose(search);
    FindFirstFileW(u"\\Temp\\*.none", &found);
    GetFileAttributesW(u"\\Temp\\a.txt");
    GetFileAttributesW(u"\\Temp\\gone.txt");
    CopyFileW(u"\\Temp\\a.txt", u"\\Temp\\b.txt", TRUE);
    MoveFileW(u"\\Temp\\b.txt", u"\\Temp\\a.txt");
    SetFileAttributesW(u"\\Temp\\a.txt", FILE_ATTRIBUTE_READONLY);
    DeleteFileW(u"\\Temp\\a.txt");
    DeleteFileW(u"\\Windows\\tahoma.ttf");
    CreateDirectoryW(u"\\Temp\\Folder", nullptr);
    RemoveDirectoryW(u"\\Temp\\Folder");
    CreateFileW(u"\\Temp\\a.txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    _wfopen(u"\\Temp\\gone.txt", u"rb");
    LoadLibraryExW(u"nothing.mui", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    LoadLibraryW(u"\\Temp\\nothing");

    const ExpectedCall expected[] = {
        {"FindFirstFileW", u"\\Temp\\*.txt", u"", ERROR_SUCCESS},
        {"FindFirstFileW", u"\\Temp\\*.none", u"", ERROR_FILE_NOT_FOUND},
        {"GetFileAttributesW", u"\\Temp\\a.txt", u"", ERROR_SUCCESS},
        {"GetFileAttributesW", u"\\Temp\\gone.txt", u"", ERROR_FILE_NOT_FOUND},
        {"CopyFileW", u"\\Temp\\a.txt", u"\\Temp\\b.txt", ERROR_SUCCESS},
        {"MoveFileW", u"\\Temp\\b.txt", u"\\Temp\\a.txt", ERROR_ALREADY_EXISTS},
        {"SetFileAttributesW", u"\\Temp\\a.txt", u"", ERROR_SUCCESS},
        {"DeleteFileW", u"\\Temp\\a.txt", u"", ERROR_ACCESS_DENIED},
        {"DeleteFileW", u"\\Windows\\tahoma.ttf", u"", ERROR_ACCESS_DENIED},
        {"CreateDirectoryW", u"\\Temp\\Folder", u"", ERROR_SUCCESS},
        {"RemoveDirectoryW", u"\\Temp\\Folder", u"", ERROR_SUCCESS},
        {"CreateFileW", u"\\Temp\\a.txt", u"", ERROR_FILE_EXISTS},
        {"_wfopen", u"\\Temp\\gone.txt", u"", ERROR_FILE_NOT_FOUND},
        {"LoadLibraryExW", u"\\Windows\\nothing.mui", u"", ERROR_MOD_NOT_FOUND},
        {"LoadLibraryW", u"\\Temp\\nothing.dll", u"", ERROR_MOD_NOT_FOUND},
    };
    std::vector<std::string> want, got;
    for (const ExpectedCall& call : expected) want.push_back(Describe(call));
    for (const device::FileCall& call : device::FileCalls()) got.push_back(Describe(call));
    EXPECT_EQ(got, want);
}

TEST_F(FilesCallLogTest, TheLogStartsWhenTheDeviceLeavesTheFactoryAndOutlastsARestart)
{
    EXPECT_TRUE(device::FileCalls().empty()) << "the factory's own writes are not the device's calls";
    GetFileAttributesW(u"\\Windows");
    device::Restart();
    ASSERT_FALSE(device::FileCalls().empty());
    EXPECT_EQ(device::FileCalls().front().path, u"\\Windows");

    ASSERT_TRUE(device::CreateFresh());
    EXPECT_TRUE(device::FileCalls().empty()) << "another device, another log";
}

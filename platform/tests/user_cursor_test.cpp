#include <device/boot.h>
#include <device/cursor.h>
#include <device/faults.h>
#include <windows.h>

#include "fresh_device.h"

using UserCursorTest = FreshDevice;

TEST_F(UserCursorTest, TheWaitCursorStandsUntilItIsTakenAway)
{
    EXPECT_EQ(device::CurrentCursor(), "") << "a device opens without a cursor";
    HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    ASSERT_NE(wait, nullptr);
    EXPECT_EQ(LoadCursorW(nullptr, IDC_WAIT), wait) << "a system cursor is one object";
    EXPECT_NE(LoadCursorW(nullptr, IDC_ARROW), wait);

    EXPECT_EQ(SetCursor(wait), nullptr);
    EXPECT_EQ(device::CurrentCursor(), "IDC_WAIT");
    EXPECT_EQ(SetCursor(nullptr), wait) << "answers the cursor it replaced";
    EXPECT_EQ(device::CurrentCursor(), "");
}

TEST_F(UserCursorTest, UnknownCursorsFailWithThePlatformsErrors)
{
    struct Case {
        const char* what;
        HINSTANCE instance;
        LPCWSTR name;
        DWORD error;
    };
    const Case cases[] = {
        {"a system cursor the device lacks", nullptr, MAKEINTRESOURCEW(32513), ERROR_RESOURCE_NAME_NOT_FOUND},
        {"a cursor by a name", nullptr, TEXT("Wait"), ERROR_RESOURCE_NAME_NOT_FOUND},
        {"a cursor of a module", reinterpret_cast<HINSTANCE>(0x10000000), IDC_WAIT, ERROR_RESOURCE_TYPE_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(LoadCursorW(c.instance, c.name), nullptr) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }

    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    EXPECT_EQ(SetCursor(reinterpret_cast<HCURSOR>(0x1234)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_CURSOR_HANDLE));
    EXPECT_EQ(device::CurrentCursor(), "IDC_WAIT") << "a bad handle changes nothing";
}

TEST_F(UserCursorTest, ARestartTakesTheCursorAway)
{
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    device::Restart();
    EXPECT_EQ(device::CurrentCursor(), "");
}

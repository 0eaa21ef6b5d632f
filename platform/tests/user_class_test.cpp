#include <functional>

#include <windows.h>

#include "fresh_device.h"

namespace {

WNDCLASSW ClassNamed(LPCWSTR name)
{
    WNDCLASSW info = {};
    info.lpfnWndProc = DefWindowProcW;
    info.lpszClassName = name;
    return info;
}

HWND CreateOf(LPCWSTR classNameOrAtom)
{
    return CreateWindowExW(0, classNameOrAtom, nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace

class UserClassTest : public FreshDevice {
protected:
    ATOM keyboard = 0;
    HWND window = nullptr;
};

TEST_F(UserClassTest, RegistrationFollowsThePlatformStepByStep)
{
    const WNDCLASSW keyboardClass = ClassNamed(TEXT("FinKeys"));
    const WNDCLASSW sameNameOtherCase = ClassNamed(TEXT("FINKEYS"));
    const WNDCLASSW unnamed = ClassNamed(nullptr);
    const WNDCLASSW emptyName = ClassNamed(TEXT(""));
    struct Step {
        const char* what;
        std::function<bool()> succeeded;
        bool succeeds;
        DWORD error;  // checked when the step fails
    };
    const Step steps[] = {
        {"a new class gets an atom", [&] { return (keyboard = RegisterClassW(&keyboardClass)) != 0; }, true, 0},
        {"a name registered already, in any case, is refused", [&] { return RegisterClassW(&sameNameOtherCase) != 0; },
         false, ERROR_CLASS_ALREADY_EXISTS},
        {"no class information is refused", [&] { return RegisterClassW(nullptr) != 0; }, false,
         ERROR_INVALID_PARAMETER},
        {"no name is refused", [&] { return RegisterClassW(&unnamed) != 0; }, false, ERROR_INVALID_PARAMETER},
        {"an empty name is refused", [&] { return RegisterClassW(&emptyName) != 0; }, false, ERROR_INVALID_PARAMETER},
        {"a window is created by the name in another case",
         [&] { return (window = CreateOf(TEXT("finkeys"))) != nullptr; }, true, 0},
        {"a class with windows stays registered", [&] { return UnregisterClassW(TEXT("FinKeys"), nullptr) != 0; },
         false, ERROR_CLASS_HAS_WINDOWS},
        {"once its windows are gone it goes",
         [&] { return DestroyWindow(window) && UnregisterClassW(TEXT("FINKEYS"), nullptr); }, true, 0},
        {"an unknown class cannot be unregistered", [&] { return UnregisterClassW(TEXT("FinKeys"), nullptr) != 0; },
         false, ERROR_CLASS_DOES_NOT_EXIST},
        {"an unknown class makes no window", [&] { return CreateOf(TEXT("FinKeys")) != nullptr; }, false,
         ERROR_CANNOT_FIND_WND_CLASS},
        {"registered again, the name keeps its atom", [&] { return RegisterClassW(&keyboardClass) == keyboard; }, true,
         0},
        {"a window is created by atom", [&] { return (window = CreateOf(MAKEINTATOM(keyboard))) != nullptr; }, true, 0},
        {"a class is unregistered by atom",
         [&] { return DestroyWindow(window) && UnregisterClassW(MAKEINTATOM(keyboard), nullptr); }, true, 0},
    };
    for (const Step& step : steps) {
        SetLastError(0);
        EXPECT_EQ(step.succeeded(), step.succeeds) << step.what;
        if (!step.succeeds) {
            EXPECT_EQ(GetLastError(), step.error) << step.what;
        }
    }
    EXPECT_GE(keyboard, 0xC000) << "class atoms are taken from the string-atom range";
}

TEST_F(UserClassTest, StockObjectsAreFixedDistinctHandles)
{
    EXPECT_NE(GetStockObject(NULL_BRUSH), nullptr);
    EXPECT_EQ(GetStockObject(NULL_BRUSH), GetStockObject(HOLLOW_BRUSH));
    EXPECT_NE(GetStockObject(NULL_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetStockObject(9), nullptr) << "there is no stock object 9";
}

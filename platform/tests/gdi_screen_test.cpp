#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include <device/paint.h>
#include <device/screen.h>

#include "scripted_window.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

void FillClient(HDC hdc, HWND window, COLORREF colour)
{
    RECT client{};
    GetClientRect(window, &client);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(hdc, &client, brush);
    DeleteObject(brush);
}

}  // namespace

// Windows that paint their whole client area in the colour the test gives each.
class GdiScreenTest : public ScriptedWindows {
protected:
    void SetUp() override
    {
        ScriptedWindows::SetUp();
        React([this](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (message != WM_PAINT) return std::nullopt;
            PAINTSTRUCT paint;
            HDC hdc = BeginPaint(window, &paint);
            auto colour = colours.find(window);
            FillClient(hdc, window, colour == colours.end() ? RGB(255, 255, 255) : colour->second);
            EndPaint(window, &paint);
            return 0;
        });
    }

    std::map<HWND, COLORREF> colours;  // white for a window not named yet
};

TEST_F(GdiScreenTest, AWindowsDrawingAppearsAtItsScreenPositionWithinThePaintRectangle)
{
    HWND window = Create({10, 20, 110, 70});
    colours[window] = kBlue;
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    EXPECT_EQ(device::ScreenPixel(10, 20), kBlue) << "the client's top-left corner";
    EXPECT_EQ(device::ScreenPixel(109, 69), kBlue) << "its bottom-right corner";
    EXPECT_EQ(device::ScreenPixel(110, 69), device::kDesktopColour) << "beside it";

    colours[window] = kRed;
    const RECT part{5, 5, 15, 15};
    InvalidateRect(window, &part, FALSE);
    UpdateWindow(window);
    const struct {
        POINT at;
        COLORREF expected;
        const char* what;
    } cases[] = {
        {{15, 25}, kRed, "the paint rectangle's first pixel"},
        {{24, 34}, kRed, "its last pixel"},
        {{25, 25}, kBlue, "right of it: BeginPaint clips to the paint rectangle"},
        {{15, 35}, kBlue, "below it"},
    };
    for (const auto& c : cases) EXPECT_EQ(device::ScreenPixel(c.at.x, c.at.y), c.expected) << c.what;

    HDC hdc = GetDC(window);
    EXPECT_EQ(SetPixel(hdc, 99, 0, kGreen), kGreen);
    EXPECT_EQ(SetPixel(hdc, 100, 0, kGreen), CLR_INVALID) << "GetDC clips to the window";
    ReleaseDC(window, hdc);
    EXPECT_EQ(device::ScreenPixel(109, 20), kGreen);
}

TEST_F(GdiScreenTest, ChildrenAreClippedToTheirParentAndAParentPaintsAroundThem)
{
    HWND panel = Create({0, 214, 240, 294});
    colours[panel] = kBlue;
    HWND child = Create({200, 40, 300, 100}, panel, WS_CHILD | WS_VISIBLE);
    colours[child] = kGreen;
    InvalidateRect(child, nullptr, FALSE);
    UpdateWindow(child);
    InvalidateRect(panel, nullptr, FALSE);
    UpdateWindow(panel);
    const struct {
        POINT at;
        COLORREF expected;
        const char* what;
    } cases[] = {
        {{0, 214}, kBlue, "the panel"},
        {{200, 254}, kGreen, "the child, where the parent painted after it"},
        {{239, 293}, kGreen, "the child at the panel's corner"},
        {{239, 294}, device::kDesktopColour, "below the panel: the child is cut off"},
    };
    for (const auto& c : cases) EXPECT_EQ(device::ScreenPixel(c.at.x, c.at.y), c.expected) << c.what;
    device::Image panelImage = device::CaptureScreenRect({0, 214, 240, 294});
    EXPECT_EQ(panelImage.width, 240);
    EXPECT_EQ(panelImage.height, 80);
    EXPECT_EQ(panelImage.At(200, 40), kGreen);
}

TEST_F(GdiScreenTest, TopmostWindowsLieAboveAndHidingOneUncoversWhatWasDrawnBeneath)
{
    HWND topmost = Create({0, 0, 50, 50}, nullptr, WS_VISIBLE, WS_EX_TOPMOST);
    colours[topmost] = kRed;
    HWND later = Create({25, 25, 75, 75});
    colours[later] = kBlue;
    for (HWND window : {topmost, later}) {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
    EXPECT_EQ(device::ScreenPixel(30, 30), kRed) << "the topmost window, though created first";
    ShowWindow(topmost, SW_HIDE);
    EXPECT_EQ(device::ScreenPixel(30, 30), kBlue) << "the window beneath kept its drawing";
    EXPECT_EQ(device::ScreenPixel(10, 10), device::kDesktopColour);
}

TEST_F(GdiScreenTest, AChildThatHidesOrGoesIsPaintedOverWithTheParentsBackground)
{
    WNDCLASSW backgroundClass{};
    backgroundClass.lpfnWndProc = DefWindowProcW;
    backgroundClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    backgroundClass.lpszClassName = TEXT("GreyBackground");
    ASSERT_NE(RegisterClassW(&backgroundClass), 0);
    HWND panel = Create({0, 214, 240, 294}, nullptr, WS_VISIBLE, 0, TEXT("GreyBackground"));
    constexpr COLORREF kLightGrey = RGB(192, 192, 192);
    EXPECT_EQ(device::ScreenPixel(0, 214), kLightGrey) << "a window painted by default is erased with its background";

    for (auto leave : {+[](HWND child) { ShowWindow(child, SW_HIDE); }, +[](HWND child) { DestroyWindow(child); }}) {
        HWND child = Create({10, 10, 50, 50}, panel, WS_CHILD | WS_VISIBLE);
        colours[child] = kRed;
        InvalidateRect(child, nullptr, FALSE);
        UpdateWindow(child);
        ASSERT_EQ(device::ScreenPixel(10, 224), kRed);
        leave(child);
        device::DeliverPaints();
        EXPECT_EQ(device::ScreenPixel(10, 224), kLightGrey) << "no trace of the child is left";
        EXPECT_EQ(device::ScreenPixel(49, 263), kLightGrey);
    }
}

TEST_F(GdiScreenTest, AScreenshotWrittenAsPngReadsBackAsTheCapture)
{
    HWND window = Create({10, 20, 110, 70});
    colours[window] = RGB(12, 34, 56);
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    device::Image screen = device::CaptureScreen();
    ASSERT_EQ(screen.width, device::kScreenWidth);
    ASSERT_EQ(screen.height, device::kScreenHeight);
    std::string path = (std::filesystem::temp_directory_path() / "gdi_screen_test.png").string();
    std::string error;
    ASSERT_TRUE(device::SavePng(screen, path, error)) << error;
    device::Image read;
    ASSERT_TRUE(device::LoadPng(path, read, error)) << error;
    std::filesystem::remove(path);
    EXPECT_EQ(read.width, screen.width);
    EXPECT_EQ(read.height, screen.height);
    EXPECT_TRUE(read.pixels == screen.pixels);

    EXPECT_FALSE(device::SavePng(screen, "/nonexistent-folder/screen.png", error));
    EXPECT_NE(error.find("/nonexistent-folder/screen.png"), std::string::npos) << error;
    EXPECT_FALSE(device::LoadPng(path, read, error)) << "the file is gone";
}

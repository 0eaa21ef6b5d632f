// The blit log: what each BitBlt and PatBlt was asked to draw, where, and
// whether it did.
#include <device/gdi_calls.h>
#include <device/paint.h>

#include "scripted_window.h"

namespace {

using Call = device::BlitCall;

std::string Text(const Call& c)
{
    return std::string(c.function == Call::Function::BitBlt ? "BitBlt" : "PatBlt") + " target " +
           std::to_string(static_cast<int>(c.target)) + " (" + std::to_string(c.x) + ", " + std::to_string(c.y) +
           ", " + std::to_string(c.width) + ", " + std::to_string(c.height) + ") rop " + std::to_string(c.rop) +
           " = " + std::to_string(c.result);
}

}  // namespace

using GdiBlitLogTest = ScriptedWindows;

TEST_F(GdiBlitLogTest, RecordsEachBlitWithItsTargetRectangleOperationAndResult)
{
    HWND window = Create({0, 0, 100, 80});
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP image = CreateCompatibleBitmap(memory, 40, 30);
    HGDIOBJ original = SelectObject(memory, image);
    HDC stale = CreateCompatibleDC(nullptr);
    ASSERT_TRUE(DeleteDC(stale));
    React([&](HWND target, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message != WM_PAINT) return std::nullopt;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(target, &paint);
        BitBlt(dc, 10, 12, 20, 8, memory, 0, 0, SRCCOPY);
        EndPaint(target, &paint);
        return 0;
    });
    device::ClearBlitLog();

    PatBlt(memory, 1, 2, 3, 4, BLACKNESS);
    PatBlt(memory, 5, 6, -3, 2, SRCCOPY);
    const RECT invalid{10, 12, 30, 20};
    InvalidateRect(window, &invalid, FALSE);
    device::DeliverPaints();
    BitBlt(stale, 0, 0, 5, 5, memory, 0, 0, SRCCOPY);

    const struct {
        Call expected;
        const char* why;
    } cases[] = {
        {{Call::Function::PatBlt, Call::Target::Memory, nullptr, 1, 2, 3, 4, BLACKNESS, TRUE},
         "a blit to a memory context names no window"},
        {{Call::Function::PatBlt, Call::Target::Memory, nullptr, 5, 6, -3, 2, SRCCOPY, FALSE},
         "a pattern blit that would read a source fails, and its rectangle is kept as passed"},
        {{Call::Function::BitBlt, Call::Target::Paint, window, 10, 12, 20, 8, SRCCOPY, TRUE},
         "a blit to a paint context names the window painted"},
        {{Call::Function::BitBlt, Call::Target::None, nullptr, 0, 0, 5, 5, SRCCOPY, FALSE},
         "a blit on a deleted context fails and is recorded as failed"},
    };
    const std::vector<Call>& log = device::BlitLog();
    ASSERT_EQ(log.size(), std::size(cases)) << "one record per call, nothing else";
    for (size_t i = 0; i < log.size(); ++i)
        EXPECT_EQ(log[i], cases[i].expected) << cases[i].why << "; recorded " << Text(log[i]);

    SelectObject(memory, original);
    DeleteObject(image);
    DeleteDC(memory);
}

TEST_F(GdiBlitLogTest, ClosingTheDeviceEmptiesTheLog)
{
    PatBlt(CreateCompatibleDC(nullptr), 0, 0, 1, 1, WHITENESS);
    ASSERT_FALSE(device::BlitLog().empty());
    device::Close();
    EXPECT_TRUE(device::BlitLog().empty()) << "the windows and contexts it names went with the device";
}

// The drawing the soft keyboard does at every paint: copying its 240 x 80
// frame, and writing a key's label. The baseline inverts one pixel, which
// costs the call and the handle lookups but no pixel work to speak of.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <iterator>

#include <windows.h>

#include <device/device.h>

namespace {

constexpr int kFrameWidth = 240;
constexpr int kFrameHeight = 80;

// A colour bitmap of the frame's size in a memory context of its own.
struct Frame {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ original;

    Frame()
    {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, kFrameWidth, kFrameHeight);
        ReleaseDC(nullptr, screen);
        original = SelectObject(dc, bitmap);
    }
    ~Frame()
    {
        SelectObject(dc, original);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
};

HFONT KeyFont()
{
    LOGFONTW font{};
    font.lfHeight = -12;
    font.lfWeight = FW_NORMAL;
    const char16_t face[] = u"Tahoma";
    std::copy(std::begin(face), std::end(face), font.lfFaceName);
    return CreateFontIndirectW(&font);
}

void BM_Baseline_InvertOnePixel(benchmark::State& state)
{
    device::CreateFresh();
    {
        Frame frame;
        for (auto _ : state) benchmark::DoNotOptimize(PatBlt(frame.dc, 0, 0, 1, 1, DSTINVERT));
    }
    device::Close();
}

void BM_CopyTheFrame(benchmark::State& state)
{
    device::CreateFresh();
    {
        Frame from, to;
        for (auto _ : state)
            benchmark::DoNotOptimize(BitBlt(to.dc, 0, 0, kFrameWidth, kFrameHeight, from.dc, 0, 0, SRCCOPY));
    }
    device::Close();
}

void BM_DrawAKeyLabel(benchmark::State& state)
{
    device::CreateFresh();
    {
        Frame frame;
        HFONT font = KeyFont();
        HGDIOBJ original = SelectObject(frame.dc, font);
        RECT key{210, 61, 239, 79};
        for (auto _ : state)
            benchmark::DoNotOptimize(
                DrawTextW(frame.dc, u"Fi", -1, &key, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX));
        SelectObject(frame.dc, original);
        DeleteObject(font);
    }
    device::Close();
}

}  // namespace

BENCHMARK(BM_Baseline_InvertOnePixel);
BENCHMARK(BM_CopyTheFrame);
BENCHMARK(BM_DrawAKeyLabel);
BENCHMARK_MAIN();

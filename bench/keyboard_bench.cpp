// One tap on the soft keyboard: pen down and up through the platform's hit
// test and the window procedure into the engine, out to the recorded host
// events and the focused text. The baseline is a tap on the panel's seam at
// x = 0, which reaches the keyboard but no key.
//
// Painting: one key repainted from the cached keyboard image is the baseline
// for a whole keyboard repainted from the cache, and for one drawn afresh
// after a settings change dropped the cache. Both of the latter pay for the
// settings being written and read again; the difference between them is the
// cost of rendering the image.
#include <benchmark/benchmark.h>

#include <aygshell.h>
#include <objbase.h>

#include <device/device.h>
#include <device/libraries.h>
#include <device/paint.h>
#include <device/pen.h>
#include <device/sip.h>
#include <device/text_editor.h>

namespace {

const CLSID kFinkeys = {0x42112D3E, 0xCDA6, 0x4AAB, {0x93, 0x1E, 0xCE, 0x21, 0x04, 0xF0, 0x7C, 0x21}};

// A device with the keyboard registered, selected and shown.
bool KeyboardUp()
{
    if (!device::CreateFresh() || !device::PlaceLibrary(FINKEYS_LIBRARY, u"\\Windows\\finkeys.dll")) return false;
    HMODULE library = LoadLibraryW(u"\\Windows\\finkeys.dll");
    auto registerServer = reinterpret_cast<HRESULT (*)()>(GetProcAddress(library, "DllRegisterServer"));
    bool registered = registerServer && registerServer() == S_OK;
    FreeLibrary(library);
    if (!registered || !device::SelectInputMethod(kFinkeys)) return false;
    device::ShowInputPanel();
    return device::IsInputPanelShown();
}

void TapAt(benchmark::State& state, int x, int y)
{
    if (!KeyboardUp()) {
        state.SkipWithError("the keyboard did not come up");
        return;
    }
    int taps = 0;
    for (auto _ : state) {
        device::Tap(x, 214 + y);
        if (++taps % 256 == 0) {
            state.PauseTiming();
            device::ClearCallbackLog();
            device::ClearEditor();
            state.ResumeTiming();
        }
    }
    // What the last taps typed, so a run that typed nothing shows.
    state.counters["typed"] = static_cast<double>(device::EditorText().size());
    device::Close();
}

// The keyboard's window: the one a pen on the panel's seam reaches.
HWND KeyboardWindow()
{
    HWND keyboard = device::PenDown(0, 214 + 40);
    device::PenUp(0, 214 + 40);
    return keyboard;
}

void WriteRepeatRate(DWORD rate)
{
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, u"SOFTWARE\\Tarvex\\Lexovia", 0, nullptr, 0, 0, nullptr, &key, nullptr);
    RegSetValueExW(key, u"KbdRepeatRate", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&rate), sizeof rate);
    RegCloseKey(key);
}

// The input method reads its settings again before its options page; a
// changed value drops the cached keyboard images.
void ReloadSettings(DWORD rate)
{
    WriteRepeatRate(rate);
    device::OpenInputMethodOptions();
}

template <typename Paint>
void PaintKeyboard(benchmark::State& state, Paint paint)
{
    if (!KeyboardUp()) {
        state.SkipWithError("the keyboard did not come up");
        return;
    }
    HWND keyboard = KeyboardWindow();
    for (auto _ : state) paint(keyboard);
    device::Close();
}

void BM_Baseline_PaintOneKeyFromCache(benchmark::State& state)
{
    const RECT letterA = {31, 33, 47, 48};
    PaintKeyboard(state, [&](HWND keyboard) {
        InvalidateRect(keyboard, &letterA, FALSE);
        UpdateWindow(keyboard);
    });
}

void BM_PaintAllFromCacheAfterUnchangedSettings(benchmark::State& state)
{
    PaintKeyboard(state, [](HWND keyboard) {
        ReloadSettings(4);
        InvalidateRect(keyboard, nullptr, FALSE);
        UpdateWindow(keyboard);
    });
}

void BM_RenderAndPaintAllAfterChangedSettings(benchmark::State& state)
{
    DWORD rate = 4;
    PaintKeyboard(state, [&](HWND keyboard) {
        rate = rate == 4 ? 5 : 4;
        ReloadSettings(rate);
        UpdateWindow(keyboard);
    });
}

void BM_Baseline_TapOnASeam(benchmark::State& state) { TapAt(state, 0, 40); }
void BM_TapALetter(benchmark::State& state) { TapAt(state, 39, 40); }

}  // namespace

BENCHMARK(BM_Baseline_TapOnASeam);
BENCHMARK(BM_TapALetter);
BENCHMARK(BM_Baseline_PaintOneKeyFromCache);
BENCHMARK(BM_PaintAllFromCacheAfterUnchangedSettings);
BENCHMARK(BM_RenderAndPaintAllAfterChangedSettings);
BENCHMARK_MAIN();

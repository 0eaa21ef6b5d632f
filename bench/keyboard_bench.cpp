// One tap on the soft keyboard: pen down and up through the platform's hit
// test and the window procedure into the engine, out to the recorded host
// events and the focused text. The baseline is a tap on the panel's seam at
// x = 0, which reaches the keyboard but no key.
#include <benchmark/benchmark.h>

#include <aygshell.h>
#include <objbase.h>

#include <device/device.h>
#include <device/libraries.h>
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

void BM_Baseline_TapOnASeam(benchmark::State& state) { TapAt(state, 0, 40); }
void BM_TapALetter(benchmark::State& state) { TapAt(state, 39, 40); }

}  // namespace

BENCHMARK(BM_Baseline_TapOnASeam);
BENCHMARK(BM_TapALetter);
BENCHMARK_MAIN();

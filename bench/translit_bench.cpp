// The cost of one recognised character in qvpen's engine, which walks and
// parses the whole selected table at every character. Measured alone (the
// walk over Extended Latin, 155 entries, for a character no entry takes and
// for one that a late entry takes), and end to end from the recogniser to the
// focused text with Extended Latin against the baseline of no table.
#include <benchmark/benchmark.h>

#include <objbase.h>

#include <device/device.h>
#include <device/recogniser.h>
#include <device/sip.h>
#include <device/text_editor.h>

#include <memory>

#include "rule_candidate.h"
#include "translit_callback.h"

namespace {

const LONG kExtendedLatin = 3;

void FindCandidateAfter(benchmark::State& state, WCHAR before, WCHAR character)
{
    TranslitContext context;
    UINT characters[] = {before, character};
    context.CharacterDown(1, &characters[0]);
    context.PassedThrough();
    context.CharacterDown(1, &characters[1]);
    LPCWSTR table = kTranslitTables[kExtendedLatin - 1].builtIn;
    for (auto _ : state) {
        TranslitRule rule = {};
        benchmark::DoNotOptimize(FindCandidate(table, context, rule));
    }
}

void BM_WalkExtendedLatinNoMatch(benchmark::State& state) { FindCandidateAfter(state, u'q', u'q'); }
BENCHMARK(BM_WalkExtendedLatinNoMatch);

void BM_WalkExtendedLatinMatch(benchmark::State& state) { FindCandidateAfter(state, u'a', u'-'); }
BENCHMARK(BM_WalkExtendedLatinMatch);

// The recogniser shown in the panel, reporting to the engine over a fresh
// device's settings; the character "q" passes through every table.
void WriteThroughEngine(benchmark::State& state, LONG table)
{
    if (!device::CreateFresh()) {
        state.SkipWithError("no device");
        return;
    }
    auto settings = std::make_unique<TranslitSettings>(u"SOFTWARE\\Tarvex\\Lexovia");
    settings->SelectNumber(table);
    auto callback = std::make_unique<TranslitCallback>(*settings, nullptr);
    callback->SetRealCallback(device::InputPanelCallback());
    device::ShowInputPanel();
    IInputMethod* recogniser = nullptr;
    CoCreateInstance(device::kLetterRecogniserClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                     reinterpret_cast<void**>(&recogniser));
    recogniser->RegisterCallback(callback.get());
    recogniser->Select(device::InputPanelWindow());
    recogniser->Showing();
    int written = 0;
    for (auto _ : state) {
        device::WriteCharacters(u"q");
        if (++written % 256 == 0) {
            device::ClearCallbackLog();
            device::ClearEditor();
        }
    }
    recogniser->Deselect();
    recogniser->Release();
    callback.reset();
    settings.reset();
    device::Close();
}

void BM_WriteCharacterNoTable(benchmark::State& state) { WriteThroughEngine(state, 0); }
BENCHMARK(BM_WriteCharacterNoTable);

void BM_WriteCharacterExtendedLatin(benchmark::State& state) { WriteThroughEngine(state, kExtendedLatin); }
BENCHMARK(BM_WriteCharacterExtendedLatin);

}  // namespace

BENCHMARK_MAIN();

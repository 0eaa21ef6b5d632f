// The keyboard's hit test over every pixel of a panel: the scan that every
// pen-down, pen-move and pen-up repeats.
#include <benchmark/benchmark.h>

#include "english_panel.h"
#include "finnish_panel.h"

namespace {

void Sweep(benchmark::State& state, KeyboardPanel& panel)
{
    int hits = 0;
    for (auto _ : state) {
        hits = 0;
        for (int y = 0; y < panel.Height(); ++y) {
            for (int x = 0; x < panel.Width(); ++x) hits += panel.KeyAt(x, y) >= 0;
        }
        benchmark::DoNotOptimize(hits);
    }
    // Points on a key; the rest are seams and edges.
    state.counters["on a key"] = hits;
    state.counters["per point"] = benchmark::Counter(static_cast<double>(panel.Width() * panel.Height()),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void BM_KeyAtSweep_Finnish(benchmark::State& state)
{
    FinnishPanel panel;
    Sweep(state, panel);
}

void BM_KeyAtSweep_English(benchmark::State& state)
{
    EnglishPanel panel;
    Sweep(state, panel);
}

}  // namespace

BENCHMARK(BM_KeyAtSweep_Finnish);
BENCHMARK(BM_KeyAtSweep_English);
BENCHMARK_MAIN();

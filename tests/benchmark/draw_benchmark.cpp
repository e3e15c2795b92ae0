// The busiest in-game frame drawn by the fast rasteriser and the reference in turn, so load slows both alike.
#include <benchmark/benchmark.h>

#include <chrono>

#include "tests/support/art_screen.h"

namespace {

void HeadlessFrame(benchmark::State& state, DRAWPATH fast)
{
    using CLOCK = std::chrono::steady_clock;
    SetUpBusiestFrame();
    ARTSCREEN screen;
    if (!screen.Open(ART_FOLDER)) {
        state.SkipWithError("no generated art");
        return;
    }
    double fastSeconds = 0.0;
    double referenceSeconds = 0.0;
    for (auto _ : state) {
        for (DRAWPATH path : {fast, DrawReference}) {
            screen.Device.SetDrawPath(path);
            const CLOCK::time_point start = CLOCK::now();
            screen.DrawGameFrame();
            const double seconds = std::chrono::duration<double>(CLOCK::now() - start).count();
            (path == fast ? fastSeconds : referenceSeconds) += seconds;
            if (path == fast)
                state.SetIterationTime(seconds);
        }
    }
    state.counters["reference_ms"] = referenceSeconds * 1000.0 / static_cast<double>(state.iterations());
    state.counters["times_faster"] = referenceSeconds / fastSeconds;
    screen.Close();
}
BENCHMARK_CAPTURE(HeadlessFrame, fast, DrawFast)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HeadlessFrame, sse2, DrawSse2)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

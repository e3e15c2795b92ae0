// How fast the world runs headless: frames per second of busy eight-dreamer games, and the time of a whole game.
#include <benchmark/benchmark.h>

#include "tests/support/game_runner.h"

namespace {

void BusyEightDreamerFrames(benchmark::State& state)
{
    unsigned seed = 1;
    StartHeadlessGame(seed, 8, PLAYERSCRIPT::EndTurnAtOnce);
    for (auto _ : state)
        if (!PlayHeadlessFrame(PLAYERSCRIPT::EndTurnAtOnce))
            StartHeadlessGame(++seed, 8, PLAYERSCRIPT::EndTurnAtOnce);
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BusyEightDreamerFrames);

void WholeGame(benchmark::State& state)
{
    unsigned seed = 1;
    int frames = 0;
    for (auto _ : state)
        frames += RunHeadlessGame(seed++, static_cast<int>(state.range(0)), PLAYERSCRIPT::EndTurnAtOnce, 1000000,
                                  false).Frames;
    state.counters["frames/game"] = benchmark::Counter(frames, benchmark::Counter::kAvgIterations);
}
BENCHMARK(WholeGame)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond);

}  // namespace

// How fast the world runs headless: frames per second of busy eight-dreamer games, and the time of a whole game.
#include <benchmark/benchmark.h>

#include <memory>

#include "tests/support/game_runner.h"
#include "world/game.h"

namespace {

void BusyEightDreamerFrames(benchmark::State& state)
{
    unsigned seed = 1;
    const auto game = std::make_unique<GAME>();
    StartHeadlessGame(*game, seed, 8, PLAYERSCRIPT::EndTurnAtOnce);
    for (auto _ : state)
        if (!PlayHeadlessFrame(*game, PLAYERSCRIPT::EndTurnAtOnce))
            StartHeadlessGame(*game, ++seed, 8, PLAYERSCRIPT::EndTurnAtOnce);
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BusyEightDreamerFrames);

void WholeGame(benchmark::State& state)
{
    unsigned seed = 1;
    int frames = 0;
    const auto game = std::make_unique<GAME>();
    for (auto _ : state)
        frames += RunHeadlessGame(*game, seed++, static_cast<int>(state.range(0)), PLAYERSCRIPT::EndTurnAtOnce,
                                  1000000, false).Frames;
    state.counters["frames/game"] = benchmark::Counter(frames, benchmark::Counter::kAvgIterations);
}
BENCHMARK(WholeGame)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond);

}  // namespace

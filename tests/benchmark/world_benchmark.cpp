// How fast the world runs headless: frames per second of busy eight-dreamer
// games, and the time of a whole game.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/game_runner.h"

namespace {

void BusyEightDreamerFrames(benchmark::State& state)
{
    unsigned seed = 1;
    StartHeadlessGame(seed, 8, PLAYERSCRIPT::EndTurnAtOnce);
    for (auto _ : state) {
        if (!PlayHeadlessFrame(PLAYERSCRIPT::EndTurnAtOnce))
            StartHeadlessGame(++seed, 8, PLAYERSCRIPT::EndTurnAtOnce);
    }
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BusyEightDreamerFrames);

void WholeGame(benchmark::State& state)
{
    unsigned seed = 1;
    int frames = 0;
    for (auto _ : state)
        frames += RunHeadlessGame(seed++, static_cast<int>(state.range(0)), PLAYERSCRIPT::EndTurnAtOnce, 1000000, false).Frames;
    state.counters["frames/game"] = benchmark::Counter(frames, benchmark::Counter::kAvgIterations);
}
BENCHMARK(WholeGame)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond);

}  // namespace

// The computer's trace lines go to the event log in the working folder: keep them out of the caller's.
int main(int argc, char** argv)
{
    std::string folder = (std::filesystem::temp_directory_path() / "tollmarrow-benchmark-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr)
        return 1;
    std::filesystem::current_path(folder);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}

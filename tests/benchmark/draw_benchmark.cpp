// How long the busiest in-game frame takes. Headless, the fast rasteriser and the scalar reference draw it in turn;
// when a DISPLAY is set, the game draws and shows it in its window in turn with SDL's own renderer replaying the
// same draws in a window of its own. Runs are interleaved, so a busy machine slows both sides alike.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <vector>

#include "platform/sdl_replay.h"
#include "platform/window.h"
#include "tests/support/art_screen.h"
#include "tests/support/frame_recording.h"
#include "world/game.h"

namespace {

// Times ours and theirs in turn each iteration, ours as the iteration's time; the counters name theirs in ms and
// how many times faster ours is.
template <typename OURS, typename THEIRS>
void TimeInTurn(benchmark::State& state, const char* theirName, OURS ours, THEIRS theirs)
{
    using CLOCK = std::chrono::steady_clock;
    double oursSeconds = 0.0;
    double theirSeconds = 0.0;
    for (auto _ : state) {
        CLOCK::time_point start = CLOCK::now();
        ours();
        const double seconds = std::chrono::duration<double>(CLOCK::now() - start).count();
        start = CLOCK::now();
        theirs();
        theirSeconds += std::chrono::duration<double>(CLOCK::now() - start).count();
        oursSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters[theirName] = theirSeconds * 1000.0 / static_cast<double>(state.iterations());
    state.counters["times_faster"] = theirSeconds / oursSeconds;
}

void HeadlessFrame(benchmark::State& state, DRAWPATH fast)
{
    SetUpBusiestFrame();
    ARTSCREEN screen;
    if (IsWindowOpen() || !screen.Open(ART_FOLDER)) {
        state.SkipWithError("no generated art, or a window is open");
        return;
    }
    auto draw = [&screen](DRAWPATH path) {
        screen.Device.SetDrawPath(path);
        screen.DrawGameFrame();
    };
    TimeInTurn(state, "reference_ms", [&] { draw(fast); }, [&] { draw(DrawReference); });
    screen.Close();
}
BENCHMARK_CAPTURE(HeadlessFrame, fast, DrawFast)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HeadlessFrame, sse2, DrawSse2)->UseManualTime()->Unit(benchmark::kMillisecond);

// The game's window frame (drawn, then shown at once) against SDL's renderer replaying its draws in a window of its
// own, vertical sync off for both; sdl_alike_pct is the share of SDL's pixels within 8 of ours in every channel.
void WindowFrame(benchmark::State& state, bool accelerated)
{
    SetUpBusiestFrame();
    ARTSCREEN screen;
    FRAMERECORDING frame;
    if (OpenMainWindow() != PlatformOk || !screen.Open(ART_FOLDER) || !OpenSdlReplay(accelerated)) {
        state.SkipWithError("no window, no generated art, or SDL's renderer did not open");
    } else {
        frame.Start({&screen.Sprite}, &screen.Line);
        screen.DrawGameFrame();
        frame.Stop();
        auto replay = [&frame] {
            ClearSdlReplay();
            frame.Replay(ReplaySprite, ReplayLine);
        };
        TimeInTurn(state, "sdl_ms", [&] { screen.DrawGameFrame(), screen.Device.Show(); },
                   [&] { replay(), PresentSdlReplay(); });
        std::vector<std::uint32_t> theirs(static_cast<std::size_t>(PictureWidth) * PictureHeight);
        replay();
        ReadSdlReplay(theirs.data());
        DEVICE ours;
        frame.DrawInto(ours);
        state.SetLabel(SdlReplayRenderer());
        state.counters["sdl_alike_pct"] = 100.0 * ShareAlike(theirs.data(), ours, 8);
    }
    CloseSdlReplay();
    screen.Close();
    CloseMainWindow();
}

// The window frames run only where there is a display to open the windows on.
const bool WindowFramesRegistered = [] {
    for (bool accelerated : {true, false})
        if (std::getenv("DISPLAY") != nullptr)
            benchmark::RegisterBenchmark(accelerated ? "WindowFrame/sdl_accelerated" : "WindowFrame/sdl_software",
                                         WindowFrame, accelerated)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace

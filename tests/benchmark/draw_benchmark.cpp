// How long the busiest in-game frame takes: eight dreamers, 128 creatures, 256 effects and an open banner. Headless,
// the fast rasteriser and the scalar reference draw it in turn; when a DISPLAY is set, the game draws it and shows
// it in its window in turn with SDL's own renderer replaying the same draws in a window of its own. The times are
// wall-clock medians of the interleaved runs, so a busy machine slows both sides alike.
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

using CLOCK = std::chrono::steady_clock;
constexpr int AlikeChannel = 8;  // the most a channel of SDL's picture may differ from ours to count as alike

double SecondsSince(CLOCK::time_point start)
{
    return std::chrono::duration<double>(CLOCK::now() - start).count();
}

// The time reported is the fast rasteriser's; the reference's and the ratio are counters.
void HeadlessFrame(benchmark::State& state, DRAWPATH fast)
{
    SetUpBusiestFrame();
    ARTSCREEN screen;
    if (IsWindowOpen() || !screen.Open(ART_FOLDER)) {
        state.SkipWithError("no generated art, or a window is open");
        return;
    }
    double fastSeconds = 0.0;
    double referenceSeconds = 0.0;
    for (auto _ : state) {
        screen.Device.SetDrawPath(fast);
        CLOCK::time_point start = CLOCK::now();
        screen.DrawGameFrame();
        const double seconds = SecondsSince(start);
        screen.Device.SetDrawPath(DrawReference);
        start = CLOCK::now();
        screen.DrawGameFrame();
        referenceSeconds += SecondsSince(start);
        fastSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["reference_ms"] = referenceSeconds * 1000.0 / static_cast<double>(state.iterations());
    state.counters["times_faster"] = referenceSeconds / fastSeconds;
    screen.Close();
}
BENCHMARK_CAPTURE(HeadlessFrame, fast, DrawFast)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HeadlessFrame, sse2, DrawSse2)->UseManualTime()->Unit(benchmark::kMillisecond);

// The game's window frame (drawn, then shown without waiting for the next frame) against SDL's renderer replaying
// the frame's draws, textures uploaded beforehand, vertical sync off for both. The time reported is the game's.
void WindowFrame(benchmark::State& state, bool accelerated)
{
    SetUpBusiestFrame();
    ARTSCREEN screen;
    if (OpenMainWindow() != PlatformOk || !screen.Open(ART_FOLDER) || screen.Device.IsHeadless()) {
        state.SkipWithError("no window, or no generated art");
        CloseMainWindow();
        return;
    }
    FRAMERECORDING frame;
    frame.Start({&screen.Sprite}, &screen.Line);
    screen.DrawGameFrame();
    frame.Stop();
    if (!OpenSdlReplay(accelerated)) {
        state.SkipWithError("SDL's renderer did not open");
        screen.Close();
        CloseMainWindow();
        return;
    }
    auto replay = [&frame] {
        ClearSdlReplay();
        frame.Replay(ReplaySprite, ReplayLine);
    };
    replay();
    PresentSdlReplay();
    double gameSeconds = 0.0;
    double sdlSeconds = 0.0;
    for (auto _ : state) {
        CLOCK::time_point start = CLOCK::now();
        screen.DrawGameFrame();
        screen.Device.Show();
        const double seconds = SecondsSince(start);
        start = CLOCK::now();
        replay();
        PresentSdlReplay();
        sdlSeconds += SecondsSince(start);
        gameSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    replay();
    std::vector<std::uint32_t> theirs(static_cast<std::size_t>(PictureWidth) * PictureHeight);
    ReadSdlReplay(theirs.data());
    DEVICE ours;
    frame.DrawInto(ours);
    state.SetLabel(SdlReplayRenderer());
    state.counters["sdl_ms"] = sdlSeconds * 1000.0 / static_cast<double>(state.iterations());
    state.counters["times_faster"] = sdlSeconds / gameSeconds;
    state.counters["sdl_alike_pct"] = 100.0 * ShareAlike(theirs.data(), ours, AlikeChannel);
    state.counters["sprites"] = frame.SpriteCount();
    state.counters["lines"] = frame.LineCount();
    CloseSdlReplay();
    screen.Close();
    CloseMainWindow();
}

// The window frames run only where there is a display to open the windows on.
const bool WindowFramesRegistered =
    std::getenv("DISPLAY") != nullptr &&
    benchmark::RegisterBenchmark("WindowFrame/sdl_accelerated", WindowFrame, true)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond) != nullptr &&
    benchmark::RegisterBenchmark("WindowFrame/sdl_software", WindowFrame, false)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond) != nullptr;

}  // namespace

// The busiest in-game frame timed against a rival drawing it in turn, so load slows both alike: headless, the fast
// rasteriser against the reference; with a DISPLAY, the game's window frame against SDL's own renderer replaying
// the same recorded draws in a window of its own, vertical sync off for both. And the device states every drawn frame
// sets, alone.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <vector>

#include "graphics/camera.h"
#include "graphics/drawing.h"
#include "platform/sdl_replay.h"
#include "platform/window.h"
#include "shell/start_up.h"
#include "tests/support/art_screen.h"
#include "tests/support/frame_recording.h"
#include "world/game.h"

namespace {

// Ours and theirs in turn each iteration: ours is the time reported, theirs (as theirsName) and the ratio counters.
template <typename OURS, typename THEIRS>
void TimeInTurn(benchmark::State& state, const char* theirsName, OURS ours, THEIRS theirs)
{
    auto secondsOf = [](auto run) {
        const auto start = std::chrono::steady_clock::now();
        run();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    double oursSeconds = 0.0;
    double theirsSeconds = 0.0;
    for (auto _ : state) {
        const double seconds = secondsOf(ours);
        theirsSeconds += secondsOf(theirs);
        oursSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["times_faster"] = theirsSeconds / oursSeconds;
    state.counters[theirsName] = theirsSeconds * 1000.0 / static_cast<double>(state.iterations());
}

void HeadlessFrame(benchmark::State& state, DRAWPATH fast)
{
    const auto game = std::make_unique<GAME>();
    SetUpBusiestFrame(*game);
    ARTSCREEN screen;
    if (IsWindowOpen() || !screen.Open(ART_FOLDER))
        return state.SkipWithError("no generated art, or a window is open");
    auto drawWith = [&screen, &game](DRAWPATH path) {
        screen.Device.SetDrawPath(path);
        screen.DrawGameFrame(*game);
    };
    TimeInTurn(state, "reference_ms", [&] { drawWith(fast); }, [&] { drawWith(DrawReference); });
    screen.Close();
}
BENCHMARK_CAPTURE(HeadlessFrame, fast, DrawFast)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HeadlessFrame, sse2, DrawSse2)->UseManualTime()->Unit(benchmark::kMillisecond);

// What the main loop sets on the device before it draws a frame: the camera's view and projection, the light, the
// depth test and the clear of depth and stencil (the picture's own clear is part of every frame drawn above).
void FrameStates(benchmark::State& state)
{
    DEVICE device;
    Drawing.pDevice = &device;
    PlaceCameraForNewGame();
    for (auto _ : state) {
        ApplyCamera();
        SetupLight();
        device.SetRenderState(D3DRS_ZFUNC, D3DCMP_LESS);
        device.Clear(D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, 0, 1.0f, 0);
        benchmark::DoNotOptimize(device.State());
    }
    Drawing = DRAWING();
}
BENCHMARK(FrameStates)->Unit(benchmark::kNanosecond);

// sdl_alike_pct: the share of SDL's pixels within 8 of ours in every channel, which shows it drew the same frame.
void WindowFrame(benchmark::State& state, bool accelerated)
{
    const auto game = std::make_unique<GAME>();
    SetUpBusiestFrame(*game);
    ARTSCREEN screen;
    const bool open = OpenMainWindow() == PlatformOk && screen.Open(ART_FOLDER) && !screen.Device.IsHeadless();
    if (open && OpenSdlReplay(accelerated)) {
        FRAMERECORDING frame;
        frame.Start({&screen.Sprite}, &screen.Line);
        screen.DrawGameFrame(*game);
        frame.Stop();
        ClearSdlReplay();
        frame.Replay(ReplaySprite, ReplayLine);
        std::vector<std::uint32_t> theirs(static_cast<std::size_t>(PictureWidth) * PictureHeight);
        ReadSdlReplay(theirs.data());
        state.counters["sdl_alike_pct"] = 100.0 * ShareAlike(theirs.data(), screen.Device, 8);
        state.SetLabel(SdlReplayRenderer());
        auto show = [&screen, &game] {
            screen.DrawGameFrame(*game);
            screen.Device.Show();
        };
        TimeInTurn(state, "sdl_ms", show, [&] {
            ClearSdlReplay();
            frame.Replay(ReplaySprite, ReplayLine);
            PresentSdlReplay();
        });
        CloseSdlReplay();
    } else {
        state.SkipWithError("no window, no generated art, or SDL's renderer did not open");
    }
    screen.Close();
    CloseMainWindow();
}

// The window frames run only where there is a display to open the windows on.
const bool WindowFramesRegistered = std::getenv("DISPLAY") != nullptr && [] {
    for (bool accelerated : {true, false})
        benchmark::RegisterBenchmark(accelerated ? "WindowFrame/sdl_accelerated" : "WindowFrame/sdl_software",
                                     WindowFrame, accelerated)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace

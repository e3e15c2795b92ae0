// How long the busiest in-game frame takes to draw: eight dreamers, 128 creatures, 256 effects and an open banner,
// drawn by the headless device and, when a DISPLAY is set, into the window and shown.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/window.h"
#include "tests/support/art_screen.h"
#include "world/effects.h"
#include "world/game.h"
#include "world/random.h"

namespace {

constexpr int CreatureColumns = 16;   // 16 x 8 creatures spread evenly over the 608 x 448 board
constexpr int CreatureRows = 8;
constexpr int BusyEffects = EffectSlots;
constexpr int EffectKinds[] = {1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};

// Every creature slot and every effect slot in use, the effects half-way across the board.
void SetUpBusiestFrame()
{
    SeedRand(1);
    Game.StartNewGame(0, -1, 8);
    for (int row = 0; row < CreatureRows; row++)
        for (int column = 0; column < CreatureColumns; column++)
            Game.CreateCreature("Busy", 1 + (row * CreatureColumns + column) % 20, (row + column) % 8,
                                19 + column * 38, 28 + row * 56);
    // A few frames of flight turn and animate them; any that landed meanwhile are sent again.
    const int kinds = static_cast<int>(std::size(EffectKinds));
    for (int round = 0; round < 2; round++) {
        for (int i = 0; i < BusyEffects; i++) {
            if (Game.Effects.Slots[i].IsActive)
                continue;
            const int x = 20 + (i * 37) % 568;
            const int y = 20 + (i * 53) % 408;
            Game.Effects.SpawnEffect(EffectKinds[i % kinds], i % 8, 0, x, y, PieceRefNone, -1, PieceRefNone, -1,
                                     588 - x, 428 - y, 10.0f, 0xffffff, 255, 0);
        }
        for (int i = 0; round == 0 && i < 10; i++)
            Game.Effects.UpdateEffects();
    }
    Game.ShowMessage("Busy casts Fire Blast", "at Ann", "for the last time", 0xffffff, 0xffff00, 0xff0000, false, 600);
}

void CountWhatIsDrawn(benchmark::State& state)
{
    int creatures = 0;
    for (const PIECE& creature : Game.Creatures)
        creatures += creature.Kind != PieceFree && !creature.IsDead;
    int effects = 0;
    for (const EFFECT& effect : Game.Effects.Slots)
        effects += effect.IsActive != 0;
    state.counters["creatures"] = creatures;
    state.counters["effects"] = effects;
}

void HeadlessFrame(benchmark::State& state)
{
    SetUpBusiestFrame();
    ARTSCREEN screen;
    if (IsWindowOpen() || !screen.Open(ART_FOLDER)) {
        state.SkipWithError("no generated art, or a window is open");
        return;
    }
    for (auto _ : state)
        screen.DrawGameFrame();
    CountWhatIsDrawn(state);
    screen.Close();
}
BENCHMARK(HeadlessFrame)->Unit(benchmark::kMillisecond);

// Showing the picture waits for the window's next frame, so the wall time is held near 16.7 ms; the CPU time is the work.
void WindowFrame(benchmark::State& state)
{
    SetUpBusiestFrame();
    ARTSCREEN screen;
    if (OpenMainWindow() != PlatformOk || !screen.Open(ART_FOLDER) || screen.Device.IsHeadless()) {
        state.SkipWithError("no window, or no generated art");
        CloseMainWindow();
        return;
    }
    for (auto _ : state) {
        screen.DrawGameFrame();
        screen.Device.Present();
    }
    CountWhatIsDrawn(state);
    screen.Close();
    CloseMainWindow();
}

// The window frame runs only where there is a display to open the window on.
const bool WindowFrameRegistered =
    std::getenv("DISPLAY") != nullptr &&
    benchmark::RegisterBenchmark("WindowFrame", WindowFrame)->Unit(benchmark::kMillisecond) != nullptr;

}  // namespace

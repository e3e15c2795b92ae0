// The world's part of the start state: the game as it is built, no hooks, the generator at a known seed.
#include "tests/support/start_state.h"

#include "world/frame_update.h"
#include "world/game.h"
#include "world/random.h"

void RestoreWorldStartState()
{
    static const GAME* const Pristine = new GAME;
    Game = *Pristine;
    TurnHooks = TURNHOOKS();
    ClearRandScript();
    SeedRand(1);
}

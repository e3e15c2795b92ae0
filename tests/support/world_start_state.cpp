// The lower floors' part of the start state: the configuration and the game as they are built, no hooks, the
// generator at a known seed.
#include "tests/support/start_state.h"

#include "base/config.h"
#include "world/frame_update.h"
#include "world/game.h"
#include "world/random.h"

void RestoreWorldStartState()
{
    Config = CONFIG();
    static const GAME* const Pristine = new GAME;
    Game = *Pristine;
    TurnHooks = TURNHOOKS();
    ClearRandScript();
    SeedRand(1);
}

// The lower floors' part of the start state: the configuration, the event log and the game as they are built, no
// hooks, the generator at a known seed.
#include "tests/support/start_state.h"

#include "base/config.h"
#include "base/eventlog.h"
#include "world/frame_update.h"
#include "world/game.h"
#include "world/random.h"

void RestoreWorldStartState()
{
    Config = CONFIG();
    EventLog = EVENTLOG();
    static const GAME* const Pristine = new GAME;
    Game = *Pristine;
    TurnHooks = TURNHOOKS();
    ClearRandScript();
    SeedRand(1);
}

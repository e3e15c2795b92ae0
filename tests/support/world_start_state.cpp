// The lower floors' part of the start state: the configuration and the event log as they are built, no hooks, the
// generator at a known seed.
#include "tests/support/start_state.h"

#include "base/config.h"
#include "base/eventlog.h"
#include "world/frame_update.h"
#include "world/random.h"

void RestoreWorldStartState()
{
    Config = CONFIG();
    EventLog = EVENTLOG();
    TurnHooks = TURNHOOKS();
    ClearRandScript();
    SeedRand(1);
}

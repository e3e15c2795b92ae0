// The start state of test programs that link the world and the layers beside it, but no screens.
#include "tests/support/start_state.h"

#include "world/computer_turns.h"
#include "world/frame_update.h"
#include "world/game.h"
#include "world/random.h"

void RestoreWorldStartState()
{
    static const GAME* const Pristine = new GAME;
    Game = *Pristine;
    ComputerPlayerTurn = nullptr;
    ComputerCreatureTurn = nullptr;
    GameOverCheck = nullptr;
    ClearRandScript();
    SeedRand(1);
}

// The turn machine's hooks into the computer opponent, empty until it installs itself.
#include "world/computer_turns.h"

bool (*ComputerPlayerTurn)(int player, const int* reachTable) = nullptr;
bool (*ComputerCreatureTurn)(int creature, const int* reachTable) = nullptr;

// Hooks through which the turn machine lets the computer opponent act without depending on it.
#pragma once

// The computer opponent installs these; both stay null until it does.
extern bool (*ComputerPlayerTurn)(int player, const int* reachTable);      // one step of a computer dreamer; true while busy
extern bool (*ComputerCreatureTurn)(int creature, const int* reachTable);  // one step of its acting creature; true while busy

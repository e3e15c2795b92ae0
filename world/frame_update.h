// The world's step of one frame: pieces, deaths, effects and hits, the turn machine, the banner,
// then the computer's posted action, the round start and the game-over test.
#pragma once

class PLAYER;

void UpdateGameFrame();                 // called by the play frame of the screens once per frame while a game is on the board
void RunPendingAction();                // carries out the action the computer opponent posted
void EndHumanTurn(PLAYER* dreamer);     // the human's "End Turn": his side's end-of-turn step, then the computer sides play

// The turn machine's ways out of the world, installed by the layers above it; a null hook is skipped.
struct TURNHOOKS {
    bool (*ComputerPlayerTurn)(int player, const int* reachTable) = nullptr;      // the computer opponent: one step of a computer dreamer; true while busy
    bool (*ComputerCreatureTurn)(int creature, const int* reachTable) = nullptr;  // the computer opponent: one step of its acting creature; true while busy
    void (*GameOverCheck)() = nullptr;                                          // the shell's game-over test, once the banner has run out
};

extern TURNHOOKS TurnHooks;  // the one set of hooks

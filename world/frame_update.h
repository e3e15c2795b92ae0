// The world's step of one frame: pieces, deaths, effects and hits, the turn machine, the banner,
// then the computer's posted action, the round start and the game-over test.
#pragma once

class GAME;
class PLAYER;

void UpdateGameFrame(GAME& game);               // called by the play frame of the screens once per frame of a game
void RunPendingAction(GAME& game);              // carries out the action the computer opponent posted
void EndHumanTurn(GAME& game, PLAYER* dreamer); // "End Turn": the human's end-of-turn step, then the computer's turns

// The turn machine's ways out of the world, installed by the layers above it and handed the game being stepped;
// a null hook is skipped.
struct TURNHOOKS {
    // The computer opponent: one step of a computer dreamer, then one of its acting creature; true while busy.
    bool (*ComputerPlayerTurn)(GAME& game, int player, const int* reachTable) = nullptr;
    bool (*ComputerCreatureTurn)(GAME& game, int creature, const int* reachTable) = nullptr;
    void (*GameOverCheck)(const GAME& game) = nullptr;  // the shell's game-over test, once the banner has run out
};

extern TURNHOOKS TurnHooks;  // the one set of hooks

// The world's step of one frame: pieces, deaths, effects and hits, the turn machine, the banner,
// then the computer's posted action, the round start and the game-over test.
#pragma once

class PLAYER;

void UpdateGameFrame();                 // called by the play frame of the screens once per frame while a game is on the board
void RunPendingAction();                // carries out the action the computer opponent posted
void EndHumanTurn(PLAYER* dreamer);     // the human's "End Turn": his side's end-of-turn step, then the computer sides play

// The game-over test belongs to the shell; it installs it here. Null: no test runs.
extern void (*GameOverCheck)();

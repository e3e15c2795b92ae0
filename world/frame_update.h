// The world's step of one frame: pieces, deaths, effects and hits, the turn machine, the banner,
// then the computer's posted action, the round start and the game-over test.
#pragma once

void UpdateGameFrame();                 // called by the main loop once per frame while a game is on the board
void RunPendingAction();                // carries out the action the computer opponent posted

// The game-over test belongs to the shell; it installs it here. Null: no test runs.
extern void (*GameOverCheck)();

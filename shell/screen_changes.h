// Moving between screens, starting a game and ending it.
#pragma once

#include <cstdint>

class GAME;

void GoToTitle();                   // called by the window procedure when a game is left or a score entered
void GoToPlayerCount();             // called by the window procedure when the free-game button is pressed
void GoToCharacterChoice();         // called by the window procedure when a player count is chosen
void GoToNameEntry();               // called by the window procedure when a game-over score enters the table
void GoToChallengePlayAs();         // called by the window procedure when the challenge button is pressed
void GoToChallengeOpponent();       // called by the window procedure when the challenger is chosen
void StartGame();                   // called by the window procedure when the last choice of a game is made
void InitNewGame();                 // the game chosen on the screens: a free game or a challenge
void CheckGameOver(const GAME& game);  // called by the frame update once the banner has run out
void GameOver(std::uint8_t won);    // the game-over screen; a won challenge unlocks the opponent and saves

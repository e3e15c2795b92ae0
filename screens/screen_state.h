// The screen the player is on and the choices the screens have collected: the screens read them,
// the window procedure and the screen changes above them set them.
#pragma once

#include <cstdint>

// Values of ScreenState.
constexpr int ScreenTitle = 0;
constexpr int ScreenPlayerCount = 1;            // player count of a free game
constexpr int ScreenCharacterChoice = 2;        // character choice of a free game
constexpr int ScreenNameEntry = 3;              // high-score name entry
constexpr int ScreenUnused = 4;                 // never set; drawn and updated like a game
constexpr int ScreenInGame = 5;
constexpr int ScreenGameOver = 6;               // shown over the running board
constexpr int ScreenChallengePlayAs = 7;        // character choice of a challenge
constexpr int ScreenChallengeOpponent = 8;      // opponent choice of a challenge

constexpr int ScreenWidth = 640;                // the picture's size, never changed
constexpr int ScreenHeight = 512;
constexpr int LastKeyWindowGone = 27;   // LastKey once the window is destroyed

extern int ScreenState;             // the current screen
extern int LastKey;                 // the last typed character; 27 only once the window is gone
extern int WindowSizeState;         // 1 while the window is minimised
extern int TitleChoice;             // the title button last clicked: 0 free game, 1 challenge, -1 none
extern int TitleHover;              // the title button under the pointer, -1 none
extern int PlayerCount;             // players chosen, 2 to 8; 0 after a click that hit no button
extern int PlayerCountHover;        // the player-count button under the pointer, or 0
extern int ChosenCharacter;         // the choice slot the player plays as; -1 after a missed click
extern int ChosenOpponent;          // the choice slot challenged; -1 after a missed click
extern int ChoiceHover;             // the choice slot under the pointer, -1 none
extern std::uint8_t GameWon;        // the verdict of the game-over screen

// The screen the player is on, the choices the screens have collected and the one game: the screens read them,
// the window procedure and the screen changes above them set them.
#pragma once

#include <cstdint>

class GAME;

// The screens, numbered as the game numbers them.
enum SCREEN : int {
    ScreenTitle = 0,
    ScreenPlayerCount = 1,              // player count of a free game
    ScreenCharacterChoice = 2,          // character choice of a free game
    ScreenNameEntry = 3,                // high-score name entry
    ScreenUnused = 4,                   // never set; drawn and updated like a game
    ScreenInGame = 5,
    ScreenGameOver = 6,                 // shown over the running board
    ScreenChallengePlayAs = 7,          // character choice of a challenge
    ScreenChallengeOpponent = 8,        // opponent choice of a challenge
};

// The screen the player is on and what he has chosen on the screens so far.
struct SCREENS {
    SCREEN ScreenState = ScreenTitle;   // the current screen
    int TitleChoice = 0;                // the title button last clicked: 0 free game, 1 challenge, -1 none
    int TitleHover = 0;                 // the title button under the pointer, -1 none
    int PlayerCount = 0;                // players chosen, 2 to 8; 0 after a click that hit no button
    int PlayerCountHover = 0;           // the player-count button under the pointer, or 0
    int ChosenCharacter = 0;            // the choice slot the player plays as; -1 after a missed click
    int ChosenOpponent = 0;             // the choice slot challenged; -1 after a missed click
    int ChoiceHover = 0;                // the choice slot under the pointer, -1 none
    std::uint8_t GameWon = 0;           // the verdict of the game-over screen
};

extern SCREENS Screens;  // the one screen state
extern GAME Game;        // the one game the screens show and the shell steps

// The 2-D texts over the running and ended game, the bottom bar, and the high-score name-entry screen.
#pragma once

#include <cstdint>

#include "world/texture_list.h"

constexpr int DebugValueCount = 6;
constexpr int NameEntryBlinkPeriod = 64;    // frames of the name-entry counter before it starts again
constexpr TEXTUREROW BottomBarImage = TextureBar;            // one tile of the bottom bar
constexpr TEXTUREROW ScreenBackgroundImage = TextureImageA;  // scrolls behind the title and the choice screens
constexpr std::uint32_t ScreenBackgroundGrey = 0x888888;  // its tint
constexpr int ScreenBottomBarAlpha = 128;   // the bottom bar half see-through on those screens
constexpr TEXTUREROW NameEntryImage = TextureImageH;         // the name-entry background

// What the texts over the game and the name entry show besides the game itself.
struct OVERLAYS {
    const char* pOpponentName = nullptr;        // the challenged character's name; null in a free game
    int NameEntryBlink = 0;                     // frames of the name-entry screen, 0 to 63, for the caret's blink
    float DebugValues[DebugValueCount] = {};    // the numbers of the debug overlay; nothing writes them, so they read 0
};

extern OVERLAYS Overlays;  // the one overlay state

void DrawBottomBar(int alpha);              // ten bar tiles along the bottom of the screen
void DrawMessageLine();                     // the bar and the banner's three texts, an event's parts one after another
void DrawScoreTexts();                      // the floating score numbers, blinking magenta and cyan
void DrawScore();                           // "Score: " and the human's score, only in the human's turn
void DrawDebugValues();                     // the six debug values, only while the debug display is on
void DrawGameOverText();                    // the verdict of the ended game, centred
void DrawNameEntryScreen();                 // the background, the prompts and the typed name with its blinking caret

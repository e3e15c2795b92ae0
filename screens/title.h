// The title screen: the scrolling background, the title, the colour-cycling high-score table and the two mode buttons.
#pragma once

#include <cstdint>

#include "graphics/background.h"

constexpr int RainbowPhases = 10;         // colours the high-score rows cycle through
constexpr int ColourFrameWrap = 30000;    // the frame counter of the colour cycle starts again here
constexpr int TitleButtons = 2;           // 0 free game, 1 challenge
constexpr int TitleButtonWidth = 256;
constexpr int TitleButtonHeight = 64;

// The high-score table's colour cycle; never reset in a run.
struct TITLESTATE {
    int ColourPhase = 0;  // the rainbow phase of the high-score rows, 0 to 9
    int ColourFrame = 0;  // drawn table frames counted for the phase, 0 to 29999
};

extern TITLESTATE Title;  // the one title state

void DrawTitleScreen();                              // one title frame; the scrolling background moves on
void DrawHiScoreTable(int x, int y);                 // ranks, names and right-aligned scores of the ten rows
int NextColourPhase();                               // counts a drawn frame; the phase moves on every 8th
std::uint32_t GetRainbowColour(int row, int phase);  // the pastel 0xRRGGBB of a table row at a phase
int GetTitleButtonAt(int x, int y);                  // 0 free game, 1 challenge, -1 neither

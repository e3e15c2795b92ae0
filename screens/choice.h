// The player-count and character-choice screens before a game, and which button or portrait lies under the pointer.
#pragma once

#include <cstdint>

#include "platform/picture.h"

constexpr int PlayerCountButtons = 7;     // buttons for 2 to 8 players
constexpr int PlayerCountButtonSize = 32; // hit box of a player-count button
constexpr int PlayerCountSpacing = 50;    // from one player-count button to the next
constexpr int ChoiceColumns = 5;          // portraits per row of the choice grid
constexpr int ChoiceRows = 2;
constexpr int ChoiceCellWidth = 80;
constexpr int ChoiceCellHeight = 100;
constexpr int ChoiceFrameSize = 64;       // hit box of a portrait frame
constexpr std::uint32_t UnavailableGrey = 0x4f4f4f;

constexpr int ChoiceScreenY = 200;        // the y every choice screen is drawn from
constexpr int PlayerCountRowWidth = 350;
constexpr int ChoiceGridWidth = 400;
constexpr int PlayerCountRowX = (PictureWidth - PlayerCountRowWidth) >> 1;
constexpr int ChoiceGridX = (PictureWidth - ChoiceGridWidth) >> 1;

// Where the drawing put the button row and the grid; they begin where the screens always draw them, so a pointer
// event before the first frame of a screen already hits what that frame shows.
struct CHOICELAYOUT {
    int PlayerCountOriginX = PlayerCountRowX;
    int PlayerCountOriginY = ChoiceScreenY;
    int ChoiceOriginX = ChoiceGridX;
    int ChoiceOriginY = ChoiceScreenY;
};

extern CHOICELAYOUT ChoiceLayout;  // the one layout

void DrawPlayerCountScreen(int x, int y);    // the background, the centred row of buttons from y, the title above
int GetPlayerCountAt(int px, int py);        // the player count 2 to 8 of the button hit, 0 for none
// The background, the title, and the 2 x 5 grid of frames, portraits and names from y; x is not used.
void DrawCharacterChoice(int x, int y, const char* title, int excluded, std::uint8_t showAll);
std::uint32_t GetSlotColour(int slot, int excluded, std::uint32_t colour);  // grey when excluded or locked
int GetCharacterAt(int px, int py, int excluded, std::uint8_t showAll);     // the offered slot hit, -1 for none

// The play area: background, tile board with its colour wave, range marker, depth-sorted pieces, effects in three
// layers and the frame around the board.
#pragma once

#include <cstdint>

#include "platform/device_state.h"
#include "world/effects.h"
#include "world/pieces.h"
#include "world/scenery.h"
#include "world/texture_list.h"

class GAME;

constexpr int BoardMargin = 13;             // the board is drawn this many pixels in from the picture's top-left
constexpr int BoardColumns = 19;            // 32-pixel tiles across the board
constexpr int BoardRows = 14;               // 32-pixel tiles down the board
constexpr int TileSize = 32;
constexpr int DecorationCount = 40;         // scenery pictures the decoration keeps alive

// How the board looks from frame to frame.
struct BOARDVIEW {
    FILLMODE FillMode = D3DFILL_SOLID;      // fill mode applied before each in-game frame; solid throughout
    TEXTUREROW BackgroundImage = TextureImageA;  // the in-game background: ImageJ in a free game, ImageI in a challenge
    float BoardWavePhase = 1.0f;            // phase of the tiles' colour wave; grows by 0.005 per row drawn
    float MarkerAngle = 0.0f;               // the range marker's turn in degrees, in [0, 360)
};

extern BOARDVIEW BoardView;  // the one board view

// What the board shows of the player's aim: the screens hand it in with each frame.
struct AIMVIEW {
    PIECEBASE* pSelected = nullptr;         // the selected piece: its marker turns, and its side's targets are marked white
    bool IsAiming = false;                  // an action is being aimed: the reach circle shows round the selected piece
    float Range = 1.0f;                     // reach factor of the action being aimed
    std::uint32_t RangeColour = 0xff0000;   // colour of the reach circle
};

void ApplyFillMode();                       // hands FillMode to the device; before the sprite pass of a game frame
void DrawGame2D(const GAME& game, const AIMVIEW& aim);  // background and board, first in a game frame's sprite pass
void DrawBoard(const GAME& game, const AIMVIEW& aim);  // the 19 x 14 tiles and, with a piece selected, its range marker
void DrawBoardRow(int row, int texture, int lastTexture);  // one row of tiles; the wave moves on by 0.005
void DrawSelectionMarker(const GAME& game, const AIMVIEW& aim);  // the reach circle while aiming; the marker turns
// Effects of layer 0, the game's pieces from the top down, effects of layers 1 and 2.
void DrawScene(const GAME& game, const PIECEBASE* selected);
void DrawPiece(const PIECEBASE* piece, const PIECEBASE* selected);  // health bar, glow, body and hover or target marker
void DrawPieceMarker(const PIECEBASE* piece, int texture, std::uint32_t colour);  // 32 x 32, centred on the piece
void DrawEffect(const GAME& game, const EFFECT& effect);  // a line from tail to head, or the sprite frame at the head
void DrawBoardFrame(const GAME& game, int x, int y);  // the 634 x 474 frame with its top-left at (x, y)

float GetFrameSpeed(int framesPerSecond);   // 60 over the frame rate, counted as at least 30
void SpawnDecorations(GAME& game);          // keeps 40 of the game's scenery pictures alive and draws them
void DrawSceneryItem(const SCENERYITEM& item);  // the item's frame at its place, at its own alpha, unmirrored

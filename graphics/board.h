// The play area: background, tile board with its colour wave, range marker, depth-sorted pieces, effects in three
// layers and the frame around the board; also the targeting tests the pointer handling asks.
#pragma once

#include <cstdint>

#include "world/effects.h"
#include "world/pieces.h"
#include "world/scenery.h"

constexpr int BoardColumns = 19;            // 32-pixel tiles across the board
constexpr int BoardRows = 14;               // 32-pixel tiles down the board
constexpr int TileSize = 32;
constexpr int FillModeSolid = 3;            // the device's solid fill mode
constexpr int DecorationCount = 40;         // scenery pictures the decoration keeps alive

extern int FillMode;                        // fill mode applied before each in-game frame; solid throughout
extern int BackgroundImage;                 // texture-list row of the in-game background; 90 free game, 89 challenge
extern float BoardWavePhase;                // phase of the tiles' colour wave; grows by 0.005 per row drawn
extern float MarkerAngle;                   // the range marker's turn in degrees, in [0, 360)

void ApplyFillMode();                       // hands FillMode to the device; before the sprite pass of a game frame
void DrawGame2D();                          // background and board, first in a game frame's sprite pass
void DrawBoard();                           // the 19 x 14 tiles and, with a piece selected, its range marker
void DrawBoardRow(int row, int texture, int lastTexture);  // one row of tiles; the wave moves on by 0.005
void DrawSelectionMarker(PIECEBASE* piece); // the reach circle while aiming; the marker turns one degree
void DrawScene();                           // effects of layer 0, pieces from the top down, effects of layers 1 and 2
void DrawPiece(PIECEBASE* piece);           // health bar, glow, body and hover or target marker
void DrawPieceMarker(PIECEBASE* piece, int texture, std::uint32_t colour);  // a 32 x 32 marker centred on the piece
void DrawEffect(const EFFECT& effect);      // a line from tail to head, or the sprite frame at the head
void DrawBoardFrame(int x, int y);          // the 634 x 474 frame with its top-left at (x, y)

bool IsTargetingMode();                     // an action is being aimed: ActionMode 1, 2, 5 or 7
bool IsPointOnBoard(int x, int y);          // back-buffer point strictly inside the board's edges
bool IsPointInActionRange(PIECEBASE* piece, int x, int y);  // aiming, on the board and within the piece's reach

float GetFrameSpeed(int framesPerSecond);   // 60 over the frame rate, counted as at least 30
void SpawnDecorations();                    // keeps 40 scenery pictures alive and draws them
void DrawSceneryItem(const SCENERYITEM& item);  // the item's frame at its place, at its own alpha, unmirrored

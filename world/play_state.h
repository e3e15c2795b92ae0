// What the player is doing on the board: the action being aimed, the selected piece and the
// piece under the pointer. The screens set these values; the world's actions and turn machine read them.
#pragma once

#include <cstdint>

struct PIECEBASE;

// Values of ActionMode: what the next board click means.
constexpr int ModeNothing = 0;          // a click selects a piece
constexpr int ModeMoveAttack = 1;       // a move point or an attack target is awaited
constexpr int ModeSpellTarget = 2;      // the target of a spell is awaited
constexpr int ModeMenuOpen = 4;         // a piece menu is open
constexpr int ModeDreamPlace = 5;       // the place of a dream is awaited
constexpr int ModeTransferTarget = 7;   // the receiver of a transfer is awaited
constexpr int ModeComputerTurns = 8;    // the computer sides are playing: board input is ignored

constexpr int BoardMargin = 13;         // the board is drawn this many pixels in from the window's top-left

extern int ActionMode;                  // what the next board click means
extern PIECEBASE* pSelectedPiece;       // the piece the player clicked last, his own or another side's
extern PIECEBASE* pPointerTarget;       // the piece under the pointer accepted as the current action's target
extern float ActionRange;               // reach factor of the action being aimed
extern std::uint32_t ActionRangeColour; // colour of the reach marker while aiming
extern int ChosenSpell;                 // hand row chosen in a spell list
extern int ChosenDream;                 // dream slot chosen in the dream list
extern bool DebugDisplay;               // F1 has turned on the overlay of debug values

PIECEBASE* FindPieceAt(int x, int y);   // the piece under a window point, or null
int TestTargetAt(int x, int y, bool acceptEnemy, bool markHover, bool acceptFriend,
                 bool checkRange);      // 0 a friend, 1 an enemy, 2 nothing usable; marks an accepted piece as the target
void FacePieceTowards(PIECEBASE* piece, int x);  // turns a creature's body toward the window x

// The pointer in play: what the next board click means, the selected piece and the aimed target, the cursor for
// each situation, a piece menu's commands and the board clicks. Window points are turned into board points once,
// where they come in; everything below them works on the board.
#pragma once

#include <cstdint>

#include "graphics/board.h"
#include "platform/window.h"
#include "screens/menus.h"

// What the next board click means.
enum ACTIONMODE : int {
    ModeNothing = 0,            // a click selects a piece
    ModeMoveAttack = 1,         // a move point or an attack target is awaited
    ModeSpellTarget = 2,        // the target of a spell is awaited
    ModeMenuOpen = 4,           // a piece menu is open
    ModeDreamPlace = 5,         // the place of a dream is awaited
    ModeTransferTarget = 7,     // the receiver of a transfer is awaited
    ModeComputerTurns = 8,      // the human has handed the board over (the world's HumanTurnEnded): input is ignored
};

// What the target test finds under a point, as seen from the selected piece.
enum TARGETTEST : int {
    TargetFriend = 0,
    TargetEnemy = 1,
    TargetNone = 2,             // no piece, no selected piece, or out of reach
};

// What the player is doing on the board.
struct PLAYSTATE {
    ACTIONMODE ActionMode = ModeNothing;        // what the next board click means
    PIECEBASE* pSelectedPiece = nullptr;        // the piece the player clicked last, his own or another side's
    PIECEBASE* pPointerTarget = nullptr;        // the piece under the pointer accepted as the current action's target
    float ActionRange = 1.0f;                   // reach factor of the action being aimed
    std::uint32_t ActionRangeColour = 0xff0000; // colour of the reach marker while aiming
    int ChosenSpell = -1;                       // hand row chosen in a spell list
    int ChosenDream = -1;                       // dream slot chosen in the dream list
    std::uint8_t ClickLatch = 0;                // a board press was handled: its release confirms no menu row
    int MouseX = 0;                             // the pointer's last position in a game, window pixels
    int MouseY = 0;
};

extern PLAYSTATE Play;  // the one play state

// Window points, from the window procedure and the main loop.
void BoardPointerMove(int x, int y);    // called by the window procedure when the pointer moves over a game
void BoardPress(int x, int y);          // called by the window procedure when the button goes down on a game
void BoardRelease(int x, int y);        // called by the window procedure when the button comes up on a game
void UpdateCursor(int x, int y);        // cursor, target and marks for the pointer at a window point
void UpdatePlayFrame();                 // called by the main loop once per game frame: the world's frame, then the pointer follows it
void CancelAction();                    // menus, marks, selection and aim cleared; an idle banner emptied
CURSOR ClearTarget();                   // drops the pointer's target and its mark; the "no" cursor
AIMVIEW GetAimView();                   // what the board shows of the selection and the aim

// Board points.
bool IsTargetingMode();                 // an action is being aimed: ActionMode 1, 2, 5 or 7
bool IsPointInActionRange(PIECEBASE* piece, int x, int y);  // aiming, on the board and within the piece's reach
PIECEBASE* FindPieceAt(int x, int y);   // the piece at a board point, or null
TARGETTEST TestTargetAt(int x, int y, bool acceptEnemy, bool markHover, bool acceptFriend,
                        bool checkRange);  // what lies there; an accepted piece is marked as the target
void SelectPieceAt(int x, int y);       // selects the piece there; the player's own opens its main page
void ShowPieceMenu(PIECEBASE* piece, MENUPAGE page);  // opens a menu page beside the piece; a menu is open
void DoPieceMenuCommand();              // carries out the row the last release confirmed
bool MoveAttackClick(PIECEBASE* piece, float x, float y);  // attacks an enemy in reach there, else moves there; false on a friend
bool CastSpellClick(int x, int y);      // casts the chosen spell of the selected piece; false when refused
bool DreamClick(int x, int y);          // sends the selected dreamer's chosen dream; false on a piece
bool TransferSpellClick(int x, int y);  // hands the chosen spell to a friend in reach; true when it flies

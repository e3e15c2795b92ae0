// The pointer and the clicks of a game: the cursor for each situation, selecting a piece, its menu's commands.
#pragma once

struct PIECEBASE;

int ClearTarget();                              // drops the pointer's target and its mark; the "no" cursor's number
void UpdateCursor(int x, int y);                // cursor, target and marks for the pointer at a window point
void SelectPieceAt(int x, int y);               // selects the piece there; the player's own opens its main page
void ShowPieceMenu(PIECEBASE* piece, int page); // opens a menu page beside the piece; a menu is open
void DoPieceMenuCommand();                      // carries out the row the last release confirmed
bool TransferSpellClick(int x, int y);          // hands the chosen spell to a friend in reach; true when it flies
void CancelAction();                            // menus, marks, selection and aim cleared; an idle banner emptied

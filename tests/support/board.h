// Hand-built boards for the tests: a game emptied, pieces and effects placed by hand.
#pragma once

#include <memory>
#include <string>

#include "world/effects.h"
#include "world/game.h"

// Empties the game to a 608 x 448 board with its bounds, no pending action, no event log and no scripted
// random values.
void StartEmptyBoard(GAME& game);

// A game of the test's own, emptied as StartEmptyBoard does; on the heap, for a game takes half a megabyte.
std::unique_ptr<GAME> NewEmptyBoard();

// Players[index] as its own side's resting dreamer centred on (cx, cy); index 0 is the human's.
PLAYER& PlaceDreamer(GAME& game, int index, const char* name, int cx, int cy, int size = 20);

// Creatures[slot] as a resting creature of Players[team], centred on (cx, cy).
PIECE& PlaceCreature(GAME& game, int slot, int team, const char* name, int cx, int cy, int size = 20);

// The actions' board: the human's dreamer "Ardent" centred on (116, 116), the enemy dreamer "Morrow" in reach at
// (216, 116) and Ardent's creature "Badger" in slot 3 at (116, 176), all 32 x 32.
void StartActionBoard(GAME& game);

// An active effect of the given kind and side over the box at (left, top).
EFFECT& PlaceEffect(GAME& game, int slot, int kind, int team, int left, int top, int width, int height);

// The active effects of the given kind, or of any kind for -1.
int CountActiveEffects(const GAME& game, int kind = -1);

// The banner's three texts joined by "|".
std::string BannerText(const GAME& game);

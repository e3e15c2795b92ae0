// The computer opponent: what computer dreamers and creatures decide, and its hook into the turn machine.
#pragma once

#include "world/spells.h"

class GAME;
class PLAYER;
struct PIECEBASE;

void InstallComputerOpponent();     // lets the turn machine hand computer turns to PlayerTurn and CreatureTurn

// Turns and targets
bool PlayerTurn(GAME& game, int player, const int* reachTable);     // one step of a computer dreamer's turn; true while busy
bool CreatureTurn(GAME& game, int creature, const int* reachTable); // one step of a computer creature's turn; true while busy
PIECEBASE* SelectTarget(GAME& game, PIECEBASE* piece, int team, bool isFriend, bool byScore);  // FindTarget, over every team when team has no live piece
PIECEBASE* FindTarget(GAME& game, PIECEBASE* piece, int team, bool isFriend, bool byScore);    // the nearest or best-scored friend or enemy, or null
int ScoreTarget(GAME& game, PIECEBASE* piece, PIECEBASE* candidate);  // how attractive candidate is to piece; 0 when either is null
int GetTeamCreatureStrength(GAME& game, PIECEBASE* piece);  // level + max health + attack + defence of the side's first creature slot
int CountTeamPieces(GAME& game, int team);                  // live dreamers and creatures of a team
int CountTeamCreatures(GAME& game, int team);               // live creatures of a team
bool HasCreatures(GAME& game, int player);                  // any used creature slot, dead or not, carries the side's number

// Movement
void ShouldPieceMove(GAME& game, PIECEBASE* pPiece, const int* reachTable, bool holdBack);  // posts a flight, an attack or a walk, and traces it
bool StepToward(GAME& game, PIECEBASE* pPiece, float x, float y, const int* reachTable, float reach, int* pOutX,
                int* pOutY);                                // the free, safe point in reach nearest (x, y) on the way back to the piece
bool IsOccupied(GAME& game, int x, int y, int marginX, int marginY);  // the widened point leaves the board or touches a piece

// Spells and dreams
bool IsWeak(const PIECEBASE& piece);                        // health below half the maximum
int ChooseRandomSpell(const SPELLHAND& hand, SPELLCATEGORY category); // a random row, else the first of the category (friendly falls back to hostile); -1 none
int ChooseBestSpell(const SPELLHAND& hand, SPELLCATEGORY category);   // the category's row with the highest chance above 0; friendly falls back to the first hostile
int ChooseSpell(PIECEBASE* pPiece, bool hasFriend, bool friendIsWeak);  // hand row to use, Cloud Cover first; -1 none
void ConsiderSpell(GAME& game, PIECEBASE* pPiece, const int* reachTable);  // posts a cast or a transfer of one chosen spell
int ChooseDream(const PLAYER& dreamer);                     // dream slot to try by DreamChoice; -1 none
int ChooseRandomDream(const PLAYER& dreamer);               // a random slot in use; -1 none
int ChooseBestDream(const PLAYER& dreamer);                 // the slot in use with the highest chance above 0; -1 none
bool ConsiderDreaming(GAME& game, int player);              // posts a dream beside the dreamer; false when none was posted
bool FindDreamSpot(GAME& game, int player, int width, int height, int* pOutX,
                   int* pOutY);                             // first free centre around the dreamer, target side first
bool TestDreamSpot(GAME& game, int x, int y, int width, int height, int* pOutX, int* pOutY, int marginX,
                   int marginY);                            // the creature's box fits the board and its centre is free

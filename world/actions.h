// The five actions of a piece (move, attack, cast, transfer, dream) on board points: the player's clicks and the
// computer's posted actions start them alike.
#pragma once

class GAME;
struct PIECEBASE;

void MovePieceTo(PIECEBASE* piece, float x, float y);      // board point the piece's centre is to go to
void AttackEffect(GAME& game, PIECEBASE* attacker, PIECEBASE* target);  // the attacker fades while its ghosts fly
// Rolls and spends hand slot; false when refused.
bool CastSpell(GAME& game, PIECEBASE* caster, PIECEBASE* target, int x, int y, int slot);
// Moves hand slot to the receiver; false when refused.
bool TransferSpell(GAME& game, PIECEBASE* caster, PIECEBASE* receiver, int x, int y, int slot);
void DreamEffect(GAME& game, PIECEBASE* dreamer, int slot, int x, int y);  // the dream of slot flies to the point
void FacePieceTowards(PIECEBASE* piece, int x);            // turns a creature's body toward the board x; dreamers never turn

// The five actions of a piece (move, attack, cast, transfer, dream) on board points: the player's clicks and the
// computer's posted actions start them alike.
#pragma once

struct PIECEBASE;

void MovePieceTo(PIECEBASE* piece, float x, float y);      // board point the piece's centre is to go to
void AttackEffect(PIECEBASE* attacker, PIECEBASE* target); // the attacker fades while its eight ghosts fly at the target
bool CastSpell(PIECEBASE* caster, PIECEBASE* target, int x, int y, int slot);      // rolls and spends hand slot; false when refused
bool TransferSpell(PIECEBASE* caster, PIECEBASE* receiver, int x, int y, int slot);  // moves hand slot to the receiver; false when refused
void DreamEffect(PIECEBASE* dreamer, int slot, int x, int y);  // sends the dream of slot to the board point, rolled on landing
void FacePieceTowards(PIECEBASE* piece, int x);            // turns a creature's body toward the board x; dreamers never turn

// The five actions of a piece (move, attack, cast, transfer, dream) and the board clicks that start them.
#pragma once

struct PIECEBASE;

bool MoveAttackClick(PIECEBASE* piece, float x, float y);  // window point: attacks an enemy in reach there, else moves there; false on a friend
bool CastSpellClick(int x, int y);                         // window point: casts the chosen spell of the selected piece; false when refused
bool DreamClick(int x, int y);                             // window point: sends the selected dreamer's chosen dream; false on a piece

void MovePieceTo(PIECEBASE* piece, float x, float y);      // board point the piece's centre is to go to
void AttackEffect(PIECEBASE* attacker, PIECEBASE* target); // the attacker fades while its eight ghosts fly at the target
bool CastSpell(PIECEBASE* caster, PIECEBASE* target, int x, int y, int slot);      // rolls and spends hand slot; false when refused
bool TransferSpell(PIECEBASE* caster, PIECEBASE* receiver, int x, int y, int slot);  // moves hand slot to the receiver; false when refused
void DreamEffect(PIECEBASE* dreamer, int slot, int x, int y);  // sends the dream of slot to the board point, rolled on landing

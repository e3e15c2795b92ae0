// The game state: building it, resetting it for a new game, and asking it about the sides.
#include "world/game.h"

// The board is 512 x 320 until the first game sets it.
GAME::GAME()
{
    Reset();
}

// The roster, the spell table, the board size and bounds and the debug copy
// carry over from game to game, and so do the pending action's other fields.
void GAME::Reset()
{
    ClearMessage();
    CurrentPlayer = 0;
    CurrentCreature = -1;
    PendingAction.Kind = ActionNone;
    PendingAction.DreamSlot = 0;
    HitHappened = 0;
    ComputerTurnsRunning = 0;
    HumanTurnEnded = 0;
    MessageFramesLeft = 0;
    MessageFrames = 0;
    for (PLAYER& player : Players)
        player.Reset();
    for (PIECE& creature : Creatures)
        creature.Reset();
    Effects.Reset();
    ScoreTexts.Reset();
}

// Pieces copy the bounds when they are created; later changes do not reach them.
void GAME::SetBoardBounds(int left, int top, int right, int bottom)
{
    BoardBounds[0] = left;
    BoardBounds[1] = top;
    BoardBounds[2] = right;
    BoardBounds[3] = bottom;
    Effects.SetBounds(left, top, right, bottom);
}

bool GAME::IsHumanAlive() const
{
    for (const PLAYER& player : Players)
        if (player.Kind == PieceHumanDreamer && !player.IsDead)
            return true;
    return false;
}

int GAME::GetLastComputerPlayer() const
{
    int last = 0;
    for (int i = 0; i < MaxPlayers; i++) {
        const PLAYER& player = Players[i];
        if (player.Kind != PieceFree && !player.IsDead && player.IsComputer)
            last = i;
    }
    return last;
}

int GAME::CountLivePlayers() const
{
    int count = 0;
    for (const PLAYER& player : Players)
        if (player.Kind != PieceFree && !player.IsDead)
            count++;
    return count;
}

// A dead piece may still be finishing a move it had begun; it holds up nobody.
bool GAME::IsNothingMoving() const
{
    for (const PLAYER& player : Players)
        if (player.Kind != PieceFree && !player.IsDead && player.IsMoving)
            return false;
    for (const PIECE& creature : Creatures)
        if (creature.Kind != PieceFree && !creature.IsDead && creature.IsMoving)
            return false;
    return true;
}

PIECEBASE* GAME::GetPiece(PIECEREF type, int index)
{
    if (index < 0)
        return nullptr;
    if (type == PieceRefDreamer && index < MaxPlayers)
        return &Players[index];
    if (type == PieceRefCreature && index < CreatureSlots)
        return &Creatures[index];
    return nullptr;
}

// A computer dreamer's and a computer creature's turn, one decision step per call.
#include "opponent/opponent.h"
#include "world/frame_update.h"
#include "world/game.h"

void InstallComputerOpponent()
{
    TurnHooks.ComputerPlayerTurn = PlayerTurn;
    TurnHooks.ComputerCreatureTurn = CreatureTurn;
}

// The turn machine calls again every frame while the dreamer's creatures act, so
// a dream attempt that posted nothing is tried again on each of those frames.
bool PlayerTurn(GAME& game, int player, const int* reachTable)
{
    if (player < 0 || player >= MaxPlayers)
        return false;
    PLAYER& dreamer = game.Players[player];
    if (dreamer.IsMoving || dreamer.IsDead)
        return true;

    dreamer.pFriend = SelectTarget(game, &dreamer, -1, true, false);
    dreamer.pTarget = SelectTarget(game, &dreamer, -1, false, true);
    if (dreamer.pTarget == nullptr)
        dreamer.pTarget = SelectTarget(game, &dreamer, -1, false, false);

    if (game.MessageFramesLeft < 1)
        game.ShowTurnMessage(&dreamer);

    if (!dreamer.HasMoved) {
        // A dreamer that can still dream, or already has creatures, lets them do the walking.
        const bool holdBack = dreamer.GetNumberOfDreams() >= 1 || HasCreatures(game, player);
        ShouldPieceMove(game, &dreamer, reachTable, holdBack);
        dreamer.HasMoved = 1;
        return true;
    }
    if (!dreamer.HasCast) {
        ConsiderSpell(game, &dreamer, reachTable);
        dreamer.HasCast = 1;
        return true;
    }
    if (dreamer.HasDreamed)
        return false;
    if (!ConsiderDreaming(game, player))
        return false;
    dreamer.HasDreamed = 1;
    return true;
}

// A creature fights for its dreamer's aims; it would never pick itself as the friend to help.
bool CreatureTurn(GAME& game, int creature, const int* reachTable)
{
    if (creature < 0 || creature >= CreatureSlots)
        return false;
    PIECE& piece = game.Creatures[creature];
    if (piece.Kind == PieceFree || piece.IsDead)
        return false;
    if (piece.IsMoving)
        return true;

    if (piece.pOwner != nullptr) {
        piece.pFriend = piece.pOwner->pFriend;
        piece.pTarget = piece.pOwner->pTarget;
        if (piece.pFriend == &piece)
            piece.pFriend = piece.pOwner;
    } else {
        piece.pFriend = nullptr;
        piece.pTarget = nullptr;
    }

    if (!piece.HasMoved) {
        ShouldPieceMove(game, &piece, reachTable, false);
        piece.HasMoved = 1;
        return true;
    }
    if (piece.HasCast)
        return false;
    ConsiderSpell(game, &piece, reachTable);
    piece.HasCast = 1;
    return true;
}

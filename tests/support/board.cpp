// Placed pieces are square, alive and at rest, with level 1, 20 health, attack 2, defence 1,
// reach 1, the game's spell table, the board bounds and a colour of their side's own.
#include "tests/support/board.h"

#include <cstdio>

#include "base/eventlog.h"
#include "world/random.h"

namespace {

void PlacePiece(const GAME& game, PIECEBASE& piece, PIECEKIND kind, int index, int team, const char* name, int cx,
                int cy, int size)
{
    piece.Init(index, team, name, kind, 0, 1, 10, 0xffffff, 255);
    piece.Sprite.BuildFrames(1, 1, size, size, 1);
    piece.SetStats(1, 20, 2, 1, 0, 1.0f);
    piece.SetPosition(static_cast<float>(cx - size / 2), static_cast<float>(cy - size / 2), size, size);
    piece.SetBounds(game.BoardBounds[0], game.BoardBounds[1], game.BoardBounds[2], game.BoardBounds[3]);
    piece.Spells.SetSpellTable(&game.SpellTable);
    piece.TeamColour = 0x102030u * static_cast<unsigned>(team + 1);
    piece.IsComputer = team != 0;
}

}  // namespace

void StartEmptyBoard(GAME& game)
{
    game.Reset();
    game.PendingAction = PENDINGACTION();
    game.BoardWidth = 608;
    game.BoardHeight = 448;
    game.SetBoardBounds(0, 0, 608, 448);
    std::remove(EventLogName);
    ClearRandScript();
}

std::unique_ptr<GAME> NewEmptyBoard()
{
    auto game = std::make_unique<GAME>();
    StartEmptyBoard(*game);
    return game;
}

void StartActionBoard(GAME& game)
{
    StartEmptyBoard(game);
    PlaceDreamer(game, 0, "Ardent", 116, 116, 32);
    PlaceDreamer(game, 1, "Morrow", 216, 116, 32);
    PlaceCreature(game, 3, 0, "Badger", 116, 176, 32);
}

PLAYER& PlaceDreamer(GAME& game, int index, const char* name, int cx, int cy, int size)
{
    PlacePiece(game, game.Players[index], index == 0 ? PieceHumanDreamer : PieceComputerDreamer, index, index, name,
               cx, cy, size);
    return game.Players[index];
}

PIECE& PlaceCreature(GAME& game, int slot, int team, const char* name, int cx, int cy, int size)
{
    PlacePiece(game, game.Creatures[slot], PieceCreature, slot, team, name, cx, cy, size);
    game.Creatures[slot].pOwner = &game.Players[team];
    return game.Creatures[slot];
}

EFFECT& PlaceEffect(GAME& game, int slot, int kind, int team, int left, int top, int width, int height)
{
    EFFECT& effect = game.Effects.Slots[slot];
    effect.IsActive = 1;
    effect.Kind = kind;
    effect.OwnerTeam = team;
    effect.HeadX = static_cast<float>(left);
    effect.HeadY = static_cast<float>(top);
    effect.Width = width;
    effect.Height = height;
    return effect;
}

int CountActiveEffects(const GAME& game, int kind)
{
    int count = 0;
    for (const EFFECT& effect : game.Effects.Slots)
        count += effect.IsActive && (kind < 0 || effect.Kind == kind);
    return count;
}

std::string BannerText(const GAME& game)
{
    return std::string(game.MessageText[0]) + "|" + game.MessageText[1] + "|" + game.MessageText[2];
}

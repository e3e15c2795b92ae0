// Placed pieces are square, alive and at rest, with level 1, 20 health, attack 2, defence 1,
// reach 1, the game's spell table, the board bounds and a colour of their side's own.
#include "tests/support/board.h"

#include <cstdio>

#include "base/eventlog.h"
#include "world/random.h"

namespace {

void PlacePiece(PIECEBASE& piece, PIECEKIND kind, int index, int team, const char* name, int cx, int cy, int size)
{
    piece.Init(index, team, name, kind, 0, 1, 10, 0xffffff, 255);
    piece.Sprite.BuildFrames(1, 1, size, size, 1);
    piece.SetStats(1, 20, 2, 1, 0, 1.0f);
    piece.SetPosition(static_cast<float>(cx - size / 2), static_cast<float>(cy - size / 2), size, size);
    piece.SetBounds(Game.BoardBounds[0], Game.BoardBounds[1], Game.BoardBounds[2], Game.BoardBounds[3]);
    piece.Spells.SetSpellTable(&Game.SpellTable);
    piece.TeamColour = 0x102030u * static_cast<unsigned>(team + 1);
    piece.IsComputer = team != 0;
}

}  // namespace

void StartEmptyBoard()
{
    Game.Reset();
    Game.PendingAction = PENDINGACTION();
    Game.BoardWidth = 608;
    Game.BoardHeight = 448;
    Game.SetBoardBounds(0, 0, 608, 448);
    std::remove(EventLogName);
    ClearRandScript();
}

void StartActionBoard()
{
    StartEmptyBoard();
    PlaceDreamer(0, "Ardent", 116, 116, 32);
    PlaceDreamer(1, "Morrow", 216, 116, 32);
    PlaceCreature(3, 0, "Badger", 116, 176, 32);
}

PLAYER& PlaceDreamer(int index, const char* name, int cx, int cy, int size)
{
    PlacePiece(Game.Players[index], index == 0 ? PieceHumanDreamer : PieceComputerDreamer, index, index, name, cx, cy,
               size);
    return Game.Players[index];
}

PIECE& PlaceCreature(int slot, int team, const char* name, int cx, int cy, int size)
{
    PlacePiece(Game.Creatures[slot], PieceCreature, slot, team, name, cx, cy, size);
    Game.Creatures[slot].pOwner = &Game.Players[team];
    return Game.Creatures[slot];
}

EFFECT& PlaceEffect(int slot, int kind, int team, int left, int top, int width, int height)
{
    EFFECT& effect = Game.Effects.Slots[slot];
    effect.IsActive = 1;
    effect.Kind = kind;
    effect.OwnerTeam = team;
    effect.HeadX = static_cast<float>(left);
    effect.HeadY = static_cast<float>(top);
    effect.Width = width;
    effect.Height = height;
    return effect;
}

int CountActiveEffects(int kind)
{
    int count = 0;
    for (const EFFECT& effect : Game.Effects.Slots)
        count += effect.IsActive && (kind < 0 || effect.Kind == kind);
    return count;
}

std::string BannerText()
{
    return std::string(Game.MessageText[0]) + "|" + Game.MessageText[1] + "|" + Game.MessageText[2];
}

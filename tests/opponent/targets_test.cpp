#include <gtest/gtest.h>

#include "world/effects.h"
#include "world/game.h"

namespace {

void ResetBoard()
{
    Game.Reset();
    Game.BoardWidth = 608;
    Game.BoardHeight = 448;
    Game.SetBoardBounds(0, 0, 608, 448);
}

// A resting 20 x 20 piece centred on (cx, cy) with the given stats.
PIECEBASE& Place(PIECEBASE& piece, int index, int team, int kind, int cx, int cy, int level = 1,
                 int maxHealth = 10, int attack = 1, int defence = 1)
{
    piece.Init(index, team, kind == PieceCreature ? "Owl" : "Sage", kind, 0, 1, 10, 0xffffff, 255);
    piece.Sprite.BuildFrames(1, 1, 20, 20, 1);
    piece.SetStats(level, maxHealth, attack, defence, 0, 1.0f);
    piece.SetPosition(static_cast<float>(cx - 10), static_cast<float>(cy - 10), 20, 20);
    return piece;
}

PIECEBASE& Dreamer(int index, int cx, int cy)
{
    return Place(Game.Players[index], index, index, index == 0 ? PieceHumanDreamer : PieceComputerDreamer, cx, cy);
}

PIECEBASE& Creature(int slot, int team, int cx, int cy)
{
    PIECE& creature = Game.Creatures[slot];
    Place(creature, slot, team, PieceCreature, cx, cy);
    creature.pOwner = &Game.Players[team];
    return creature;
}

// One cloud of a side's Cloud Cover over the box at (left, top).
void CloudOver(int slot, int team, int left, int top, int size)
{
    EFFECT& cloud = Game.Effects.Slots[slot];
    cloud.IsActive = 1;
    cloud.Kind = EffectCloudCover;
    cloud.OwnerTeam = team;
    cloud.HeadX = static_cast<float>(left);
    cloud.HeadY = static_cast<float>(top);
    cloud.Width = size;
    cloud.Height = size;
}

}  // namespace

TEST(TargetDistance, LargerAxisPlusHalfTheSmallerAndTiesKeepTheFirstFound)
{
    // Creature 1 stands 30 across and 40 down: distance 55. Creature 0 is found first.
    const struct {
        int DX, DY;
        int Winner;
    } cases[] = {
        {55, 0, 0}, {56, 0, 1}, {-54, -2, 0}, {-54, -4, 1}, {0, 52, 0}, {0, -56, 1},
    };
    for (const auto& c : cases) {
        ResetBoard();
        PIECEBASE& searcher = Dreamer(1, 300, 200);
        Creature(0, 2, 300 + c.DX, 200 + c.DY);
        Creature(1, 2, 330, 240);
        EXPECT_EQ(Game.FindTarget(&searcher, -1, false, false), &Game.Creatures[c.Winner])
            << c.DX << ", " << c.DY;
    }

    // Dreamers win ties against creatures, lower indices against higher.
    ResetBoard();
    PIECEBASE& searcher = Dreamer(1, 300, 200);
    Creature(3, 2, 350, 200);
    Creature(7, 4, 250, 200);
    EXPECT_EQ(Game.FindTarget(&searcher, -1, false, false), &Game.Creatures[3]);
    Dreamer(5, 300, 250);
    EXPECT_EQ(Game.FindTarget(&searcher, -1, false, false), &Game.Players[5]);
    Dreamer(2, 300, 150);
    EXPECT_EQ(Game.FindTarget(&searcher, -1, false, false), &Game.Players[2]);
}

TEST(TargetScore, BoardSizeLessTheWalkPlusTheCandidatesStats)
{
    ResetBoard();
    PIECEBASE& searcher = Dreamer(1, 200, 200);
    PIECEBASE& creature = Place(Game.Creatures[9], 9, 2, PieceCreature, 300, 250, 1, 20, 5, 3);
    EXPECT_EQ(Game.ScoreTarget(&searcher, &creature), 935);
    EXPECT_EQ(Game.ScoreTarget(&searcher, nullptr), 0);
    EXPECT_EQ(Game.ScoreTarget(nullptr, &creature), 0);

    // A dreamer candidate adds the strength of the searcher's own first creature slot, dead or not.
    PIECEBASE& rival = Place(Game.Players[2], 2, 2, PieceComputerDreamer, 300, 250, 1, 20, 5, 3);
    EXPECT_EQ(Game.ScoreTarget(&searcher, &rival), 935);
    Place(Game.Creatures[0], 0, 2, PieceCreature, 50, 50, 9, 90, 9, 9);    // another side's creature
    Place(Game.Creatures[4], 4, 1, PieceCreature, 50, 50, 2, 30, 4, 6).IsDead = 1;
    Place(Game.Creatures[5], 5, 1, PieceCreature, 50, 50, 3, 40, 5, 7);
    EXPECT_EQ(Game.GetTeamCreatureStrength(&searcher), 42);
    EXPECT_EQ(Game.ScoreTarget(&searcher, &rival), 935 + 42);
    EXPECT_EQ(Game.ScoreTarget(&searcher, &creature), 935);
}

TEST(TargetScore, TheBestScoreWinsTiesKeepTheFirstAndNothingAtZeroIsChosen)
{
    ResetBoard();
    PIECEBASE& searcher = Dreamer(1, 300, 200);
    Creature(6, 2, 350, 200);
    Creature(2, 3, 250, 200);
    EXPECT_EQ(Game.FindTarget(&searcher, -1, false, true), &Game.Creatures[2]);
    Dreamer(4, 300, 250);
    EXPECT_EQ(Game.FindTarget(&searcher, -1, false, true), &Game.Players[4]);
    Game.Creatures[6].MaxHealth = 11;
    EXPECT_EQ(Game.FindTarget(&searcher, -1, false, true), &Game.Creatures[6]);

    Game.BoardWidth = 0;
    Game.BoardHeight = 0;
    EXPECT_EQ(Game.FindTarget(&searcher, -1, false, true), nullptr) << "every score below 0";
    EXPECT_EQ(Game.FindTarget(&searcher, -1, false, false), &Game.Players[4]);
}

TEST(TargetSearch, SkipsItselfFreeDeadAndTheWrongSide)
{
    ResetBoard();
    PIECEBASE& searcher = Creature(1, 1, 300, 200);
    Dreamer(1, 100, 100);
    Creature(2, 1, 330, 200);
    Creature(3, 2, 300, 210).IsDead = 1;
    Creature(4, 2, 290, 200).Kind = PieceFree;
    Creature(5, 2, 500, 400);
    Dreamer(6, 301, 200);
    EXPECT_EQ(Game.FindTarget(&searcher, -1, true, false), &Game.Creatures[2]);
    EXPECT_EQ(Game.FindTarget(&searcher, -1, false, false), &Game.Players[6]);
    EXPECT_EQ(Game.FindTarget(&searcher, 2, false, false), &Game.Creatures[5]);
    EXPECT_EQ(Game.FindTarget(&searcher, -1, true, true), &Game.Creatures[2]);
    EXPECT_EQ(Game.FindTarget(nullptr, -1, false, false), nullptr);
    Game.Creatures[2].IsDead = 1;
    EXPECT_EQ(Game.FindTarget(&searcher, -1, true, false), &Game.Players[1]) << "a dreamer numbered like the searcher";
}

TEST(TargetSearch, PiecesUnderTheirOwnSidesCloudCoverAreNeverChosen)
{
    ResetBoard();
    PIECEBASE& searcher = Dreamer(1, 300, 200);
    Creature(0, 1, 320, 200);     // friend
    Creature(1, 2, 200, 200);     // enemy
    Dreamer(2, 400, 400);
    CloudOver(0, 1, 310, 190, 20);
    CloudOver(1, 2, 190, 190, 20);
    CloudOver(2, 2, 390, 390, 20);
    for (bool byScore : {false, true}) {
        EXPECT_EQ(Game.SelectTarget(&searcher, -1, false, byScore), nullptr) << byScore;
        EXPECT_EQ(Game.SelectTarget(&searcher, -1, true, byScore), nullptr) << byScore;
    }

    // Another side's cover hides nothing.
    Game.Effects.Slots[1].OwnerTeam = 3;
    Game.Effects.Slots[0].OwnerTeam = 2;
    EXPECT_EQ(Game.SelectTarget(&searcher, -1, false, false), &Game.Creatures[1]);
    EXPECT_EQ(Game.SelectTarget(&searcher, -1, true, false), &Game.Creatures[0]);
    // A cloud counts only while its slot is active.
    Game.Effects.Slots[1].OwnerTeam = 2;
    Game.Effects.Slots[2].IsActive = 0;
    EXPECT_EQ(Game.SelectTarget(&searcher, -1, false, true), &Game.Players[2]);
}

TEST(TargetSearch, ATeamWithoutLivePiecesWidensTheSearchToEveryTeam)
{
    ResetBoard();
    PIECEBASE& searcher = Dreamer(1, 300, 200);
    Creature(0, 2, 310, 200);
    Dreamer(3, 500, 400);
    Creature(1, 4, 320, 200).IsDead = 1;
    EXPECT_EQ(Game.SelectTarget(&searcher, 3, false, false), &Game.Players[3]);
    EXPECT_EQ(Game.SelectTarget(&searcher, 4, false, false), &Game.Creatures[0]);
    EXPECT_EQ(Game.SelectTarget(&searcher, 6, false, false), &Game.Creatures[0]);
    // A team with live pieces that are all on the searcher's own side finds nothing.
    EXPECT_EQ(Game.SelectTarget(&searcher, 1, false, false), nullptr);
}

TEST(SideCounts, LiveMeansUsedAndNotDeadButHasCreaturesCountsTheDying)
{
    ResetBoard();
    Dreamer(0, 100, 100);
    Dreamer(1, 200, 100);
    Dreamer(2, 300, 100).IsDead = 1;
    Dreamer(3, 400, 100).Kind = PieceFree;
    Creature(10, 1, 100, 300);
    Creature(11, 1, 150, 300).IsDead = 1;
    Creature(12, 1, 200, 300).Kind = PieceFree;
    Creature(13, 2, 250, 300).IsDead = 1;
    Creature(14, 3, 300, 300).Kind = PieceFree;
    EXPECT_EQ(Game.CountLivePlayers(), 2);
    EXPECT_EQ(Game.CountTeamCreatures(1), 1);
    EXPECT_EQ(Game.CountTeamPieces(1), 2);
    EXPECT_EQ(Game.CountTeamPieces(2), 0);
    EXPECT_EQ(Game.CountTeamPieces(-1), 0);
    EXPECT_TRUE(Game.HasCreatures(1));
    EXPECT_TRUE(Game.HasCreatures(2)) << "a dying creature still counts";
    EXPECT_FALSE(Game.HasCreatures(3)) << "a freed slot does not";
    EXPECT_FALSE(Game.HasCreatures(0));
    EXPECT_EQ(Game.GetTeamCreatureStrength(&Game.Players[0]), 0);
}

TEST(SideCounts, NothingMovingIgnoresDeadAndFreeMovers)
{
    ResetBoard();
    Dreamer(1, 200, 100);
    PIECEBASE& creature = Creature(20, 1, 100, 300);
    EXPECT_TRUE(Game.IsNothingMoving());
    creature.IsMoving = 1;
    EXPECT_FALSE(Game.IsNothingMoving());
    creature.IsDead = 1;
    EXPECT_TRUE(Game.IsNothingMoving());
    Game.Players[1].IsMoving = 1;
    EXPECT_FALSE(Game.IsNothingMoving());
    Game.Players[1].Kind = PieceFree;
    EXPECT_TRUE(Game.IsNothingMoving());
}
